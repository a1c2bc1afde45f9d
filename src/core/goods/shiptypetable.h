#pragma once

#include <QString>
#include <optional>

// The seven types of ships and carts, in the order of the type list.
struct ShipType {
    QString name;
    quint16 figure;
    quint8 kind;
    quint16 fullEnergy;
    int cargoSlots;
};

namespace ShipTypeTable {
constexpr int Count = 7;
// The row with its name in the user's language.
ShipType Row(int index);
// The first row with this figure code; nothing for an unknown figure.
std::optional<int> indexOfFigure(quint16 figure);
} // namespace ShipTypeTable
