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
constexpr CodeTable<Count> kItems({{{u"Eisenerz", 2},
                                    {u"Gold", 3},
                                    {u"Kakao", 51},
                                    {u"Baumwolle", 49},
                                    {u"Gewürze", 47},
                                    {u"Tabak", 46},
                                    {u"Wein", 50},
                                    {u"Zuckerrohr", 48}}});
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
