#pragma once

// Little-endian access to record bytes. Every record of a scenario file goes
// through these helpers; nothing casts a struct onto bytes.

#include <QtEndian>
#include <QtGlobal>

namespace le {

inline quint8 u8(const uchar *p, int off)
{
    return p[off];
}
inline quint16 u16(const uchar *p, int off)
{
    return qFromLittleEndian<quint16>(p + off);
}
inline qint16 i16(const uchar *p, int off)
{
    return qFromLittleEndian<qint16>(p + off);
}
inline quint32 u32(const uchar *p, int off)
{
    return qFromLittleEndian<quint32>(p + off);
}
inline qint32 i32(const uchar *p, int off)
{
    return qFromLittleEndian<qint32>(p + off);
}

inline void setU8(uchar *p, int off, quint8 v)
{
    p[off] = v;
}
inline void setU16(uchar *p, int off, quint16 v)
{
    qToLittleEndian<quint16>(v, p + off);
}
inline void setI16(uchar *p, int off, qint16 v)
{
    qToLittleEndian<qint16>(v, p + off);
}
inline void setU32(uchar *p, int off, quint32 v)
{
    qToLittleEndian<quint32>(v, p + off);
}
inline void setI32(uchar *p, int off, qint32 v)
{
    qToLittleEndian<qint32>(v, p + off);
}

} // namespace le
