#include "core/players/missionrecord.h"

#include "core/common/codetable.h"

#include <algorithm>
#include <cstring>

bool MissionRecord::hasText() const
{
    const uchar *text = field(Layout::Text, TextChars + 1);
    const uchar *zero = static_cast<const uchar *>(std::memchr(text, 0, TextChars + 1));
    const uchar *end = zero ? zero : text + TextChars + 1;
    // Blanks and control characters do not make a text.
    return std::any_of(text, end, [](uchar c) { return c > ' '; });
}

int MissionArea::usedCount() const
{
    int count = 0;
    while (count < MissionRecord::Count && mission(count).hasText())
        ++count;
    return count;
}

QList<int> MissionArea::unsavedTexts() const
{
    QList<int> lost;
    for (int m = usedCount() + 1; m < MissionRecord::Count; ++m) {
        if (mission(m).hasText())
            lost << m;
    }
    return lost;
}

namespace MonopolyGoods {
namespace {
constexpr CodeTable<Count> kItems("MonopolyGoods",
                                  {{{QT_TRANSLATE_NOOP("MonopolyGoods", "Eisenerz"), 2},
                                    {QT_TRANSLATE_NOOP("MonopolyGoods", "Gold"), 3},
                                    {QT_TRANSLATE_NOOP("MonopolyGoods", "Kakao"), 51},
                                    {QT_TRANSLATE_NOOP("MonopolyGoods", "Baumwolle"), 49},
                                    {QT_TRANSLATE_NOOP("MonopolyGoods", "Gewürze"), 47},
                                    {QT_TRANSLATE_NOOP("MonopolyGoods", "Tabak"), 46},
                                    {QT_TRANSLATE_NOOP("MonopolyGoods", "Wein"), 50},
                                    {QT_TRANSLATE_NOOP("MonopolyGoods", "Zuckerrohr"), 48}}});
} // namespace

QString Name(int item)
{
    return kItems.name(item);
}
quint8 Code(int item)
{
    return kItems.code(item);
}
std::optional<int> ItemOf(quint8 code)
{
    return kItems.itemOf(code);
}

} // namespace MonopolyGoods
