#include "common/numbers.h"

std::optional<qint64> ParseWholeNumber(const QString &text)
{
    QString t = text.trimmed();
    bool negative = false;
    if (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) {
        negative = t.startsWith(QLatin1Char('-'));
        t.remove(0, 1);
    }
    int base = 10;
    if (t.startsWith(QLatin1Char('$'))) {
        base = 16;
        t.remove(0, 1);
    } else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        t.remove(0, 2);
    }
    // toLongLong would accept a second sign or inner blanks in some forms;
    // only digits of the base may remain.
    if (t.isEmpty() || t.front().isSpace() || t.front() == QLatin1Char('+') ||
        t.front() == QLatin1Char('-'))
        return std::nullopt;
    bool ok = false;
    const qint64 value = t.toLongLong(&ok, base);
    if (!ok)
        return std::nullopt;
    return negative ? -value : value;
}

qint32 DecimalOr(const QString &text, qint32 fallback)
{
    bool ok = false;
    const qint32 value = text.toInt(&ok, 10);
    return ok ? value : fallback;
}

quint32 UnsignedDecimalOr(const QString &text, quint32 fallback)
{
    bool ok = false;
    const quint32 value = text.toUInt(&ok, 10);
    return ok ? value : fallback;
}
