#pragma once

#include <QString>

// Goods are numbered by goods index 1..40: 1 is "empty", 2..24 are the 23
// goods (and the number of the trading post slot holding them), 25..40 are
// further cargo kinds. A ship's cargo slot stores the goods identifier.
namespace GoodsTable {
constexpr int First = 1;
constexpr int Last = 40;
constexpr int Empty = 1;
constexpr int FirstGoods = 2;
constexpr int LastGoods = 24;

// The translation context of the goods names.
inline constexpr char Context[] = "GoodsTable";
// Name in the stock dialog ("Erz" .. "Ziegel"), in the user's language;
// empty outside 2..24.
QString stockName(int index);
// The same name as written in the sources (German, UTF-8), the same in
// every language: the dump's keys of a stock are made of it.
const char *stockNameSource(int index);
// Name in the goods lists of the main window ("Eisenerz" .. "Steine").
QString listName(int index);
quint16 Identifier(int index);
// The first index whose identifier is `identifier`; 1 (empty) when none is.
int indexOfIdentifier(quint16 identifier);
} // namespace GoodsTable
