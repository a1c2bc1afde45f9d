#pragma once

// Little-endian access to record bytes. Every record of a scenario file goes
// through these helpers; nothing casts a struct onto bytes.
//
// The forms with a `size` read and write within the `size` bytes at `p`: in
// a debug build an offset outside them stops the program at the faulty
// access instead of letting it touch a neighbour's bytes. The forms without
// one are for callers that checked their bounds themselves (a chunk header
// of known length); they assert only what they can.

#include <QtEndian>
#include <QtGlobal>

namespace le {

inline void checkBounds(const uchar *p, qsizetype size, qsizetype off, qsizetype width)
{
    Q_ASSERT(p != nullptr);
    Q_ASSERT(off >= 0 && off <= size - width);
}

inline quint8 u8(const uchar *p, qsizetype size, qsizetype off)
{
    checkBounds(p, size, off, 1);
    return p[off];
}
inline quint16 u16(const uchar *p, qsizetype size, qsizetype off)
{
    checkBounds(p, size, off, 2);
    return qFromLittleEndian<quint16>(p + off);
}
inline qint16 i16(const uchar *p, qsizetype size, qsizetype off)
{
    checkBounds(p, size, off, 2);
    return qFromLittleEndian<qint16>(p + off);
}
inline quint32 u32(const uchar *p, qsizetype size, qsizetype off)
{
    checkBounds(p, size, off, 4);
    return qFromLittleEndian<quint32>(p + off);
}
inline qint32 i32(const uchar *p, qsizetype size, qsizetype off)
{
    checkBounds(p, size, off, 4);
    return qFromLittleEndian<qint32>(p + off);
}

inline void setU8(uchar *p, qsizetype size, qsizetype off, quint8 v)
{
    checkBounds(p, size, off, 1);
    p[off] = v;
}
inline void setU16(uchar *p, qsizetype size, qsizetype off, quint16 v)
{
    checkBounds(p, size, off, 2);
    qToLittleEndian<quint16>(v, p + off);
}
inline void setI16(uchar *p, qsizetype size, qsizetype off, qint16 v)
{
    checkBounds(p, size, off, 2);
    qToLittleEndian<qint16>(v, p + off);
}
inline void setU32(uchar *p, qsizetype size, qsizetype off, quint32 v)
{
    checkBounds(p, size, off, 4);
    qToLittleEndian<quint32>(v, p + off);
}
inline void setI32(uchar *p, qsizetype size, qsizetype off, qint32 v)
{
    checkBounds(p, size, off, 4);
    qToLittleEndian<qint32>(v, p + off);
}

inline quint8 u8(const uchar *p, int off)
{
    Q_ASSERT(p != nullptr && off >= 0);
    return p[off];
}
inline quint16 u16(const uchar *p, int off)
{
    Q_ASSERT(p != nullptr && off >= 0);
    return qFromLittleEndian<quint16>(p + off);
}
inline qint16 i16(const uchar *p, int off)
{
    Q_ASSERT(p != nullptr && off >= 0);
    return qFromLittleEndian<qint16>(p + off);
}
inline quint32 u32(const uchar *p, int off)
{
    Q_ASSERT(p != nullptr && off >= 0);
    return qFromLittleEndian<quint32>(p + off);
}
inline qint32 i32(const uchar *p, int off)
{
    Q_ASSERT(p != nullptr && off >= 0);
    return qFromLittleEndian<qint32>(p + off);
}

inline void setU8(uchar *p, int off, quint8 v)
{
    Q_ASSERT(p != nullptr && off >= 0);
    p[off] = v;
}
inline void setU16(uchar *p, int off, quint16 v)
{
    Q_ASSERT(p != nullptr && off >= 0);
    qToLittleEndian<quint16>(v, p + off);
}
inline void setI16(uchar *p, int off, qint16 v)
{
    Q_ASSERT(p != nullptr && off >= 0);
    qToLittleEndian<qint16>(v, p + off);
}
inline void setU32(uchar *p, int off, quint32 v)
{
    Q_ASSERT(p != nullptr && off >= 0);
    qToLittleEndian<quint32>(v, p + off);
}
inline void setI32(uchar *p, int off, qint32 v)
{
    Q_ASSERT(p != nullptr && off >= 0);
    qToLittleEndian<qint32>(v, p + off);
}

} // namespace le
