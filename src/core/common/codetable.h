#pragma once

// A list whose items each stand for a code stored in a record: the item's
// position is what a list control shows, the code is what the file holds.

#include <QString>
#include <array>
#include <optional>

struct NamedCode {
    const char16_t *name;
    quint8 code;
};

template <size_t N> class CodeTable {
public:
    constexpr explicit CodeTable(const std::array<NamedCode, N> &items) : items_(items) {}

    static constexpr int Count = int(N);
    QString name(int item) const
    {
        return item >= 0 && item < Count ? QString::fromUtf16(items_[size_t(item)].name)
                                         : QString();
    }
    quint8 code(int item) const { return items_[size_t(item)].code; }
    // The first item with this code; nothing when no item has it.
    std::optional<int> itemOf(quint8 code) const
    {
        for (int i = 0; i < Count; ++i) {
            if (items_[size_t(i)].code == code)
                return i;
        }
        return std::nullopt;
    }

private:
    std::array<NamedCode, N> items_;
};
