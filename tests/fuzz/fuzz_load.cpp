// libFuzzer target over the load and save pipeline and what reads the game
// installation. Each input is a scenario file with optional parts behind it
// (fuzzinput.h): island template files, the game's text file and a Wine
// registry.
//
// The scenario is loaded against a small game folder, saved into memory and
// loaded again: the reload must hold the records of the first load, byte for
// byte (support/documentrecords.h), and saving it again must give the same
// bytes. The check, the JSON dump and the diff run over the documents of
// one input in thirty-two. The map's queries and
// edits then run over the reload, and a save of the edited document, loaded
// and saved again, must not change. Every island is exported as a template
// as well, and the export must hold exactly the island's record without city
// owners and its ground layer.
//
// A text file part is stored as the game's "Text.cod": its campaign list,
// stored again unchanged, must read back the same. A registry part is the
// system.reg of a small Wine prefix: a game folder found there must lie on
// the prefix's drive, and a path resolved case-insensitively below it stays
// below it.
//
// Any abort, sanitizer report, leak or timeout is a finding.

#include "cli/scenariojson.h"
#include "core/campaign/gametextcodec.h"
#include "core/check/scenariocheck.h"
#include "core/check/scenariodiff.h"
#include "core/common/bytes.h"
#include "core/document/rumoszen.h"
#include "core/format/chunkfile.h"
#include "core/game/gamepath.h"
#include "core/islands/insel.h"
#include "fuzzinput.h"
#include "support/documentrecords.h"
#include "support/scenariobuilder.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

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
QString scratchTemplate()
{
    return QFileInfo(QStringLiteral("/dev/shm")).isWritable()
               ? QStringLiteral("/dev/shm/marbolt-fuzz-XXXXXX")
               : QDir::temp().filePath(QStringLiteral("marbolt-fuzz-XXXXXX"));
}

void writeFile(const QString &path, QByteArrayView content)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(content.data(), content.size()) != content.size())
        fail("cannot write a file of the game folder");
}

class GameFolder {
public:
    GameFolder() : dir_(scratchTemplate())
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
        writeFile(file, content);
        current_[size_t(index)] = content;
    }

    QTemporaryDir dir_;
    std::array<QByteArray, fuzzinput::TemplateCount> defaults_;
    std::array<QByteArray, fuzzinput::TemplateCount> current_;
};

// A Wine prefix with a game folder on its C: drive whose names differ in
// letter case from the Windows spelling, and no other drive.
class Prefix {
public:
    Prefix() : dir_(scratchTemplate())
    {
        if (!dir_.isValid())
            fail("no temporary Wine prefix");
        path_ = QDir(dir_.path()).canonicalPath();
        drive_ = path_ + QStringLiteral("/drive_c");
        QDir().mkpath(drive_ + QStringLiteral("/Games/BRIM/Nord"));
        QDir().mkpath(drive_ + QStringLiteral("/spiele"));
        writeFile(drive_ + QStringLiteral("/Games/BRIM/Nord/LIT.scp"), "x");
        writeFile(drive_ + QStringLiteral("/Games/BRIM/text.COD"), "x");
    }
    QString path() const { return path_; }
    QString drive() const { return drive_; }

private:
    QTemporaryDir dir_;
    QString path_;
    QString drive_;
};

// The game's text file: coding twice gives the bytes back, and the campaign
// list read from it is stored and read back unchanged.
void exerciseTextFile(const QString &gamePath, QByteArrayView file)
{
    QByteArray coded = file.toByteArray();
    GameTextCodec::code(coded.data(), coded.size());
    const QList<QByteArray> lines = GameTextCodec::splitLines(coded);
    for (const QByteArray &line : lines) {
        if (line.contains('\r') || line.contains('\n'))
            fail("a line of the text file holds a line break");
    }
    GameTextCodec::code(coded.data(), coded.size());
    if (coded != file)
        fail("coding the text file twice changed it");

    writeFile(GameTextCodec::textFilePath(gamePath), file);
    const Result<QStringList> list = GameTextCodec::loadCampaignList(gamePath);
    if (!list || !GameTextCodec::storeCampaignList(gamePath, *list))
        return;
    const Result<QStringList> again = GameTextCodec::loadCampaignList(gamePath);
    if (!again || *again != *list)
        fail("storing the campaign list unchanged changed it");
}

// The registry part: its first line is a path to resolve below the game
// folder (or the drive when no game is found), the rest is system.reg.
void exerciseRegistry(const Prefix &prefix, QByteArrayView part)
{
    const qsizetype lineEnd = part.indexOf('\n');
    const QByteArrayView relative = lineEnd < 0 ? part : part.first(lineEnd);
    writeFile(prefix.path() + QStringLiteral("/system.reg"),
              lineEnd < 0 ? QByteArrayView() : part.sliced(lineEnd + 1));
    QString message;
    const QString found = findGamePath(prefix.path(), &message);
    if (!found.isEmpty() && !(found + u'/').startsWith(prefix.drive() + u'/'))
        fail("the game folder lies outside the Wine prefix's drive");
    if (!found.isEmpty() && !QFileInfo(found).isDir())
        fail("the game folder found is no folder");

    const QString base = found.isEmpty() ? prefix.drive() : found;
    const QString name = QString::fromUtf8(relative);
    const QString resolved = resolveGameFile(base, name);
    // Without "." and ".." the file looked for lies below the folder.
    const QStringList parts = name.split(QRegularExpression(QStringLiteral("[\\\\/]")));
    const bool plain = std::none_of(parts.begin(), parts.end(), [](const QString &p) {
        return p == QLatin1String(".") || p == QLatin1String("..");
    });
    if (plain && !name.isEmpty() && !resolved.startsWith(base + u'/'))
        fail("a game file resolved outside its folder");
}

