// libFuzzer target over the load pipeline: any byte string is read as a
// scenario file, saved, and the saved bytes are read again. Island templates
// come from a small game folder made at start-up, so islands that take their
// ground or their whole shape from a template are exercised too.

#include "document/chunkfile.h"
#include "document/rumoszen.h"
#include "islands/insel.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

namespace {

void writeChunk(QIODevice &out, const char *name, const QByteArray &payload)
{
    ChunkWriter writer(out);
    writer.WriteChunkHeader(name, qint32(payload.size()));
    writer.WriteBytes(payload.constData(), payload.size());
}

// One template per climate and size class, and the native variants: an
// island record and a ground layer of a few tiles.
QString makeGameFolder()
{
    static QTemporaryDir dir;
    for (int climate = 0; climate < Insel::Climates; ++climate) {
        for (int size = 0; size < Insel::SizeClasses; ++size) {
            for (bool native : {false, true}) {
                for (int number : {0xFFFF, 1}) {
                    const QString name = Insel::TemplateFile(climate, size, native, number)
                                             .replace(QLatin1Char('\\'), QLatin1Char('/'));
                    const QString path = dir.filePath(name);
                    QDir().mkpath(QFileInfo(path).absolutePath());
                    QFile file(path);
                    if (!file.open(QIODevice::WriteOnly))
                        std::abort();
                    QByteArray record(116, '\0');
                    record[1] = char(10 + 5 * size);
                    record[2] = char(8 + 5 * size);
                    record[100] = char(climate);
                    writeChunk(file, "INSEL5", record);
                    QByteArray tiles;
                    for (int t = 0; t < 12; ++t)
                        tiles += QByteArray::fromHex("b104") + char(t) + char(t / 3) +
                                 QByteArray::fromHex("01c0c101");
                    writeChunk(file, "INSELHAUS", tiles);
                }
            }
        }
    }
    return dir.path();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_load";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static const QString gamePath = makeGameFolder();

    QByteArray input =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer in(&input);
    in.open(QIODevice::ReadOnly);
    RumoSzen doc(gamePath, nullptr);
    if (!doc.Load(in, QStringLiteral("fuzz.szs")))
        return 0;

    // Exercise the queries the map asks on every mouse move.
    for (int y = 0; y < 352; y += 44) {
        for (int x = 0; x < 512; x += 64) {
            doc.IslandAt(x, y);
            doc.ShipAt(x, y);
            doc.CityAt(x, y);
        }
    }
    for (const auto &island : doc.Islands()) {
        if (!island)
            continue;
        for (int slot = 0; slot < 8; ++slot)
            doc.CityBounds(*island, slot);
        for (const CityRecord &city : island->cities()) {
            if (city) {
                doc.TradingPostOf(city);
                doc.SetCityOwner(city, city.owner() % 7);
            }
        }
        IslandLabel(*island);
    }
    for (int p = 0; p < 7; ++p) {
        doc.EmptyShipsOf(p);
        doc.EmptyCartsOf(p);
        doc.EmptyTradingPostsOf(p);
    }

    QByteArray saved;
    QBuffer out(&saved);
    out.open(QIODevice::WriteOnly);
    if (!doc.WriteTo(out))
        std::abort();
    out.close();

    // Whatever we write, we must be able to read again.
    QBuffer again(&saved);
    again.open(QIODevice::ReadOnly);
    RumoSzen reloaded(gamePath, nullptr);
    if (!reloaded.Load(again, QStringLiteral("again.szs")))
        std::abort();
    return 0;
}
