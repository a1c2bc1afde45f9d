#include "core/common/ansitext.h"

#include <array>
#include <cstring>
#include <optional>

namespace ansi {
namespace {

// Code points of the bytes 0x80..0x9F; the undefined ones keep their value.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte of a character, nothing when Windows-1252 cannot hold it.
std::optional<char> byteOf(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (int i = 0; i < int(kHigh.size()); ++i) {
        if (kHigh[i] == c)
            return char(0x80 + i);
    }
    return std::nullopt;
}

char toByte(char16_t c)
{
    return byteOf(c).value_or('?');
}

// Calls `use` with each character of the text: a surrogate pair is one
// character, a lone surrogate one that no encoding holds.
template <typename Use> void forEachCharacter(QStringView text, Use use)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        use(c);
    }
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

bool canEncode(char32_t c)
{
    return byteOf(c).has_value();
}

bool canEncode(QStringView text)
{
    bool all = true;
    forEachCharacter(text, [&all](char32_t c) { all = all && canEncode(c); });
    return all;
}

QString encodable(QStringView text, QStringList *replaced)
{
    QString out;
    out.reserve(text.size());
    forEachCharacter(text, [&](char32_t c) {
        if (canEncode(c)) {
            out.append(QChar(char16_t(c)));
            return;
        }
        const QString character = QString::fromUcs4(&c, 1);
        if (replaced && !replaced->contains(character))
            replaced->append(character);
        // A letter with an accent decomposes into its base letter and the
        // accent; the base letter alone is the nearest the game can show.
        const QString parts = character.normalized(QString::NormalizationForm_D);
        const QChar base = parts.isEmpty() ? QChar() : parts.front();
        out.append(parts.size() > 1 && base.isLetter() && canEncode(base.unicode())
                       ? base
                       : QLatin1Char('?'));
    });
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
    // The text the field holds already: nothing is written, so that bytes
    // after its zero stay as read (typing that comes back to where it began
    // changes no byte).
    if (bytes.size() < fieldSize && field[bytes.size()] == 0 &&
        std::memcmp(field, bytes.constData(), size_t(bytes.size())) == 0 &&
        !std::memchr(field, 0, size_t(bytes.size())))
        return;
    std::memset(field, 0, size_t(fieldSize));
    std::memcpy(field, bytes.constData(), size_t(qMin<qsizetype>(bytes.size(), fieldSize)));
}

} // namespace ansi
