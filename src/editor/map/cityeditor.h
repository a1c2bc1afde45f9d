#pragma once

#include "core/islands/cityrecord.h"
#include "editor/widgets/shownvalues.h"

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class RumoSzen;

// The group "Ausgewählte Stadt" below the map: name, owner colour and
// building stop of the city selected in the object tree. Name and building
// stop stay in the controls until Commit; a new owner colour reaches the
// record, the island and its buildings at once.
class CityEditor : public QWidget {
    Q_OBJECT

public:
    explicit CityEditor(QWidget *parent = nullptr);

    // Shows the city and enables the group; a null record or no document
    // empties and disables it. Never counts as a change of the document.
    void fill(RumoSzen *doc, CityRecord city);
    // Writes name, owner and building stop into the city, each only when the
    // user changed what its control showed, so a city selected and left
    // keeps every byte. Nothing at all unless `city` is the city shown, nor
    // while the name is empty. The owner goes to the first player other than
    // slot 4 with the chosen colour and stays when there is none; the island
    // and its buildings are left alone.
    void commit(RumoSzen *doc, CityRecord city);
    // The city shown; null while the editor is empty.
    CityRecord city() const { return city_; }

signals:
    // The name was edited or the building stop clicked.
    void controlChanged();
    // A colour was chosen and handed to the document, which gives the city
    // and its buildings to that colour's player; map and tree show owners.
    void ownerChanged();
    // "Warenlager..." was clicked: the stock of the city's trading post.
    void stockRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    // Captions and the colours' names in the language now installed; the
    // chosen colour stays, and nothing counts as an edit.
    void retranslateUi();
    void comboStadtfarbeChange(int item);
    void enableGroup(bool enabled);

    QGroupBox *gbStadt_ = nullptr;
    QLabel *nameLabel_ = nullptr;
    QLabel *ownerLabel_ = nullptr;
    QLineEdit *editStadtname_ = nullptr;
    QComboBox *comboStadtfarbe_ = nullptr;
    QCheckBox *cbBaustop_ = nullptr;
    QPushButton *btWarenlager_ = nullptr;

    // The city shown, for the owner change that applies at once.
    QPointer<RumoSzen> doc_;
    CityRecord city_;
    // Set while Fill copies the record into the controls, whose change
    // signals must not count as edits.
    bool filling_ = false;
    // What the controls showed when filled or last committed, the base
    // against which Commit tells the user's changes.
    ShownValues shown_;
};
