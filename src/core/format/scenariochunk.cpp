#include "core/format/scenariochunk.h"

#include "core/common/bytes.h"

#include <cstring>

bool ScenarioChunk::isValidHeader(const uchar *header)
{
    const void *zero = std::memchr(header, 0, NameFieldSize);
    const qint32 length = le::i32(header, LengthOffset);
    return zero != nullptr && length >= 0 && length <= MaxLength;
}

QByteArrayView ScenarioChunk::nameView() const
{
    const auto *start = reinterpret_cast<const char *>(block_);
    return QByteArrayView(start, qsizetype(strnlen(start, NameFieldSize)));
}

qint32 ScenarioChunk::length() const
{
    return le::i32(block_, LengthOffset);
}

ChunkList ChunkList::fromBytes(QByteArray file)
{
    ChunkList list;
    list.bytes_ = std::move(file);
    // The only call that could detach; from here on the bytes stay put.
    auto *data = reinterpret_cast<uchar *>(list.bytes_.data());
    const qsizetype size = list.bytes_.size();

    // A first pass over the headers alone counts the chunks, so the list is
    // allocated once at its final size.
    size_t count = 0;
    qsizetype end = 0;
    while (size - end >= ScenarioChunk::HeaderSize) {
        const uchar *header = data + end;
        if (!ScenarioChunk::isValidHeader(header)) {
            list.malformedHeader_ = true;
            break;
        }
        ++count;
        end += ScenarioChunk::HeaderSize + qsizetype(le::i32(header, ScenarioChunk::LengthOffset));
    }
    list.chunks_.reserve(count);
    if (end > size)
        list.zeroFilled_ = end - size;
    else
        list.unread_ = size - end;

    qsizetype pos = 0;
    for (size_t i = 0; i < count; ++i) {
        uchar *block = data + pos;
        const qsizetype blockSize = ScenarioChunk(block).blockSize();
        if (blockSize > size - pos) {
            // Only the last chunk can run past the end of the file.
            list.cutShort_.reset(new uchar[size_t(blockSize)]());
            std::memcpy(list.cutShort_.get(), block, size_t(size - pos));
            block = list.cutShort_.get();
        }
        list.chunks_.emplace_back(block);
        pos += blockSize;
    }
    return list;
}

void ChunkList::clear()
{
    chunks_.clear();
    cutShort_.reset();
    bytes_.clear();
    zeroFilled_ = 0;
    unread_ = 0;
    malformedHeader_ = false;
}
