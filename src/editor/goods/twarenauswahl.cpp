#include "editor/goods/twarenauswahl.h"

#include "core/common/messages.h"
#include "core/goods/goodstable.h"
#include "editor/widgets/listimage.h"

#include <QEvent>
#include <array>

namespace {

constexpr QSize ClientSize(512, 356);

// Left block: the 23 goods row by row, four to a row, and "empty" last in
// the sixth row. Right block: the further cargo kinds column by column.
constexpr std::array<int, 4> LeftColumns = {16, 74, 132, 190};
constexpr std::array<int, 4> RightColumns = {272, 330, 388, 446};
constexpr std::array<int, 6> Rows = {16, 72, 128, 184, 240, 296};
constexpr int FirstFurther = GoodsTable::LastGoods + 1;

QPoint positionOf(int index)
{
    if (index == GoodsTable::Empty)
        return {LeftColumns[3], Rows[5]};
    if (index <= GoodsTable::LastGoods) {
        const int n = index - GoodsTable::FirstGoods;
        return {LeftColumns[size_t(n % 4)], Rows[size_t(n / 4)]};
    }
    const int n = index - FirstFurther;
    return {RightColumns[size_t(n / 4)], Rows[size_t(n % 4)]};
}

// Every picture is named: the goods by the stock dialog's names, the further
// cargo kinds, which have no name, by their identifier.
QString goodsName(int index)
{
    if (index == GoodsTable::Empty)
        return msg::noGoods();
    if (index <= GoodsTable::LastGoods)
        return GoodsTable::stockName(index);
    return msg::furtherCargo(GoodsTable::Identifier(index));
}

} // namespace

TWarenAuswahl::TWarenAuswahl(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TWarenAuswahl"));
    setModal(true);
    setFixedSize(ClientSize);

    for (int index = GoodsTable::First; index <= GoodsTable::Last; ++index) {
        auto *picture = new ListImage(ListImage::List::Waren, this);
        picture->setObjectName(QStringLiteral("imAuswahl%1").arg(index, 2, 10, QLatin1Char('0')));
        picture->setIndex(index);
        picture->setClickable(true);
        picture->move(positionOf(index));
        connect(picture, &ListImage::clicked, this, [this, index] {
            picked_ = index;
            accept();
        });
        pictures_.append(picture);
    }
    retranslateUi();
}

void TWarenAuswahl::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void TWarenAuswahl::retranslateUi()
{
    setWindowTitle(tr("Warenauswahl"));
    for (ListImage *picture : pictures_)
        picture->setToolTip(goodsName(picture->index()));
}
