#pragma once

// Numbers typed into the editor's edits.

#include <QString>
#include <optional>

// A whole number as the settings page reads it: leading and trailing blanks
// and a sign allowed, a leading "$" or "0x" marks hexadecimal. Nothing when
// the text is no whole number or does not fit in 64 bits.
std::optional<qint64> ParseWholeNumber(const QString &text);

// A decimal number as the pages read it: the text converted to a signed
// 32-bit integer, or `fallback` when it is not a whole decimal number in
// that range.
qint32 DecimalOr(const QString &text, qint32 fallback = 0);

// The same over the unsigned 32-bit range.
quint32 UnsignedDecimalOr(const QString &text, quint32 fallback = 0);

// A count typed into a field that cannot hold every number: a decimal number
// of 0 or more, clamped to `max` (never its low bits, so 256 guns do not become
// none). Negative numbers and text that is no number give 0.
quint32 ClampedDecimal(const QString &text, quint32 max);
