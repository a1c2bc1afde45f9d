#pragma once

#include "goods/shiprecord.h"

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
    void Fill(RumoSzen *doc, ShipRecord ship);
    // Writes the controls into the vehicle. Nothing at all without a vehicle
    // or while the name is empty. Without a type the figure, kind and energy
    // stay; an owner colour that no player holds leaves the owner. A
    // non-empty `nodeText` (the selected tree node's text) is stored as the
    // name last.
    void Commit(RumoSzen *doc, ShipRecord ship, const QString &nodeText);

signals:
    // A value of a control changed.
    void controlChanged();
    // The name was edited; the tree node follows the text at once.
    void nameEdited(const QString &text);
    // A new owner was stored; map and tree show owners' colours.
    void ownerChanged();
    // "Ladung..." was clicked: the cargo of the vehicle.
    void cargoRequested();

private:
    QWidget *makeGunsField();
    QWidget *makeEnergyField();
    void applyOwnerAndType();
    // The owner slot for the chosen colour item; nothing when no player holds
    // that colour or no colour is chosen.
    std::optional<int> chosenOwner(RumoSzen &doc) const;
    void showPicture(bool withVehicle);
    void EnableGroup(bool enabled);

    QGroupBox *gbSchiff_ = nullptr;
    QLineEdit *editSchiffname_ = nullptr;
    QComboBox *comboSchifffarbe_ = nullptr;
    QComboBox *comboSchifftyp_ = nullptr;
    QLineEdit *editSchiffkanonen_ = nullptr;
    QSlider *tbEnergie_ = nullptr;
    QLabel *imSchiff_ = nullptr;
    QPushButton *btCargo_ = nullptr;

    // The vehicle shown, for owner and type changes that apply at once.
    QPointer<RumoSzen> doc_;
    ShipRecord ship_;
    // Set while Fill copies the record into the controls, whose change
    // signals must not count as edits.
    bool filling_ = false;
};
