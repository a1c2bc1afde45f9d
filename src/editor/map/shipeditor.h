#pragma once

#include "core/goods/shiprecord.h"
#include "editor/widgets/shownvalues.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class RumoSzen;

// The group "Ausgewähltes Schiff" below the map: name, owner colour, type,
// guns and energy of the ship or cart selected in the object tree, with a
// picture of its type. Name, guns and energy stay in the controls until
// Commit; owner and type reach the record as soon as they are chosen.
class ShipEditor : public QWidget {
    Q_OBJECT

public:
    explicit ShipEditor(QWidget *parent = nullptr);

    // Shows the vehicle and enables the group; a null record or no document
    // empties and disables it and hides the picture. Never counts as a change
    // of the document.
    void fill(RumoSzen *doc, ShipRecord ship);
    // Writes the controls into the vehicle, each field only when the user
    // changed what its control showed, so a vehicle selected and left keeps
    // every byte (energies that are no whole per cent included). Nothing at
    // all unless `ship` is the vehicle shown, nor while the name is empty.
    // Without a type the figure, kind and energy stay; an owner colour that
    // no player holds leaves the owner. A non-empty `nodeText` (the selected
    // tree node's text, which follows the name edit) is the name to store.
    void commit(RumoSzen *doc, ShipRecord ship, const QString &nodeText);
    // The vehicle shown; null while the editor is empty.
    ShipRecord ship() const { return ship_; }

    // The energy stored for `percent` of `fullEnergy`: the least energy that
    // shows as that per cent again, so a chosen position survives a
    // store and a fill.
    static quint16 EnergyOfPercent(int percent, quint16 fullEnergy);
    static int percentOfEnergy(quint16 energy, quint16 fullEnergy);

signals:
    // A value of a control changed.
    void controlChanged();
    // The name was edited; the tree node follows the text at once.
    void nameEdited(const QString &text);
    // A new owner was stored; map and tree show owners' colours.
    void ownerChanged();
    // "Ladung..." was clicked: the cargo of the vehicle.
    void cargoRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    // Captions and the names of colours and types in the language now
    // installed; the chosen items stay, and nothing counts as an edit.
    void retranslateUi();
    QWidget *makeGunsField();
    QWidget *makeEnergyField();
    void comboSchifffarbeChange();
    void comboSchifftypChange();
    // The owner slot for the chosen colour item; nothing when no player holds
    // that colour or no colour is chosen.
    std::optional<int> chosenOwner(RumoSzen &doc) const;
    void showPicture(bool withVehicle);
    void enableGroup(bool enabled);

    QGroupBox *gbSchiff_ = nullptr;
    QLineEdit *editSchiffname_ = nullptr;
    QComboBox *comboSchifffarbe_ = nullptr;
    QComboBox *comboSchifftyp_ = nullptr;
    QLineEdit *editSchiffkanonen_ = nullptr;
    QSlider *tbEnergie_ = nullptr;
    QLabel *imSchiff_ = nullptr;
    QPushButton *btCargo_ = nullptr;
    QLabel *nameLabel_ = nullptr;
    QLabel *typeLabel_ = nullptr;
    QLabel *ownerLabel_ = nullptr;
    QLabel *gunsLabel_ = nullptr;
    QLabel *energyLabel_ = nullptr;

    // The vehicle shown, for owner and type changes that apply at once.
    QPointer<RumoSzen> doc_;
    ShipRecord ship_;
    // Set while Fill copies the record into the controls, whose change
    // signals must not count as edits.
    bool filling_ = false;
    // What the controls showed when filled or last committed, the base
    // against which Commit tells the user's changes.
    ShownValues shown_;
};
