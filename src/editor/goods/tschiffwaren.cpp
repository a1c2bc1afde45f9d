#include "editor/goods/tschiffwaren.h"
#include "editor/goods/goodsdialogframe.h"

#include "core/document/rumoszen.h"
#include "core/goods/goodstable.h"
#include "core/goods/shiptypetable.h"
#include "editor/goods/twarenauswahl.h"
#include "editor/widgets/amountfield.h"
#include "editor/widgets/listimage.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int Columns = 4;
constexpr quint32 TonUnits = 32;

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

TSchiffWaren::TSchiffWaren(TWarenAuswahl *picker, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      picker_(picker)
{
    setObjectName(QStringLiteral("TSchiffWaren"));
    setModal(true);

    imSchiff_ = new ListImage(ListImage::List::Wappen, this);
    imSchiff_->setObjectName(QStringLiteral("imSchiff"));
    lbSchiff_ = new QLabel(this);
    lbSchiff_->setObjectName(QStringLiteral("lbSchiff"));
    QFont large = lbSchiff_->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.3);
    lbSchiff_->setFont(large);
    auto *header = new QHBoxLayout;
    header->setSpacing(8);
    header->addWidget(imSchiff_);
    header->addWidget(lbSchiff_, 1);

    // Slots 1..4 in the first row, 5..8 in the second; hidden slots keep
    // their place, so the dialog has one size for every vehicle.
    auto *grid = new QGridLayout;
    grid->setSpacing(6);
    for (int slot = 0; slot < Slots; ++slot) {
        auto *group = new QGroupBox(QString::number(slot + 1), this);
        group->setObjectName(QStringLiteral("gbWare") + twoDigits(slot));
        QSizePolicy keepPlace = group->sizePolicy();
        keepPlace.setRetainSizeWhenHidden(true);
        group->setSizePolicy(keepPlace);
        auto *picture = new ListImage(ListImage::List::Waren, group);
        picture->setObjectName(QStringLiteral("imWare") + twoDigits(slot));
        picture->setClickable(true);
        connect(picture, &ListImage::clicked, this, [this, slot] { imWareClick(slot); });
        auto *amount = new AmountField(QStringLiteral("edWare") + twoDigits(slot), MaxTons, group);
        auto *inside = new QHBoxLayout(group);
        inside->setContentsMargins(6, 2, 6, 6);
        inside->setSpacing(6);
        inside->addWidget(picture);
        inside->addWidget(amount, 0, Qt::AlignVCenter);
        grid->addWidget(group, slot / Columns, slot % Columns);
        groups_[size_t(slot)] = group;
        pictures_[size_t(slot)] = picture;
        amounts_[size_t(slot)] = amount;
        showGoods(slot, GoodsTable::Empty);
    }

    const GoodsDialogButtons buttons = layOutGoodsDialog(this, header, grid);
    btOk_ = buttons.ok;
    btLeeren_ = buttons.empty;
    btCancel_ = buttons.cancel;
    connect(btLeeren_, &QPushButton::clicked, this, &TSchiffWaren::btLeerenClick);
    retranslateUi();
}

void TSchiffWaren::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void TSchiffWaren::retranslateUi()
{
    setWindowTitle(tr("Schiffsladung"));
    retranslateGoodsDialog({btOk_, btLeeren_, btCancel_});
}

bool TSchiffWaren::execute(RumoSzen *doc, ShipRecord ship)
{
    if (!doc || !ship)
        return false;
    lbSchiff_->setText(ship.name());
    const auto colour = doc->players().colourOf(ship.owner());
    imSchiff_->setIndex(colour ? ListImage::wappenOfColour(*colour) : -1);

    // A vehicle of no known type shows what all eight slots hold, locked,
    // so that no earlier vehicle's cargo stays on screen.
    const auto type = ShipTypeTable::indexOfFigure(ship.figure());
    used_ = type ? ShipTypeTable::Row(*type).cargoSlots : 0;
    const int shownSlots = type ? used_ : Slots;
    for (int slot = 0; slot < Slots; ++slot) {
        groups_[size_t(slot)]->setVisible(slot < shownSlots);
        groups_[size_t(slot)]->setEnabled(bool(type));
        picked_[size_t(slot)] = false;
        if (slot < shownSlots) {
            const CargoSlot cargo = ship.cargo(slot);
            shownTons_[size_t(slot)] = cargo.amount() / TonUnits;
            amounts_[size_t(slot)]->setTons(shownTons_[size_t(slot)]);
            showGoods(slot, GoodsTable::indexOfIdentifier(cargo.goods()));
        }
    }
    emptied_ = false;
    btLeeren_->setEnabled(bool(type));
    btOk_->setFocus();

    if (exec() != QDialog::Accepted)
        return false;
    // A slot's amount is stored only when its number differs from the one
    // shown or it was emptied, so fractions of a ton stay where the user
    // changed nothing; its goods only when a kind was picked or the slot was
    // emptied, so an identifier of no known goods stays too. The flag bits
    // stay always.
    bool changed = false;
    for (int slot = 0; slot < used_; ++slot) {
        CargoSlot cargo = ship.cargo(slot);
        const quint16 word = cargo.amountWord();
        const quint16 goods = cargo.goods();
        const quint32 tons = amounts_[size_t(slot)]->tons();
        if (tons != shownTons_[size_t(slot)] || (emptied_ && tons == 0))
            cargo.setAmount(quint16(tons * TonUnits));
        if (picked_[size_t(slot)])
            cargo.setGoods(GoodsTable::Identifier(pictures_[size_t(slot)]->index()));
        changed = changed || cargo.amountWord() != word || cargo.goods() != goods;
    }
    return changed;
}

void TSchiffWaren::imWareClick(int slot)
{
    if (picker_ && picker_->exec() == QDialog::Accepted) {
        showGoods(slot, picker_->picked());
        picked_[size_t(slot)] = true;
    }
}

void TSchiffWaren::btLeerenClick()
{
    for (int slot = 0; slot < Slots; ++slot) {
        if (groups_[size_t(slot)]->isVisibleTo(this)) {
            showGoods(slot, GoodsTable::Empty);
            amounts_[size_t(slot)]->setTons(0);
            picked_[size_t(slot)] = true;
        }
    }
    emptied_ = true;
}

// The picture is the slot's record of its kind of goods until OK.
void TSchiffWaren::showGoods(int slot, int index)
{
    pictures_[size_t(slot)]->setIndex(index);
}
