#include "core/islands/islandrecord.h"

#include <cstring>

void IslandRecord::ConvertOld(const uchar *old, uchar *out)
{
    std::memset(out, 0, Size);
    auto copy = [&](int from, int to, int width) {
        std::memcpy(out + to, old + from, size_t(width));
    };
    copy(0, 0, 3);          // number, width, height
    out[3] = old[3] & 0x07; // only the low three flag bits exist in the old layout
    copy(4, 4, 8);          // x, y and two carried words
    copy(12, 12, 11);       // city owners and the three bytes after them
    copy(23, 26, 1);
    copy(24, 27, 1);
    copy(26, 28, 16); // two 8-byte entries
    copy(42, 60, 16); // two 8-byte entries
    copy(60, 92, 4);
    copy(64, 96, 2);  // template number
    copy(66, 98, 2);  // size class
    copy(68, 100, 1); // climate
    copy(69, 101, 1); // own-ground flag
    copy(70, 102, 2);
    copy(72, 104, 8);
    // Byte 23 counts the used entries of the block at 60.
    int used = 0;
    for (int entry = 0; entry < 2; ++entry) {
        if (le::u16(out, 60 + 8 * entry + 6) != 0)
            ++used;
    }
    out[23] = uchar(used);
}