// Whether the chunk headers of `scenario`, read as the loader reads them,
// ask for at most kMaxShortfall bytes beyond its end.
bool shortfallBounded(QByteArrayView scenario)
{
    qint64 pos = 0;
    while (scenario.size() - pos >= ScenarioChunk::HeaderSize) {
        const auto *header = reinterpret_cast<const uchar *>(scenario.data() + pos);
        if (!ScenarioChunk::isValidHeader(header))
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
                doc.tradingPostOf(city);
                doc.SetCityOwner(city, city.owner() % 7);
            }
        }
        IslandLabel(*island);
    }
    for (int p = 0; p < 7; ++p) {
        doc.emptyShipsOf(p);
        doc.emptyCartsOf(p);
        doc.emptyTradingPostsOf(p);
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
    island.write(writer, true);
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

// The check, the JSON dump and the diff over loaded documents. They cost
// several times what the load and save cost, so they run for one input in
// 128, chosen by its bytes: an input that fails in them fails again when run
// alone.
bool toolsRunFor(QByteArrayView input)
{
    return qHash(input) % 128 == 0;
}

void exerciseTools(RumoSzen &doc, RumoSzen &reloaded)
{
    for (const Finding &finding : ScenarioCheck::Run(doc))
        finding.line();
    QByteArray json;
    QTextStream out(&json);
    writeScenarioJson(doc, out);
    out.flush();
    ScenarioDiff::toJson(ScenarioDiff::Compare(doc, reloaded));
}

QByteArray save(RumoSzen &doc)
{
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    if (!doc.writeTo(out))
        fail("saving into memory failed");
    return bytes;
}

bool load(RumoSzen &doc, QByteArray bytes)
{
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    return doc.Load(in, QStringLiteral("fuzz.szs")).ok();
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
    const QByteArrayView file = input.first(end < 0 ? input.size() : end);
    if (!shortfallBounded(file))
        return -1; // not worth keeping in the corpus

    std::array<QByteArray, fuzzinput::TemplateCount> templates;
    std::array<bool, fuzzinput::TemplateCount> named{};
    std::optional<QByteArrayView> textFile;
    std::optional<QByteArrayView> registry;
    while (end >= 0) {
        const qsizetype start = end + fuzzinput::Separator.size();
        end = input.indexOf(fuzzinput::Separator, start);
        const QByteArrayView part = input.sliced(start, (end < 0 ? input.size() : end) - start);
        if (part.isEmpty())
            continue;
        // A later part for the same file wins, as a later file would.
        const char selector = part.front();
        if (selector == fuzzinput::TextFileSelector) {
            textFile = part.sliced(1);
        } else if (selector == fuzzinput::RegistrySelector) {
            registry = part.sliced(1);
        } else {
            const int index = uchar(selector) % fuzzinput::TemplateCount;
            templates[size_t(index)] = part.sliced(1).toByteArray();
            named[size_t(index)] = true;
        }
    }
    game.prepare(templates, named);
    if (textFile)
        exerciseTextFile(game.path(), *textFile);
    if (registry) {
        static Prefix prefix;
        exerciseRegistry(prefix, *registry);
    }

    RumoSzen doc(game.path(), nullptr);
    if (!load(doc, file.toByteArray()))
        return 0;
    const QByteArray first = save(doc);

    // Whatever we write, we must be able to read again, with every record
    // the first load read, and saving that again must give the same bytes.
    RumoSzen reloaded(game.path(), nullptr);
    if (!load(reloaded, first))
        fail("the saved scenario does not load");
    if (const QString lost = scenario::recordsDiffer(doc, reloaded); !lost.isEmpty()) {
        std::fprintf(stderr, "fuzz_load: %s\n", qPrintable(lost));
        fail("the reload does not hold the records of the load");
    }
    const QByteArray second = save(reloaded);
    if (second != first) {
        reportDifference(first, second);
        fail("saving a saved scenario again changed it");
    }
    if (toolsRunFor(input))
        exerciseTools(doc, reloaded);

    // The map's edits on the reload; what they save is saved alike again.
    exerciseQueries(reloaded);
    for (const auto &island : reloaded.Islands()) {
        if (island)
            checkExport(*island);
    }
    const QByteArray edited = save(reloaded);
    if (edited != second) {
        RumoSzen again(game.path(), nullptr);
        if (!load(again, edited))
            fail("the saved edited scenario does not load");
        const QByteArray resaved = save(again);
        if (resaved != edited) {
            reportDifference(edited, resaved);
            fail("saving a saved edited scenario again changed it");
        }
    }
    return 0;
}
