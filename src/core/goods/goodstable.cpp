#include "core/goods/goodstable.h"

#include <QCoreApplication>
#include <array>

namespace GoodsTable {
namespace {

struct Goods {
    // UTF-8, as written in the sources; translated where they are shown.
    const char *stockName;
    const char *listName;
    quint16 identifier;
};

// Indexes 1..24; 25..40 follow as identifiers 9901..9916.
constexpr std::array<Goods, LastGoods> kGoods = {{
    {"", "", 0},
    {QT_TRANSLATE_NOOP("GoodsTable", "Erz"), QT_TRANSLATE_NOOP("GoodsTable", "Eisenerz"), 2401},
    {QT_TRANSLATE_NOOP("GoodsTable", "Gold"), QT_TRANSLATE_NOOP("GoodsTable", "Gold"), 2405},
    {QT_TRANSLATE_NOOP("GoodsTable", "Wolle"), QT_TRANSLATE_NOOP("GoodsTable", "Wolle"), 1505},
    {QT_TRANSLATE_NOOP("GoodsTable", "Zuckerrohr"), QT_TRANSLATE_NOOP("GoodsTable", "Zuckerrohr"),
     1511},
    {QT_TRANSLATE_NOOP("GoodsTable", "Tabak"), QT_TRANSLATE_NOOP("GoodsTable", "Tabak"), 1507},
    {QT_TRANSLATE_NOOP("GoodsTable", "Rinder"), QT_TRANSLATE_NOOP("GoodsTable", "Rinder"), 1513},
    {QT_TRANSLATE_NOOP("GoodsTable", "Korn"), QT_TRANSLATE_NOOP("GoodsTable", "Korn"), 1503},
    {QT_TRANSLATE_NOOP("GoodsTable", "Mehl"), QT_TRANSLATE_NOOP("GoodsTable", "Mehl"), 501},
    {QT_TRANSLATE_NOOP("GoodsTable", "Eisen"), QT_TRANSLATE_NOOP("GoodsTable", "Eisen"), 521},
    {QT_TRANSLATE_NOOP("GoodsTable", "Schwerter"), QT_TRANSLATE_NOOP("GoodsTable", "Schwerter"),
     517},
    {QT_TRANSLATE_NOOP("GoodsTable", "Musketen"), QT_TRANSLATE_NOOP("GoodsTable", "Musketen"), 529},
    {QT_TRANSLATE_NOOP("GoodsTable", "Kanonen"), QT_TRANSLATE_NOOP("GoodsTable", "Kanonen"), 527},
    {QT_TRANSLATE_NOOP("GoodsTable", "Nahrung"), QT_TRANSLATE_NOOP("GoodsTable", "Nahrung"), 1075},
    {QT_TRANSLATE_NOOP("GoodsTable", "Tabakwaren"), QT_TRANSLATE_NOOP("GoodsTable", "Tabakwaren"),
     525},
    {QT_TRANSLATE_NOOP("GoodsTable", "Gewürze"), QT_TRANSLATE_NOOP("GoodsTable", "Gewürze"), 1501},
    {QT_TRANSLATE_NOOP("GoodsTable", "Kakao"), QT_TRANSLATE_NOOP("GoodsTable", "Kakao"), 1509},
    {QT_TRANSLATE_NOOP("GoodsTable", "Alkohol"), QT_TRANSLATE_NOOP("GoodsTable", "Alkohol"), 519},
    {QT_TRANSLATE_NOOP("GoodsTable", "Stoffe"), QT_TRANSLATE_NOOP("GoodsTable", "Stoffe"), 507},
    {QT_TRANSLATE_NOOP("GoodsTable", "Kleidung"), QT_TRANSLATE_NOOP("GoodsTable", "Kleidung"), 505},
    {QT_TRANSLATE_NOOP("GoodsTable", "Schmuck"), QT_TRANSLATE_NOOP("GoodsTable", "Schmuck"), 533},
    {QT_TRANSLATE_NOOP("GoodsTable", "Werkzeug"), QT_TRANSLATE_NOOP("GoodsTable", "Werkzeug"), 515},
    {QT_TRANSLATE_NOOP("GoodsTable", "Holz"), QT_TRANSLATE_NOOP("GoodsTable", "Holz"), 2001},
    {QT_TRANSLATE_NOOP("GoodsTable", "Ziegel"), QT_TRANSLATE_NOOP("GoodsTable", "Steine"), 513},
}};

constexpr quint16 kFirstFurtherIdentifier = 9901;

} // namespace

const char *stockNameSource(int index)
{
    return index >= FirstGoods && index <= LastGoods ? kGoods[size_t(index - 1)].stockName : "";
}

QString stockName(int index)
{
    return index >= FirstGoods && index <= LastGoods
               ? QCoreApplication::translate(Context, kGoods[size_t(index - 1)].stockName)
               : QString();
}

QString listName(int index)
{
    return index >= FirstGoods && index <= LastGoods
               ? QCoreApplication::translate(Context, kGoods[size_t(index - 1)].listName)
               : QString();
}

quint16 Identifier(int index)
{
    if (index >= First && index <= LastGoods)
        return kGoods[size_t(index - 1)].identifier;
    if (index > LastGoods && index <= Last)
        return quint16(kFirstFurtherIdentifier + index - LastGoods - 1);
    return 0;
}

int indexOfIdentifier(quint16 identifier)
{
    for (int index = First; index <= Last; ++index) {
        if (Identifier(index) == identifier)
            return index;
    }
    return Empty;
}

} // namespace GoodsTable
