#pragma once

// A list whose items each stand for a code stored in a record: the item's
// position is what a list control shows, the code is what the file holds.
// The names are written in German (UTF-8) and translated in the table's
// context each time one is asked for, so they follow a change of language.

#include <QCoreApplication>
#include <QString>
#include <array>
#include <optional>

struct NamedCode {
    const char *name;
    quint8 code;
};

template <size_t N> class CodeTable {
public:
    constexpr CodeTable(const char *context, const std::array<NamedCode, N> &items)
        : context_(context), items_(items)
    {
    }

    static constexpr int Count = int(N);
    QString name(int item) const
    {
        return item >= 0 && item < Count
                   ? QCoreApplication::translate(context_, items_[size_t(item)].name)
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
    const char *context_;
    std::array<NamedCode, N> items_;
};
