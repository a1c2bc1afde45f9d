#include "core/goods/shiptypetable.h"

#include <array>

namespace ShipTypeTable {

const ShipType &Row(int index)
{
    static const std::array<ShipType, Count> rows = {{
        {QStringLiteral("Kl. Handelsschiff"), 21, 1, 1600, 4},
        {QStringLiteral("Gr. Handelsschiff"), 23, 1, 2560, 6},
        {QStringLiteral("Kl. Kriegsschiff"), 25, 1, 2080, 3},
        {QStringLiteral("Gr. Kriegsschiff"), 27, 1, 3840, 8},
        {QStringLiteral("Händlerschiff"), 29, 2, 3040, 7},
        {QStringLiteral("Piratenschiff"), 31, 3, 3040, 5},
        {QStringLiteral("Karren"), 37, 5, 448, 3},
    }};
    return rows[size_t(index)];
}

std::optional<int> IndexOfFigure(quint16 figure)
{
    for (int i = 0; i < Count; ++i) {
        if (Row(i).figure == figure)
            return i;
    }
    return std::nullopt;
}

} // namespace ShipTypeTable
