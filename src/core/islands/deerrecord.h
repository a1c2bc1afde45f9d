#pragma once

#include "core/common/bytes.h"
#include "core/common/recordview.h"

// One 8-byte record of a "HIRSCH2" chunk; only its island number is read.
class DeerRecord : public RecordView {
public:
    static constexpr int Size = 8;

    using RecordView::RecordView;

    quint8 islandNumber() const { return le::u8(d_, Island); }

private:
    static constexpr int Island = 0;
};
