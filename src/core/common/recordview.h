#pragma once

// Base of every fixed-size record: a view over bytes that live elsewhere (a
// chunk payload or one of the document's record areas). A view never copies
// its bytes, so bytes that no accessor touches travel through a save
// unchanged. A default-made view is null and stands for "no record".

#include <QtGlobal>

class RecordView {
public:
    RecordView() = default;
    explicit RecordView(uchar *data) : d_(data) {}

    bool isNull() const { return d_ == nullptr; }
    explicit operator bool() const { return d_ != nullptr; }
    uchar *data() const { return d_; }

    friend bool operator==(const RecordView &a, const RecordView &b) { return a.d_ == b.d_; }

protected:
    uchar *d_ = nullptr;
};
