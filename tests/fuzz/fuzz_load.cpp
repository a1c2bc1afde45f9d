// libFuzzer target over the load and save pipeline. Each input is a scenario
// file with optional island template files behind it (fuzzinput.h). The
// target loads the scenario against a small game folder, runs the map's
// queries over it, saves it into memory, loads the saved bytes again and
// saves once more: both saves must be equal, since a save of what a save
// wrote changes nothing. Every island is exported as a template as well, and
// the export must hold exactly the island's record without city owners and
// its ground layer.
//
// Any abort, sanitizer report, leak or timeout is a finding.

#include "core/common/bytes.h"
#include "core/document/chunkfile.h"
#include "core/document/rumoszen.h"
#include "core/islands/insel.h"
#include "fuzzinput.h"
#include "support/scenariobuilder.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// How far the last chunk of an input may declare more payload than the
// input holds. The reader fills the missing bytes with zeros, so a few bytes
// of input could otherwise ask for a megabyte of zeros that the loader turns
// into tens of thousands of empty island references or deer records: slow,
// and nothing that a short shortfall does not test as well. Even 4 KiB of
// zeros made half of all references in a grown corpus empty ones.
constexpr qint64 kMaxShortfall = 256;

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_load: %s\n", what);
    std::abort();
}

// The content of template `index` when no input replaces it: an island
// record of the template's size class and climate and a ground layer of a
// few tiles, the last four of them in city slot 0 of player 1.
QByteArray defaultTemplate(int index)
{
    const fuzzinput::Template t = fuzzinput::templateAt(index);
    scenario::IslandSpec island;
    island.number = 0;
    island.width = 10 + 5 * t.sizeClass;
    island.height = 8 + 5 * t.sizeClass;
    island.climate = t.climate;
    island.sizeClass = t.sizeClass;
    island.templateNumber = t.number;
    QByteArray ground;
    for (int i = 0; i < 12; ++i) {
        const bool city = i >= 8;
        ground += scenario::tile(i % 3 ? 1201 : 501, i, i / 3, i % 2, city ? 0 : 7, city ? 1 : 7);
    }
    return scenario::templateFile(scenario::islandRecord(island), {ground});
}

// The game folder of the fuzz run, on a memory file system where there is
// one: every load reads the templates it needs from disk.
class GameFolder {
public:
    GameFolder()
        : dir_(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                   ? QStringLiteral("/dev/shm/marbolt-fuzz-XXXXXX")
                   : QDir::temp().filePath(QStringLiteral("marbolt-fuzz-XXXXXX")))
    {
        if (!dir_.isValid())
            fail("no temporary game folder");
        for (int i = 0; i < fuzzinput::TemplateCount; ++i) {
            defaults_[size_t(i)] = defaultTemplate(i);
            put(i, defaults_[size_t(i)]);
        }
    }

    QString path() const { return dir_.path(); }

    // Gives every template the content this input names for it, and every
    // other one its default. Only files whose content changes are written.
    void prepare(const std::array<QByteArray, fuzzinput::TemplateCount> &wanted,
                 const std::array<bool, fuzzinput::TemplateCount> &named)
    {
        for (int i = 0; i < fuzzinput::TemplateCount; ++i) {
            const QByteArray &content = named[size_t(i)] ? wanted[size_t(i)] : defaults_[size_t(i)];
            if (content != current_[size_t(i)])
                put(i, content);
        }
    }

private:
    void put(int index, const QByteArray &content)
    {
        const QString file = dir_.filePath(fuzzinput::templateName(index));
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            out.write(content) != content.size())
            fail("cannot write a template file");
        current_[size_t(index)] = content;
    }

    QTemporaryDir dir_;
    std::array<QByteArray, fuzzinput::TemplateCount> defaults_;
    std::array<QByteArray, fuzzinput::TemplateCount> current_;
};

