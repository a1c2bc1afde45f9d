#pragma once

// Composes scenario files and island template files byte by byte. The
// builder knows the file layout on its own, from the offsets written in
// scenariobuilder.cpp, and uses none of the program's record classes: a wrong
// offset in the program then shows up as a failed comparison instead of
// being repeated here. Bytes that the program only carries are filled with a
// recognisable non-zero pattern, so a round trip proves that they survive.

#include "core/format/chunknames.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QList>
#include <QString>
#include <array>
#include <utility>

class TempGameInstallation;

namespace scenario {

// `size` bytes of the carried-bytes pattern, none of them zero; different
// seeds give different sequences.
QByteArray pattern(int size, int seed = 0);

// A chunk header as the program writes it: the name, zeros to the end of the
// 16-byte name field, then the length (int32).
QByteArray header(const QByteArray &name, qint32 length);
QByteArray chunk(const QByteArray &name, const QByteArray &payload);

// --- islands -------------------------------------------------------------

struct IslandSpec {
    int number = 1;
    int width = 20;
    int height = 15;
    int x = 10;
    int y = 10;
    int ownGround = 1; // 0: the ground layer comes from the template
    int climate = 0;
    int sizeClass = 0;
    int templateNumber = 65535;
    std::array<quint8, 8> cityOwners = {7, 7, 7, 7, 7, 7, 7, 7};
};

// An island record's essentials: number, place and size; the rest default.
IslandSpec placed(int number, int x, int y, int width, int height);

// "INSEL5" payload, 116 bytes.
QByteArray islandRecord(const IslandSpec &island);
// "INSEL_MAXFUN" payload of older files, 80 bytes.
QByteArray oldIslandRecord(const IslandSpec &island);
// What an old record becomes in the 116-byte layout.
QByteArray convertedOldRecord(const QByteArray &old);

// One 8-byte tile of an "INSELHAUS" layer; citySlot 7 = no city, player 7 =
// unowned. The bits around the fields are carried and patterned.
QByteArray tile(int building, int column, int row, bool orientation = true, int citySlot = 7,
                int player = 7);

struct ReferenceSpec {
    int climate = 0;
    int sizeClass = 0;
    bool native = false;
    int number = 1;
    int templateNumber = 65535;
    int x = 0;
    int y = 0;
};
// One 16-byte island reference of the SZENE payload.
QByteArray islandReference(const ReferenceSpec &reference);
// SZENE payload: 372 bytes with the reference count at 100 (`count` < 0:
// the number of references given), the references, then `tail`.
QByteArray szene(const QByteArrayList &references, int count = -1,
                 const QByteArray &tail = pattern(24, 90));
// An island template file (*.scp): the record chunk, then one "INSELHAUS"
// chunk per layer.
QByteArray templateFile(const QByteArray &record, const QByteArrayList &layers,
                        const QByteArray &recordChunk = ChunkNames::Island);

// --- settlements ---------------------------------------------------------

QByteArray city(int island, int slot, int owner, const QByteArray &name,
                bool buildStop = false); // 168 bytes
// 1004 bytes; `amounts` (1/32 t) go into the first slots, the others keep
// patterned amounts.
QByteArray tradingPost(int island, int citySlot, const QList<quint32> &amounts = {});
QByteArray deer(int island); // 8 bytes
// `count` deer records of one island, told apart by a running number in
// their bytes 1 to 4, starting at `first`.
QByteArray deerRun(int island, int count, int first = 0);

// --- players, missions, settings, ships ----------------------------------

QByteArray player(int colour, const QByteArray &name = {}); // 1072 bytes
// "PLAYER4" payload: seven players with these colour codes.
QByteArray players(const std::array<int, 7> &colours = {0, 1, 2, 3, 4, 5, 6});
QByteArray mission(qint32 number, const QByteArray &text);            // 2244 bytes
QByteArray settings(quint32 maxShips = 33, quint32 switches = 0x2AA); // 664 bytes
// 436 bytes; cargo as (goods, amount word) pairs for the first slots.
QByteArray ship(const QByteArray &name, int x, int y, int figure = 21, int kind = 1, int owner = 0,
                int energy = 1600, int guns = 4,
                const QList<std::pair<quint16, quint16>> &cargo = {});

// --- whole files ---------------------------------------------------------

// Chunks appended in order.
class ScenarioBuilder {
public:
    ScenarioBuilder &chunk(const QByteArray &name, const QByteArray &payload);
    // A header whose 16-byte name field is given as is (padded with zeros
    // when shorter), followed by nothing; append the payload with raw().
    ScenarioBuilder &rawHeader(const QByteArray &nameField, qint32 length);
    ScenarioBuilder &raw(const QByteArray &bytes);
    QByteArray bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

// A file holding nothing but a TIMERS chunk.
QByteArray minimalScenario();

// A scenario with every kind of chunk the program knows and a few it does
// not; see richScenario() for its content.
struct RichScenario {
    QByteArray file;
    // What saving the loaded scenario without an edit must write.
    QByteArray saved;
    // Template files below the game folder the scenario needs.
    QList<std::pair<QString, QByteArray>> templates;

    void install(TempGameInstallation &game) const;
};
RichScenario richScenario();

} // namespace scenario
