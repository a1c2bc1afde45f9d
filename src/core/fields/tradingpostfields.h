#pragma once

#include "core/fields/field.h"
#include "core/islands/tradingpostrecord.h"

namespace RecordFields {

// A trading post of "KONTOR2". Of its stock slots only the amount is shown,
// one row a goods under the goods' name ("stock.Erz" in the dump).
const Table<TradingPostRecord> &tradingPost();

} // namespace RecordFields