// Whether the chunk headers of `scenario`, read as the loader reads them,
// ask for at most kMaxShortfall bytes beyond its end.
bool shortfallBounded(QByteArrayView scenario)
{
    qint64 pos = 0;
    while (scenario.size() - pos >= ScenarioChunk::HeaderSize) {
        const auto *header = reinterpret_cast<const uchar *>(scenario.data() + pos);
        if (!ScenarioChunk::IsValidHeader(header))
            return true; // reading ends here
        const qint32 length = le::i32(header, ScenarioChunk::LengthOffset);
        pos += ScenarioChunk::HeaderSize;
        if (length > scenario.size() - pos)
            return length - (scenario.size() - pos) <= kMaxShortfall;
        pos += length;
    }
    return true;
}

void exerciseQueries(RumoSzen &doc)
{
    // What the map asks on every mouse move.
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
}

// An island template as the export writes it: "INSEL5" with the island's
// record, city owners 7, then the ground layer in full when there is one.
void checkExport(const Insel &island)
{
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    ChunkWriter writer(out);
    island.Write(writer, true);
    if (!writer.ok())
        fail("export into memory failed");

    QByteArray record(reinterpret_cast<const char *>(island.record().data()), IslandRecord::Size);
    IslandRecord(reinterpret_cast<uchar *>(record.data())).clearCityOwners();
    QByteArray expected = scenario::chunk("INSEL5", record);
    if (!island.layers().empty()) {
        const Inselhaus &ground = *island.layers().front();
        expected +=
            scenario::chunk("INSELHAUS", QByteArray(reinterpret_cast<const char *>(ground.tiles()),
                                                    ground.byteSize()));
    }
    if (bytes != expected)
        fail("an exported island is not its record and ground layer");
}

QByteArray save(RumoSzen &doc)
{
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    if (!doc.WriteTo(out))
        fail("saving into memory failed");
    return bytes;
}

bool load(RumoSzen &doc, QByteArray bytes)
{
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    return doc.Load(in, QStringLiteral("fuzz.szs"));
}

// Reports where two saves part, for the crash log.
void reportDifference(const QByteArray &first, const QByteArray &second)
{
    qsizetype at = 0;
    while (at < first.size() && at < second.size() && first[at] == second[at])
        ++at;
    std::fprintf(stderr, "fuzz_load: saves of %lld and %lld bytes differ from byte %lld\n",
                 static_cast<long long>(first.size()), static_cast<long long>(second.size()),
                 static_cast<long long>(at));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_load";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static GameFolder game;

    const QByteArrayView input(reinterpret_cast<const char *>(data), qsizetype(size));
    qsizetype end = input.indexOf(fuzzinput::Separator);
    const QByteArrayView scenario = input.first(end < 0 ? input.size() : end);
    if (!shortfallBounded(scenario))
        return -1; // not worth keeping in the corpus

    std::array<QByteArray, fuzzinput::TemplateCount> templates;
    std::array<bool, fuzzinput::TemplateCount> named{};
    while (end >= 0) {
        const qsizetype start = end + fuzzinput::Separator.size();
        end = input.indexOf(fuzzinput::Separator, start);
        const QByteArrayView part = input.sliced(start, (end < 0 ? input.size() : end) - start);
        if (part.isEmpty())
            continue;
        const int index = uchar(part.front()) % fuzzinput::TemplateCount;
        // A later part for the same template wins, as a later file would.
        templates[size_t(index)] = part.sliced(1).toByteArray();
        named[size_t(index)] = true;
    }
    game.prepare(templates, named);

    RumoSzen doc(game.path(), nullptr);
    if (!load(doc, scenario.toByteArray()))
        return 0;
    exerciseQueries(doc);
    for (const auto &island : doc.Islands()) {
        if (island)
            checkExport(*island);
    }
    const QByteArray first = save(doc);

    // Whatever we write, we must be able to read again, and saving that
    // again must give the same bytes.
    RumoSzen reloaded(game.path(), nullptr);
    if (!load(reloaded, first))
        fail("the saved scenario does not load");
    const QByteArray second = save(reloaded);
    if (second != first) {
        reportDifference(first, second);
        fail("saving a saved scenario again changed it");
    }
    return 0;
}
