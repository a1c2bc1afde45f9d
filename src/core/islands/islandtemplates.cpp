#include "core/islands/islandtemplates.h"

#include "core/common/bytes.h"
#include "core/common/messages.h"
#include "core/common/wholefile.h"
#include "core/format/chunknames.h"
#include "core/format/scenariochunk.h"
#include "core/game/gamepath.h"
#include "core/islands/tilerecord.h"

#include <cstring>

bool IslandTemplates::parse(const QByteArray &file, Template &out)
{
    const auto *data = reinterpret_cast<const uchar *>(file.constData());
    const qsizetype size = file.size();
    qsizetype pos = 0;
    while (size - pos >= ScenarioChunk::HeaderSize) {
        const uchar *header = data + pos;
        const qint32 length = le::i32(header, ScenarioChunk::LengthOffset);
        pos += ScenarioChunk::HeaderSize;
        if (length <= 0)
            continue;
        if (length > size - pos)
            return false;
        const char *payload = file.constData() + pos;
        pos += length;
        const QByteArrayView name(reinterpret_cast<const char *>(header),
                                  qsizetype(strnlen(reinterpret_cast<const char *>(header),
                                                    ScenarioChunk::NameFieldSize)));
        if (name == ChunkNames::Island || name == ChunkNames::TemplateIsland4 ||
            name == ChunkNames::TemplateIsland3) {
            if (out.record.isEmpty())
                out.record = QByteArray(payload, length);
        } else if (name == ChunkNames::IslandLayer) {
            out.layers.append(QByteArray(payload, length - length % TileRecord::Size));
        }
    }
    return pos == size;
}

const IslandTemplates::Template &IslandTemplates::get(const QString &relative, QStringList &notices)
{
    auto it = templates_.find(relative);
    if (it != templates_.end())
        return *it;
    Template t;
    t.path = resolveGameFile(gamePath_, relative);
    bool missing = false;
    // The file's bytes live only while they are taken apart; the record and
    // the layers are copies of their own.
    if (const Result<QByteArray> bytes = readWholeFile(t.path, MaxFileSize, &missing))
        parse(*bytes, t);
    else if (!missing)
        notices << bytes.error();
    return *templates_.insert(relative, t);
}
