#include "editor/goods/twareform.h"
#include "editor/goods/goodsdialogframe.h"

#include "core/common/messages.h"
#include "core/document/rumoszen.h"
#include "core/goods/goodstable.h"
#include "editor/widgets/amountfield.h"
#include "editor/widgets/listimage.h"
#include "editor/widgets/prompts.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int Columns = 6;
constexpr quint32 TonUnits = 32;

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

TWareForm::TWareForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TWareForm"));
    setModal(true);

    picOwner_ = new ListImage(ListImage::List::Wappen, this);
    picOwner_->setObjectName(QStringLiteral("picOwner"));
    lbOwner_ = new QLabel(this);
    lbOwner_->setObjectName(QStringLiteral("lbOwner"));
    QFont large = lbOwner_->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.3);
    lbOwner_->setFont(large);
    auto *header = new QHBoxLayout;
    header->setSpacing(8);
    header->addWidget(picOwner_);
    header->addWidget(lbOwner_, 1);

    // One group per goods index 2..24, row by row in index order: its
    // picture beside the amount.
    auto *grid = new QGridLayout;
    grid->setSpacing(6);
    for (int row = 0; row < Rows; ++row) {
        const int index = GoodsTable::FirstGoods + row;
        auto *group = groups_[size_t(row)] = new QGroupBox(this);
        group->setObjectName(QStringLiteral("gbWare") + twoDigits(index));
        auto *picture = new ListImage(ListImage::List::Waren, group);
        picture->setObjectName(QStringLiteral("imWare") + twoDigits(index));
        picture->setIndex(index);
        rows_[size_t(row)] =
            new AmountField(QStringLiteral("edWare") + twoDigits(index), MaxTons, group);
        auto *inside = new QHBoxLayout(group);
        inside->setContentsMargins(6, 2, 6, 6);
        inside->setSpacing(6);
        inside->addWidget(picture);
        inside->addWidget(rows_[size_t(row)], 0, Qt::AlignVCenter);
        grid->addWidget(group, row / Columns, row % Columns);
    }

    const GoodsDialogButtons buttons = layOutGoodsDialog(this, header, grid);
    btOk_ = buttons.ok;
    btLeeren_ = buttons.empty;
    btCancel_ = buttons.cancel;
    connect(btLeeren_, &QPushButton::clicked, this, &TWareForm::btLeerenClick);
    retranslateUi();
}

void TWareForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void TWareForm::retranslateUi()
{
    setWindowTitle(tr("Warenlager"));
    for (int row = 0; row < Rows; ++row)
        groups_[size_t(row)]->setTitle(GoodsTable::stockName(GoodsTable::FirstGoods + row));
    retranslateGoodsDialog({btOk_, btLeeren_, btCancel_});
}

bool TWareForm::execute(RumoSzen *doc, CityRecord city)
{
    if (!doc || !city)
        return false;
    const TradingPostRecord post = doc->tradingPostOf(city);
    // Rows without a trading post behind them would show another city's
    // numbers, or invite edits that go nowhere.
    if (!post) {
        Prompts::current().message(parentWidget(), msg::cityWithoutTradingPost(city.name()));
        return false;
    }
    refresh(doc, city);
    for (int row = 0; row < Rows; ++row) {
        shown_[size_t(row)] = post.slot(GoodsTable::FirstGoods + row).amount() / TonUnits;
        rows_[size_t(row)]->setTons(shown_[size_t(row)]);
    }
    emptied_ = false;
    btOk_->setFocus();

    if (exec() != QDialog::Accepted)
        return false;
    // A row is stored only when its number differs from the one shown, or it
    // was emptied: a stock with fractions of a ton, shown as whole tons,
    // keeps them unless the user changed the row.
    bool changed = false;
    for (int row = 0; row < Rows; ++row) {
        const quint32 tons = rows_[size_t(row)]->tons();
        if (tons == shown_[size_t(row)] && !(emptied_ && tons == 0))
            continue;
        StockSlot slot = post.slot(GoodsTable::FirstGoods + row);
        if (slot.amount() != tons * TonUnits) {
            slot.setAmount(tons * TonUnits);
            changed = true;
        }
    }
    return changed;
}

void TWareForm::refresh(RumoSzen *doc, CityRecord city)
{
    if (!doc || !city) {
        picOwner_->setIndex(-1);
        lbOwner_->clear();
        return;
    }
    lbOwner_->setText(city.name());
    const auto colour = doc->players().colourOf(city.owner());
    picOwner_->setIndex(colour ? ListImage::wappenOfColour(*colour) : -1);
}

void TWareForm::btLeerenClick()
{
    for (AmountField *row : rows_)
        row->setTons(0);
    emptied_ = true;
}
