#include "core/document/scenariochunk.h"

#include "core/common/bytes.h"

#include <cstring>

ScenarioChunk::ScenarioChunk(const uchar *header)
    : block_(new uchar[HeaderSize + size_t(le::i32(header, LengthOffset))]()),
      length_(le::i32(header, LengthOffset))
{
    std::memcpy(block_.get(), header, HeaderSize);
}

bool ScenarioChunk::IsValidHeader(const uchar *header)
{
    const void *zero = std::memchr(header, 0, NameFieldSize);
    const qint32 length = le::i32(header, LengthOffset);
    return zero != nullptr && length >= 0 && length <= MaxLength;
}

QByteArray ScenarioChunk::name() const
{
    const auto *start = reinterpret_cast<const char *>(block_.get());
    return QByteArray(start, qsizetype(std::strlen(start)));
}
