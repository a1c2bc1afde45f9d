#pragma once

#include "core/common/bytes.h"
#include "core/common/recordview.h"

#include <vector>

// One 8-byte record of a "HIRSCH2" chunk; only its island number is read.
class DeerRecord : public RecordView {
public:
    struct Layout {
        static constexpr int Size = 8;
        static constexpr int Island = 0;
        // Where the herd grazes, in the island's tiles; carried.
        static constexpr int Column = 2;
        static constexpr int Row = 3;
    };
    static constexpr int Size = Layout::Size;
    static_assert(Layout::Row + 1 <= Layout::Size);

    DeerRecord() = default;
    explicit DeerRecord(uchar *data) : RecordView(data, Layout::Size) {}

    quint8 islandNumber() const { return u8(Layout::Island); }
};

// The deer records of one island, in reading order. An island may hold a
// million of them, so they are kept as runs of records that lie one after
// the other in a chunk payload rather than as one view per record: a chunk
// of an island's own deer is a single run, and only a record of another
// island, which is dropped, splits it.
class DeerList {
public:
    struct Run {
        uchar *first = nullptr;
        qsizetype count = 0;
    };

    // Extends the last run when `deer` directly follows it.
    void append(DeerRecord deer)
    {
        if (!runs_.empty()) {
            Run &last = runs_.back();
            if (last.first + last.count * DeerRecord::Size == deer.data()) {
                ++last.count;
                ++size_;
                return;
            }
        }
        runs_.push_back(Run{deer.data(), 1});
        ++size_;
    }

    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const std::vector<Run> &runs() const { return runs_; }
    // The i-th record; walks the runs, which are few.
    DeerRecord at(size_t i) const
    {
        for (const Run &run : runs_) {
            if (i < size_t(run.count))
                return DeerRecord(run.first + qsizetype(i) * DeerRecord::Size);
            i -= size_t(run.count);
        }
        return DeerRecord();
    }

private:
    std::vector<Run> runs_;
    size_t size_ = 0;
};
