#pragma once

#include "core/goods/shiprecord.h"

#include <QDialog>
#include <array>

class AmountField;
class ListImage;
class QGroupBox;
class QLabel;
class QPushButton;
class RumoSzen;
class TWarenAuswahl;

// "Schiffsladung": the cargo slots of a ship or cart, each with its kind of
// goods and its amount in whole tons. The vehicle's type decides how many
// slots it uses; the others are hidden. Clicking a slot's picture opens the
// goods picker. Modal and reused; OK writes the changes to the used slots,
// "Abbruch" nothing.
class TSchiffWaren : public QDialog {
    Q_OBJECT

public:
    // The amount bits of a cargo slot hold 511 tons at most.
    static constexpr quint32 MaxTons = CargoSlot::MaxAmount / 32;

    TSchiffWaren(TWarenAuswahl *picker, QWidget *parent = nullptr);

    // Shows the cargo of `ship` and, on OK, stores what the user changed in
    // the used slots. True when that changed the vehicle (the caller then
    // marks the document). Without a document or vehicle nothing is shown. A
    // figure of no known type shows all eight slots locked and stores
    // nothing. Never marks the document itself.
    bool execute(RumoSzen *doc, ShipRecord ship);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();
    void imWareClick(int slot);
    void btLeerenClick();
    void showGoods(int slot, int index);

    static constexpr int Slots = ShipRecord::CargoSlots;
    TWarenAuswahl *picker_;
    ListImage *imSchiff_ = nullptr;
    QLabel *lbSchiff_ = nullptr;
    std::array<QGroupBox *, Slots> groups_{};
    std::array<ListImage *, Slots> pictures_{};
    std::array<AmountField *, Slots> amounts_{};
    QPushButton *btOk_ = nullptr;
    QPushButton *btLeeren_ = nullptr;
    QPushButton *btCancel_ = nullptr;
    // The slots the shown vehicle's type uses.
    int used_ = 0;
    // The tons each slot showed when the dialog opened.
    std::array<quint32, Slots> shownTons_{};
    // A kind of goods was picked for the slot, or it was emptied.
    std::array<bool, Slots> picked_{};
    // "Alles leeren" was clicked since: slots at 0 tons are stored even
    // where they showed 0, so fractions below a ton go too.
    bool emptied_ = false;
};
