#include "core/document/chunkfile.h"

#include "core/common/bytes.h"

#include <QFile>
#include <cstring>

ChunkList ReadChunks(QIODevice &in)
{
    // A file opened for reading reports its size, so readAll allocates the
    // whole block once and reads it with one call.
    return ChunkList::FromBytes(in.readAll());
}

bool ReadChunks(const QString &path, ChunkList &chunks)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    chunks = ReadChunks(file);
    return true;
}

void ChunkWriter::WriteChunkHeader(QByteArrayView name, qint32 length)
{
    uchar header[ScenarioChunk::HeaderSize] = {};
    std::memcpy(header, name.data(), size_t(qMin<qsizetype>(name.size(), 15)));
    le::setI32(header, ScenarioChunk::LengthOffset, length);
    WriteBytes(header, sizeof header);
}

void ChunkWriter::WriteBytes(const void *data, qsizetype size)
{
    flushHeld();
    write(data, size);
}

void ChunkWriter::WriteChunk(const ScenarioChunk &chunk)
{
    if (heldStart_ && heldStart_ + heldSize_ == chunk.block()) {
        heldSize_ += chunk.blockSize();
        return;
    }
    flushHeld();
    heldStart_ = chunk.block();
    heldSize_ = chunk.blockSize();
}

void ChunkWriter::flushHeld()
{
    if (heldSize_ > 0)
        write(heldStart_, heldSize_);
    heldStart_ = nullptr;
    heldSize_ = 0;
}

void ChunkWriter::write(const void *data, qsizetype size)
{
    if (!ok_ || size == 0)
        return;
    if (out_.write(static_cast<const char *>(data), size) != size)
        ok_ = false;
}
