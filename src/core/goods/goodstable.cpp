#include "core/goods/goodstable.h"

#include <array>

namespace GoodsTable {
namespace {

struct Goods {
    const char16_t *stockName;
    const char16_t *listName;
    quint16 identifier;
};

// Indexes 1..24; 25..40 follow as identifiers 9901..9916.
constexpr std::array<Goods, LastGoods> kGoods = {{
    {u"", u"", 0},
    {u"Erz", u"Eisenerz", 2401},
    {u"Gold", u"Gold", 2405},
    {u"Wolle", u"Wolle", 1505},
    {u"Zuckerrohr", u"Zuckerrohr", 1511},
    {u"Tabak", u"Tabak", 1507},
    {u"Rinder", u"Rinder", 1513},
    {u"Korn", u"Korn", 1503},
    {u"Mehl", u"Mehl", 501},
    {u"Eisen", u"Eisen", 521},
    {u"Schwerter", u"Schwerter", 517},
    {u"Musketen", u"Musketen", 529},
    {u"Kanonen", u"Kanonen", 527},
    {u"Nahrung", u"Nahrung", 1075},
    {u"Tabakwaren", u"Tabakwaren", 525},
    {u"Gewürze", u"Gewürze", 1501},
    {u"Kakao", u"Kakao", 1509},
    {u"Alkohol", u"Alkohol", 519},
    {u"Stoffe", u"Stoffe", 507},
    {u"Kleidung", u"Kleidung", 505},
    {u"Schmuck", u"Schmuck", 533},
    {u"Werkzeug", u"Werkzeug", 515},
    {u"Holz", u"Holz", 2001},
    {u"Ziegel", u"Steine", 513},
}};

constexpr quint16 kFirstFurtherIdentifier = 9901;

} // namespace

QString StockName(int index)
{
    return index >= FirstGoods && index <= LastGoods
               ? QString::fromUtf16(kGoods[size_t(index - 1)].stockName)
               : QString();
}

QString ListName(int index)
{
    return index >= FirstGoods && index <= LastGoods
               ? QString::fromUtf16(kGoods[size_t(index - 1)].listName)
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

int IndexOfIdentifier(quint16 identifier)
{
    for (int index = First; index <= Last; ++index) {
        if (Identifier(index) == identifier)
            return index;
    }
    return Empty;
}

} // namespace GoodsTable
