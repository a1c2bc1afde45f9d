#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QWidget;
class RumoSzen;

// Turns what the user does in the main window into steps of the open
// document's undo stack: every control change is one step, recorded at once,
// except typing. Typing in a text field is recorded with every change too (so
// the title, the menu and a save always see it), but as pieces of one step
// that runs from entering the field to leaving it: the pieces carry the key of
// that stay in the field and merge on the stack. Typing that brings the field
// back to where it was leaves no step at all.
//
// A stay in a field begins with the first key, click, menu or drop that reaches the
// field, and ends when the user turns to another control, the focus moves on,
// or a step is undone or redone.
class EditRecorder : public QObject {
    Q_OBJECT

public:
    // `window` is the main window whose text fields are watched; `commit`
    // writes every page into the document's records.
    EditRecorder(QWidget *window, std::function<void()> commit);
    ~EditRecorder() override;

    // The document whose stack takes the steps; nullptr after it is gone.
    void setDocument(RumoSzen *doc);

    // A control changed the document: typing, or an edit of its own, which
    // is called `named` when not empty (else after its control, or after the
    // record it changed).
    void controlChanged(const QString &named = QString());
    // Commits the pages and records what they wrote as one step called
    // `text` (empty: named after the changed record).
    void record(const QString &text = QString());
    // The stay in the text field ends; typing there afterwards is a step of
    // its own. Called before undo and redo.
    void endTyping();

    // Whether the undo (`back`) or redo key in `field` belongs to the field:
    // only while the user is typing there and the field itself can take a
    // step back (or forward). Otherwise the document's step is taken.
    bool fieldTakesKey(const QWidget *field, bool back) const;

    // While one lives, changes of the controls are no edits: the pages are
    // being filled.
    class Quiet {
    public:
        explicit Quiet(EditRecorder &recorder);
        ~Quiet();
        Quiet(const Quiet &) = delete;
        Quiet &operator=(const Quiet &) = delete;

    private:
        EditRecorder &recorder_;
        bool was_;
    };

protected:
    // Notes which control the user works in.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void focusChanged(QWidget *old, QWidget *now);
    // Begins a stay in `field`, or ends the one under way (nullptr).
    void enter(QWidget *field);
    // What the field shows.
    static QString textOf(const QWidget *field);
    // The text field of the main window that `widget` is or belongs to (its
    // viewport, its context menu); nullptr for other widgets.
    QWidget *fieldOf(QWidget *widget) const;
    void commitPages();

    QWidget *window_;
    std::function<void()> commit_;
    QPointer<RumoSzen> doc_;

    // The text field the user is typing in, the key of this stay in it (the
    // id of the typing's step), what it showed at the last step, and whether
    // typing there made a step yet.
    QPointer<QWidget> field_;
    int typing_ = 0;
    QString fieldText_;
    bool typed_ = false;
    // What the field showed when the user entered it.
    QString startText_;
    // The widget that got the last click or key press, whose name names a
    // step it makes.
    QPointer<QWidget> lastInput_;
    // Set while pages are filled or committed.
    bool quiet_ = false;
};
