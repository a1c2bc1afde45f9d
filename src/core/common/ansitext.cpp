#include "core/common/ansitext.h"

#include <array>
#include <cstring>

namespace ansi {
namespace {

// Code points of the bytes 0x80..0x9F; the undefined ones keep their value.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char toByte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (int i = 0; i < int(kHigh.size()); ++i) {
        if (kHigh[i] == c)
            return char(0x80 + i);
    }
    return '?';
}

} // namespace

QString toUnicode(QByteArrayView bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char b : bytes) {
        const auto u = uchar(b);
        out.append(QChar(u >= 0x80 && u < 0xA0 ? kHigh[u - 0x80] : char16_t(u)));
    }
    return out;
}

QByteArray fromUnicode(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text)
        out.append(toByte(c.unicode()));
    return out;
}

QString readField(const uchar *field, int fieldSize)
{
    const void *zero = std::memchr(field, 0, size_t(fieldSize));
    const int len = zero ? int(static_cast<const uchar *>(zero) - field) : fieldSize;
    return toUnicode(QByteArrayView(field, len));
}

void writeField(uchar *field, int fieldSize, int maxChars, const QString &text)
{
    const QByteArray bytes = fromUnicode(text.left(maxChars));
    std::memset(field, 0, size_t(fieldSize));
    std::memcpy(field, bytes.constData(), size_t(qMin<qsizetype>(bytes.size(), fieldSize)));
}

} // namespace ansi
