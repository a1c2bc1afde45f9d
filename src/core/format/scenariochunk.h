#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <memory>
#include <vector>

// One chunk of a scenario file: a view over its block, the 20 header bytes
// exactly as read (16-byte name field, signed 32-bit length) followed by the
// payload. The blocks belong to the ChunkList and never move while it lives,
// so records may point into the payload. The view is one pointer: a file of a
// million tiny chunks needs no more than that per chunk besides the bytes.
class ScenarioChunk {
public:
    static constexpr int HeaderSize = 20;
    static constexpr int NameFieldSize = 16;
    static constexpr int LengthOffset = 16;
    static constexpr qint32 MaxLength = 1000000;

    // `block` holds a header that passed `isValidHeader` and its payload.
    explicit ScenarioChunk(uchar *block) : block_(block) {}

    // Whether 20 header bytes describe a chunk: a name of at most 15
    // characters followed by its zero, and a length of 0 to 1,000,000.
    static bool isValidHeader(const uchar *header);

    // The name up to its zero; the view points into the block.
    QByteArrayView nameView() const;
    QByteArray name() const { return nameView().toByteArray(); }
    qint32 length() const;
    uchar *payload() { return block_ + HeaderSize; }
    const uchar *payload() const { return block_ + HeaderSize; }
    const uchar *block() const { return block_; }
    qsizetype blockSize() const { return HeaderSize + qsizetype(length()); }

private:
    uchar *block_;
};

// Every chunk of a loaded file, in file order, and the bytes they view. Never
// reordered or shortened after loading; it is the pattern of the output order
// on saving. The file is held as read, in one piece, so that reading needs
// neither an allocation nor a read call per chunk; only a last payload cut
// short by the end of the file gets a block of its own, where the missing
// bytes are zero.
class ChunkList {
public:
    ChunkList() = default;
    ChunkList(ChunkList &&) noexcept = default;
    ChunkList &operator=(ChunkList &&) noexcept = default;
    ChunkList(const ChunkList &) = delete;
    ChunkList &operator=(const ChunkList &) = delete;

    // Takes the chunks of `file`, which must not be touched otherwise
    // afterwards: the chunks point into its bytes.
    static ChunkList fromBytes(QByteArray file);

    size_t size() const { return chunks_.size(); }
    bool empty() const { return chunks_.empty(); }
    ScenarioChunk &operator[](size_t i) { return chunks_[i]; }
    const ScenarioChunk &operator[](size_t i) const { return chunks_[i]; }
    auto begin() { return chunks_.begin(); }
    auto end() { return chunks_.end(); }
    auto begin() const { return chunks_.begin(); }
    auto end() const { return chunks_.end(); }
    void clear();

    // How the reading ended. Bytes of the last payload that the file did not
    // hold (they read as zero), and bytes at the end that belong to no chunk:
    // a header cut short, or a malformed header and everything after it.
    // Neither is written by a save.
    qsizetype zeroFilledBytes() const { return zeroFilled_; }
    qsizetype unreadBytes() const { return unread_; }
    bool endsAtMalformedHeader() const { return malformedHeader_; }

private:
    QByteArray bytes_;
    std::unique_ptr<uchar[]> cutShort_;
    qsizetype zeroFilled_ = 0;
    qsizetype unread_ = 0;
    bool malformedHeader_ = false;
    std::vector<ScenarioChunk> chunks_;
};
