#pragma once

#include <QByteArray>
#include <memory>
#include <vector>

// One chunk of a scenario file, held as a single block: the 20 header bytes
// exactly as read (16-byte name field, signed 32-bit length), then the
// payload. The block never moves while the chunk lives, so records may point
// into the payload.
class ScenarioChunk {
public:
    static constexpr int HeaderSize = 20;
    static constexpr int NameFieldSize = 16;
    static constexpr int LengthOffset = 16;
    static constexpr qint32 MaxLength = 1000000;

    // Takes a header that passed `IsValidHeader`; the payload starts zeroed.
    explicit ScenarioChunk(const uchar *header);

    // Whether 20 header bytes describe a chunk: a name of at most 15
    // characters followed by its zero, and a length of 0 to 1,000,000.
    static bool IsValidHeader(const uchar *header);

    QByteArray name() const;
    qint32 length() const { return length_; }
    uchar *payload() { return block_.get() + HeaderSize; }
    const uchar *payload() const { return block_.get() + HeaderSize; }
    const uchar *block() const { return block_.get(); }
    qsizetype blockSize() const { return HeaderSize + qsizetype(length_); }

private:
    std::unique_ptr<uchar[]> block_;
    qint32 length_ = 0;
};

// Every chunk of a loaded file, in file order. Never reordered or shortened
// after loading; it is the pattern of the output order on saving.
using ChunkList = std::vector<ScenarioChunk>;
