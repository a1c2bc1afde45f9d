#include "core/common/numbers.h"

#include <algorithm>

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

quint32 ClampedDecimal(const QString &text, quint32 max)
{
    QStringView digits = QStringView(text).trimmed();
    if (!digits.isEmpty() && digits.front() == u'+')
        digits = digits.mid(1);
    const bool number = !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) {
        return c >= u'0' && c <= u'9';
    });
    if (!number)
        return 0;
    // Leading zeros aside, more than ten digits is beyond every limit.
    while (digits.size() > 1 && digits.front() == u'0')
        digits = digits.mid(1);
    if (digits.size() > 10)
        return max;
    return quint32(std::min<qulonglong>(digits.toULongLong(), max));
}
