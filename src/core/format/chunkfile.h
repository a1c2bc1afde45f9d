#pragma once

#include "core/format/scenariochunk.h"

#include <QByteArrayView>
#include <QIODevice>
#include <QString>

// Reads a scenario file: chunk after chunk to the end of the input. A header
// cut short by the end ends the list; a malformed header (name without its
// zero inside 16 bytes, length outside 0..1,000,000) ends it too, dropping it
// and everything after it. A payload cut short enters at its declared length,
// the missing bytes zero. The input is read in one go and the chunks view it.
ChunkList ReadChunks(QIODevice &in);

// The same for a file; false when the file cannot be opened.
bool ReadChunks(const QString &path, ChunkList &chunks);

// Writes chunks to an output device and remembers whether every byte arrived:
// a full disk can accept part of a write without reporting an error, so each
// write's byte count is checked.
class ChunkWriter {
public:
    explicit ChunkWriter(QIODevice &out) : out_(out) {}

    // The 20-byte header of a regenerated chunk: the name, zero bytes to the
    // end of the name field, then the length. The caller writes exactly
    // `length` payload bytes after it.
    void WriteChunkHeader(QByteArrayView name, qint32 length);
    void writeBytes(const void *data, qsizetype size);
    // A held chunk, unchanged: header as read and payload. Chunks that lie
    // one after the other in memory, as the chunks of a loaded file do, are
    // gathered and go out in one write with the next other write or ok(): a
    // file of a million tiny chunks would otherwise cost a million writes.
    void WriteChunk(const ScenarioChunk &chunk);

    // Whether every byte given so far arrived; writes gathered chunks first.
    bool ok()
    {
        flushHeld();
        return ok_;
    }

private:
    void flushHeld();
    void write(const void *data, qsizetype size);

    QIODevice &out_;
    const uchar *heldStart_ = nullptr;
    qsizetype heldSize_ = 0;
    bool ok_ = true;
};
