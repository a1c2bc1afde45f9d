#pragma once

// Base of every fixed-size record: a view over bytes that live elsewhere (a
// chunk payload or one of the document's record areas). A view never copies
// its bytes, so bytes that no accessor touches travel through a save
// unchanged. A default-made view is null and stands for "no record".
//
// The view knows how many bytes it covers; every access of a record goes
// through the helpers below, which hold it to them (checked in debug builds).

#include "core/common/bytes.h"

#include <QtGlobal>

class RecordView {
public:
    RecordView() = default;
    RecordView(uchar *data, qsizetype size) : d_(data), size_(data ? size : 0) {}

    bool isNull() const { return d_ == nullptr; }
    explicit operator bool() const { return d_ != nullptr; }
    uchar *data() const { return d_; }
    // The record's length in bytes; 0 for a null view.
    qsizetype size() const { return size_; }

    friend bool operator==(const RecordView &a, const RecordView &b) { return a.d_ == b.d_; }

protected:
    quint8 u8(qsizetype off) const { return le::u8(d_, size_, off); }
    quint16 u16(qsizetype off) const { return le::u16(d_, size_, off); }
    qint16 i16(qsizetype off) const { return le::i16(d_, size_, off); }
    quint32 u32(qsizetype off) const { return le::u32(d_, size_, off); }
    qint32 i32(qsizetype off) const { return le::i32(d_, size_, off); }
    void setU8(qsizetype off, quint8 v) const { le::setU8(d_, size_, off, v); }
    void setU16(qsizetype off, quint16 v) const { le::setU16(d_, size_, off, v); }
    void setI16(qsizetype off, qint16 v) const { le::setI16(d_, size_, off, v); }
    void setU32(qsizetype off, quint32 v) const { le::setU32(d_, size_, off, v); }
    void setI32(qsizetype off, qint32 v) const { le::setI32(d_, size_, off, v); }
    // The `width` bytes at `off`: a text field, or a record inside this one.
    uchar *field(qsizetype off, qsizetype width) const
    {
        le::checkBounds(d_, size_, off, width);
        return d_ + off;
    }

private:
    uchar *d_ = nullptr;
    qsizetype size_ = 0;
};
