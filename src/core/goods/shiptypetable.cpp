#include "core/goods/shiptypetable.h"

#include <QCoreApplication>
#include <array>

namespace ShipTypeTable {
namespace {

// The names as written here are the keys of their translations.
const std::array<ShipType, Count> &rows()
{
    static const std::array<ShipType, Count> table = {{
        {QStringLiteral(QT_TRANSLATE_NOOP("ShipTypeTable", "Kl. Handelsschiff")), 21, 1, 1600, 4},
        {QStringLiteral(QT_TRANSLATE_NOOP("ShipTypeTable", "Gr. Handelsschiff")), 23, 1, 2560, 6},
        {QStringLiteral(QT_TRANSLATE_NOOP("ShipTypeTable", "Kl. Kriegsschiff")), 25, 1, 2080, 3},
        {QStringLiteral(QT_TRANSLATE_NOOP("ShipTypeTable", "Gr. Kriegsschiff")), 27, 1, 3840, 8},
        {QStringLiteral(QT_TRANSLATE_NOOP("ShipTypeTable", "Händlerschiff")), 29, 2, 3040, 7},
        {QStringLiteral(QT_TRANSLATE_NOOP("ShipTypeTable", "Piratenschiff")), 31, 3, 3040, 5},
        {QStringLiteral(QT_TRANSLATE_NOOP("ShipTypeTable", "Karren")), 37, 5, 448, 3},
    }};
    return table;
}

} // namespace

ShipType Row(int index)
{
    ShipType row = rows()[size_t(index)];
    row.name = QCoreApplication::translate("ShipTypeTable", row.name.toUtf8().constData());
    return row;
}

std::optional<int> indexOfFigure(quint16 figure)
{
    for (int i = 0; i < Count; ++i) {
        if (rows()[size_t(i)].figure == figure)
            return i;
    }
    return std::nullopt;
}

} // namespace ShipTypeTable
