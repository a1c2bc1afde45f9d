#pragma once

#include "core/document/objectref.h"

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QUndoCommand>
#include <memory>
#include <vector>

class Insel;
class Inselhaus;
class RumoSzen;

// One step of a document's undo stack.
class DocumentEdit : public QUndoCommand {
public:
    explicit DocumentEdit(RumoSzen &doc, const QString &text) : doc_(doc) { setText(text); }
    // What the step changed, for the editor to put it in front of the user
    // after undo and redo.
    ObjectRef target() const { return target_; }

protected:
    RumoSzen &doc_;
    ObjectRef target_;
};

// The bytes that the editor changes in place (the settings, player and
// mission areas, every city, trading post, ship and island record), the tile
// layers (implicitly shared, so holding them costs nothing until one is
// recoloured) and the campaign number, as they were after the last step of
// the stack. The difference to the document's present state is the next step.
class RecordSnapshot {
public:
    void take(RumoSzen &doc);
    // The step from this snapshot to the document as it is now; null when
    // nothing changed. An empty `text` names the first record that changed.
    // Steps with the same `typing` key (0 or more; -1 for none) that change
    // the same record merge into one when pushed one after the other: the
    // editor gives each stay in a text field its own key, so the typing there
    // is one step however often it was recorded. The key is the step's id(),
    // by which the editor knows its typing's step on top of the stack.
    std::unique_ptr<DocumentEdit> changesSince(RumoSzen &doc, const QString &text,
                                               int typing = -1) const;

private:
    struct Block {
        uchar *bytes = nullptr;
        int size = 0;
        ObjectRef object;
        // Offset of its copy in bytes_.
        qsizetype copyAt = 0;
    };
    static std::vector<Block> blocksOf(RumoSzen &doc);

    struct Layer {
        Inselhaus *layer = nullptr;
        QByteArray tiles;
        int island = -1;
    };

    std::vector<Block> blocks_;
    QByteArray bytes_;
    std::vector<Layer> layers_;
    int campaign_ = -1;
};

// A whole drag of an island, or one arrow-key step, done before it is
// recorded.
class IslandMoveEdit : public DocumentEdit {
public:
    IslandMoveEdit(RumoSzen &doc, Insel &island, QPoint delta);
    void undo() override;
    void redo() override;

private:
    Insel &island_;
    QPoint delta_;
    bool done_ = true;
};

// Deleting an island: the step keeps the island with everything on it while
// it is out of the document, and puts it back in its place on undo.
class IslandDeleteEdit : public DocumentEdit {
public:
    IslandDeleteEdit(RumoSzen &doc, Insel &island);
    void undo() override;
    void redo() override;

private:
    int number_;
    std::unique_ptr<Insel> kept_;
};

// Inserting an island: the step holds the island while it is out of the
// document (after undo) and puts it in under its number again on redo.
class IslandInsertEdit : public DocumentEdit {
public:
    IslandInsertEdit(RumoSzen &doc, std::unique_ptr<Insel> island);
    ~IslandInsertEdit() override;
    void undo() override;
    void redo() override;

private:
    int number_;
    std::unique_ptr<Insel> kept_;
};
