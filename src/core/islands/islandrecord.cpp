#include "core/islands/islandrecord.h"

#include <cstring>

void IslandRecord::convertOld(const uchar *old, uchar *out)
{
    using L = Layout;
    using O = OldLayout;
    std::memset(out, 0, Size);
    auto copy = [&](int from, int to, int width) {
        std::memcpy(out + to, old + from, size_t(width));
    };
    copy(L::Number, L::Number, 3); // number, width, height
    // Only the low three flag bits exist in the old layout.
    out[L::Flags] = old[O::Flags] & 0x07;
    copy(L::X, L::X, 8);                    // x, y and two carried words
    copy(L::CityOwners, L::CityOwners, 11); // city owners and the three bytes after them
    copy(23, 26, 1);
    copy(24, 27, 1);
    copy(26, 28, 16);                 // two 8-byte entries
    copy(O::Entries, L::Entries, 16); // two 8-byte entries
    copy(60, 92, 4);
    copy(O::TemplateNumber, L::TemplateNumber, 2);
    copy(O::SizeClass, L::SizeClass, 2);
    copy(O::Climate, L::Climate, 1);
    copy(O::OwnGround, L::OwnGround, 1);
    copy(70, 102, 2);
    copy(72, 104, 8);
    int used = 0;
    for (int entry = 0; entry < 2; ++entry) {
        if (le::u16(out, Size, L::Entries + 8 * entry + 6) != 0)
            ++used;
    }
    out[L::UsedEntries] = uchar(used);
}
