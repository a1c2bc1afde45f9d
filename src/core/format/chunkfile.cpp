#include "core/format/chunkfile.h"

#include "core/common/bytes.h"

#include <QFile>
#include <cstring>

ChunkList ReadChunks(QIODevice &in)
{
    if (in.isSequential())
        return ChunkList::fromBytes(in.readAll());
    // A file tells its size: one block of exactly that size, read with as
    // few calls as the system allows. readAll would grow its buffer as it
    // reads and hold up to half as much again.
    QByteArray bytes(qMax<qint64>(0, in.size() - in.pos()), Qt::Uninitialized);
    qint64 got = 0;
    while (got < bytes.size()) {
        const qint64 n = in.read(bytes.data() + got, bytes.size() - got);
        if (n <= 0)
            break;
        got += n;
    }
    // Shrinking keeps the block; a file that shrank while being read ends
    // where the reading ended.
    bytes.resize(got);
    return ChunkList::fromBytes(std::move(bytes));
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
    writeBytes(header, sizeof header);
}

void ChunkWriter::writeBytes(const void *data, qsizetype size)
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
