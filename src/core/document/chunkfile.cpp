#include "core/document/chunkfile.h"

#include "core/common/bytes.h"

#include <QFile>
#include <cstring>

ChunkList ReadChunks(QIODevice &in)
{
    ChunkList chunks;
    uchar header[ScenarioChunk::HeaderSize];
    while (in.read(reinterpret_cast<char *>(header), sizeof header) == sizeof header) {
        if (!ScenarioChunk::IsValidHeader(header))
            break;
        ScenarioChunk &chunk = chunks.emplace_back(header);
        if (chunk.length() > 0)
            in.read(reinterpret_cast<char *>(chunk.payload()), chunk.length());
        // A short read leaves the rest of the payload zero, as allocated.
    }
    return chunks;
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
    if (!ok_ || size == 0)
        return;
    if (out_.write(static_cast<const char *>(data), size) != size)
        ok_ = false;
}

void ChunkWriter::WriteChunk(const ScenarioChunk &chunk)
{
    WriteBytes(chunk.block(), chunk.blockSize());
}
