#include "core/check/scenariodiff.h"

#include "core/check/difffields.h"
#include "core/common/checkmessages.h"
#include "core/document/rumoszen.h"
#include "core/format/chunknames.h"

#include <QJsonObject>
#include <algorithm>
#include <cstring>
#include <map>
#include <set>

namespace {

using DiffFields::Field;
using DiffFields::Fields;
using DiffFields::Shown;

// Runs of unnamed bytes listed one by one per record or chunk; the rest is
// summed up in one line.
constexpr int kListedPlaces = 8;
// Bytes of a run shown in full.
constexpr qsizetype kShownBytes = 8;
// Characters of a text shown around its first difference.
constexpr int kShownChars = 40;

// Where a record lies: its chunk's name and its offset in that chunk's
// payload; or the record in a chunk payload of `doc`, looked up only when a
// byte of it has to be named.
struct Where {
    QByteArray chunk;
    qsizetype offset = 0;
    const RumoSzen *doc = nullptr;
    const uchar *record = nullptr;
};

QString hexBytes(const uchar *bytes, qsizetype count)
{
    QStringList parts;
    for (qsizetype i = 0; i < std::min(count, kShownBytes); ++i)
        parts << QStringLiteral("%1").arg(bytes[i], 2, 16, QLatin1Char('0'));
    if (count > kShownBytes)
        parts << QStringLiteral("…");
    return parts.join(QLatin1Char(' '));
}

// A text value for the line: one line, and where it is long, the part around
// its first difference from `other`.
QString excerpt(QString text, const QString &other)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(QLatin1Char('\n'), ' ');
    if (text.size() <= kShownChars + 2)
        return text;
    qsizetype first = 0;
    while (first < text.size() && first < other.size() && text[first] == other[first])
        ++first;
    const qsizetype from = std::max<qsizetype>(0, first - kShownChars / 2);
    QString part = text.mid(from, kShownChars);
    if (from > 0)
        part.prepend(QStringLiteral("…"));
    if (from + kShownChars < text.size())
        part.append(QStringLiteral("…"));
    return part;
}

// The chunks a load decodes: up to the TIMERS chunk that ends its walk, of a
// name it knows. Every other chunk is carried as read. An empty chunk of a
// known name holds no byte; a save writes such chunks as the islands need them.
bool decoded(const RumoSzen &doc, size_t index)
{
    const auto end = doc.settingsChunkIndex();
    const ScenarioChunk &chunk = doc.chunks()[index];
    return end && index <= *end && ChunkNames::isDecoded(chunk.nameView());
}

// The chunks of one name, in file order, that `keep` selects.
template <class Keep>
std::map<QByteArray, std::vector<const ScenarioChunk *>>
chunksByName(const RumoSzen &doc, std::vector<QByteArray> &order, Keep keep)
{
    std::map<QByteArray, std::vector<const ScenarioChunk *>> named;
    for (size_t i = 0; i < doc.chunks().size(); ++i) {
        if (!keep(i))
            continue;
        const QByteArray name = doc.chunks()[i].name();
        auto &list = named[name];
        if (list.empty() && std::find(order.begin(), order.end(), name) == order.end())
            order.push_back(name);
        list.push_back(&doc.chunks()[i]);
    }
    return named;
}

class Differ {
public:
    Differ(RumoSzen &a, RumoSzen &b) : a_(a), b_(b) {}

    QList<DiffLine> run()
    {
        settings();
        for (int slot = 0; slot < PlayerRecord::Count; ++slot) {
            compareRecord("player", msg::diffPlayer(slot), DiffFields::Player(),
                          a_.players().player(slot).data(), b_.players().player(slot).data(),
                          PlayerRecord::Size,
                          Where{ChunkNames::Players, qsizetype(PlayerRecord::Size) * slot});
        }
        for (int m = 0; m < MissionRecord::Count; ++m) {
            compareRecord("mission", msg::diffMission(m), DiffFields::Mission(),
                          a_.missions().mission(m).data(), b_.missions().mission(m).data(),
                          MissionRecord::Size,
                          Where{ChunkNames::Missions, qsizetype(MissionRecord::Size) * m});
        }
        islands();
        references();
        unplacedSettlements();
        ships();
        carriedChunks();
        return lines_;
    }

private:
    void line(const char *area, const QString &object, const QString &field, const QString &before,
              const QString &after, const QString &text)
    {
        lines_.append(DiffLine{QString::fromLatin1(area), object, field, before, after, text});
    }
    void changed(const char *area, const QString &object, const QString &field,
                 const QString &before, const QString &after)
    {
        line(area, object, field, before, after, msg::diffChanged(object, field, before, after));
    }
    void presence(const char *area, const QString &object, bool added)
    {
        line(area, object, {}, {}, {}, added ? msg::diffAdded(object) : msg::diffRemoved(object));
    }
    void fieldChanged(const char *area, const QString &object, const Field &f,
                      const QString &before, const QString &after)
    {
        const QString label = f.labelText();
        if (f.shown == Shown::Position) {
            const QStringList from = before.split(QStringLiteral(", "));
            const QStringList to = after.split(QStringLiteral(", "));
            line(area, object, label, before, after,
                 msg::diffMoved(object, from.value(0).toInt(), from.value(1).toInt(),
                                to.value(0).toInt(), to.value(1).toInt()));
        } else if (f.shown == Shown::Text) {
            line(area, object, label, before, after,
                 msg::diffChanged(object, label, excerpt(before, after), excerpt(after, before)));
        } else {
            changed(area, object, label, before, after);
        }
    }

    // Compares two records of `size` bytes field by field. A byte that
    // differs and changes none of the fields reported, when put alone into
    // the other record, is named by no field: it is reported by its place in
    // the chunk, `where` being the record's start in the second file.
    void compareRecord(const char *area, const QString &object, const Fields &fields,
                       const uchar *a, const uchar *b, qsizetype size, const Where &where)
    {
        if (std::memcmp(a, b, size_t(size)) == 0)
            return;
        QStringList before;
        QStringList after;
        std::vector<size_t> reported;
        for (size_t k = 0; k < fields.size(); ++k) {
            before << fields[k].value(a);
            after << fields[k].value(b);
            if (before.back() != after.back()) {
                fieldChanged(area, object, fields[k], before.back(), after.back());
                reported.push_back(k);
            }
        }
        // Probed both ways: a text that grew past its old end changes the
        // new text when its byte is put back, not the old one.
        std::vector<uchar> probeA(a, a + size);
        std::vector<uchar> probeB(b, b + size);
        std::vector<bool> unnamed(size_t(size), false);
        for (qsizetype i = 0; i < size; ++i) {
            if (a[i] == b[i])
                continue;
            probeA[size_t(i)] = b[i];
            probeB[size_t(i)] = a[i];
            const bool named = std::any_of(reported.begin(), reported.end(), [&](size_t k) {
                return fields[k].value(probeA.data()) != before[qsizetype(k)] ||
                       fields[k].value(probeB.data()) != after[qsizetype(k)];
            });
            probeA[size_t(i)] = a[i];
            probeB[size_t(i)] = b[i];
            unnamed[size_t(i)] = !named;
        }
        unnamedBytes(where, a, b, unnamed);
    }

    // Reports the runs of bytes marked in `unnamed` (offsets from `where`).
    void unnamedBytes(const Where &place, const uchar *a, const uchar *b,
                      const std::vector<bool> &unnamed)
    {
        if (std::find(unnamed.begin(), unnamed.end(), true) == unnamed.end())
            return;
        const Where where = place.doc ? locate(*place.doc, place.record) : place;
        const QString object = msg::diffChunk(QString::fromLatin1(where.chunk));
        qsizetype runs = 0;
        for (size_t i = 0; i < unnamed.size();) {
            if (!unnamed[i]) {
                ++i;
                continue;
            }
            size_t end = i;
            while (end < unnamed.size() && unnamed[end])
                ++end;
            if (++runs <= kListedPlaces) {
                const qsizetype count = qsizetype(end - i);
                changed("chunk", object, msg::diffBytes(where.offset + qsizetype(i), count),
                        hexBytes(a + i, count), hexBytes(b + i, count));
            }
            i = end;
        }
        if (runs > kListedPlaces)
            line("chunk", object, {}, {}, {}, msg::diffMorePlaces(object, runs - kListedPlaces));
    }
    // Every differing byte of two byte ranges of the same size.
    void rawBytes(const Where &where, const uchar *a, const uchar *b, qsizetype size)
    {
        std::vector<bool> differ(size_t(size), false);
        for (qsizetype i = 0; i < size; ++i)
            differ[size_t(i)] = a[i] != b[i];
        unnamedBytes(where, a, b, differ);
    }

    // The chunk and offset of a record that views a chunk payload of `doc`.
    // The chunks of a loaded file lie one after the other in one block, but
    // a last one cut short has a block of its own, so it is looked at first.
    static Where locate(const RumoSzen &doc, const uchar *record)
    {
        const std::less<const uchar *> before;
        auto holds = [&](const ScenarioChunk &chunk) {
            return !before(record, chunk.payload()) &&
                   before(record, chunk.payload() + chunk.length());
        };
        const ChunkList &chunks = doc.chunks();
        if (chunks.empty())
            return Where{};
        auto found = [&](const ScenarioChunk &chunk) {
            return Where{chunk.name(), qsizetype(record - chunk.payload())};
        };
        const ScenarioChunk &last = chunks[chunks.size() - 1];
        if (holds(last))
            return found(last);
        const auto it = std::upper_bound(
            chunks.begin(), chunks.end() - 1, record,
            [&](const uchar *p, const ScenarioChunk &chunk) { return before(p, chunk.block()); });
        if (it != chunks.begin() && holds(*(it - 1)))
            return found(*(it - 1));
        return Where{};
    }
    static Where in(const RumoSzen &doc, const uchar *record) { return Where{{}, 0, &doc, record}; }

    void settings()
    {
        const QString object = msg::diffSettings();
        compareRecord("settings", object, DiffFields::Settings(), a_.settings().data(),
                      b_.settings().data(), ScenarioSettings::Size, Where{ChunkNames::Settings, 0});
        if (a_.CampaignNumber() != b_.CampaignNumber()) {
            auto campaign = [](int n) { return n < 0 ? msg::diffNothing() : QString::number(n); };
            changed("settings", object, QCoreApplication::translate("RecordFields", "Kampagne"),
                    campaign(a_.CampaignNumber()), campaign(b_.CampaignNumber()));
        }
        // The NAME chunks of a savegame, pair by pair.
        std::vector<QByteArray> order;
        const auto isName = [](const RumoSzen &doc) {
            return [&doc](size_t i) {
                return decoded(doc, i) && doc.chunks()[i].nameView() == ChunkNames::SavegameName;
            };
        };
        auto na = chunksByName(a_, order, isName(a_))[ChunkNames::SavegameName];
        auto nb = chunksByName(b_, order, isName(b_))[ChunkNames::SavegameName];
        const Field nameField{QT_TRANSLATE_NOOP("RecordFields", "Szenarioname"), {}, Shown::Text};
        for (size_t k = 0; k < std::max(na.size(), nb.size()); ++k) {
            auto name = [](const std::vector<const ScenarioChunk *> &list, size_t k) {
                return k < list.size() ? RecordFields::text(
                                             ansi::readField(list[k]->payload(), list[k]->length()))
                                       : msg::diffNothing();
            };
            const QString before = name(na, k);
            const QString after = name(nb, k);
            if (before != after)
                fieldChanged("settings", object, nameField, before, after);
            if (k < na.size() && k < nb.size()) {
                const qsizetype size = std::min(na[k]->length(), nb[k]->length());
                std::vector<bool> unnamed(size_t(size), false);
                // Bytes after the name's zero are carried unread.
                const qsizetype end = std::max(qsizetype(before.size()), qsizetype(after.size()));
                for (qsizetype i = 0; i < size; ++i)
                    unnamed[size_t(i)] =
                        na[k]->payload()[i] != nb[k]->payload()[i] && (before == after || i > end);
                unnamedBytes(Where{ChunkNames::SavegameName, 0}, na[k]->payload(), nb[k]->payload(),
                             unnamed);
                sizeChanged(ChunkNames::SavegameName, na[k]->length(), nb[k]->length());
            }
        }
    }
    void sizeChanged(const QByteArray &chunk, qint64 before, qint64 after)
    {
        if (before != after) {
            const QString name = QString::fromLatin1(chunk);
            line("chunk", msg::diffChunk(name), {}, QString::number(before), QString::number(after),
                 msg::diffChunkChanged(name, before, after));
        }
    }

    void islands()
    {
        const size_t count = std::max(a_.Islands().size(), b_.Islands().size());
        for (size_t n = 0; n < count; ++n) {
            const Insel *a = a_.island(int(n));
            const Insel *b = b_.island(int(n));
            const QString object = msg::diffIsland(int(n));
            if (!a || !b) {
                if (a || b)
                    presence("island", object, b != nullptr);
                continue;
            }
            if (a->fromChunk() != b->fromChunk()) {
                changed("island", object, msg::diffIslandSource(),
                        msg::diffFromChunk(a->fromChunk()), msg::diffFromChunk(b->fromChunk()));
            } else if (a->fromChunk()) {
                // An island of the scenario's own: its record and its layers
                // as the file holds them. One built from a template is its
                // reference in the SZENE payload (see references()).
                const auto &oldA = a->oldLayoutPayload();
                const auto &oldB = b->oldLayoutPayload();
                if (!oldA.empty() && oldA.size() == oldB.size()) {
                    compareRecord("island", object, DiffFields::OldIsland(), oldA.data(),
                                  oldB.data(), qsizetype(oldA.size()),
                                  Where{ChunkNames::OldIsland, 0});
                } else {
                    compareRecord("island", object, DiffFields::Island(), a->record().data(),
                                  b->record().data(), IslandRecord::Size,
                                  Where{ChunkNames::Island, 0});
                }
                layers(object, *a, *b);
            }
            cities(*a, *b);
            tradingPosts(*a, *b);
            deer(object, a->deer(), b->deer());
        }
    }

    // Tiles are many and their fields are shown on the map, so the changed
    // ones are counted per layer.
    void layers(const QString &island, const Insel &a, const Insel &b)
    {
        const size_t count = std::max(a.layers().size(), b.layers().size());
        for (size_t l = 0; l < count; ++l) {
            const QString name = msg::diffLayerName(int(l));
            if (l >= a.layers().size() || l >= b.layers().size()) {
                presence("island", QStringLiteral("%1: %2").arg(island, name),
                         l < b.layers().size());
                continue;
            }
            const Inselhaus &la = *a.layers()[l];
            const Inselhaus &lb = *b.layers()[l];
            const int tiles = std::min(la.tileCount(), lb.tileCount());
            qsizetype differ = 0;
            for (int t = 0; t < tiles; ++t) {
                differ += std::memcmp(la.tile(t).data(), lb.tile(t).data(), TileRecord::Size) != 0;
            }
            if (la.tileCount() != lb.tileCount()) {
                changed("island", island, msg::diffTiles(name), QString::number(la.tileCount()),
                        QString::number(lb.tileCount()));
            }
            if (differ > 0) {
                line("island", island, msg::diffTiles(name), {}, {},
                     msg::diffTilesChanged(island, differ, name));
            }
            const qsizetype restA = la.byteSize() - qsizetype(la.tileCount()) * TileRecord::Size;
            const qsizetype restB = lb.byteSize() - qsizetype(lb.tileCount()) * TileRecord::Size;
            const QByteArrayView tailA(la.tiles() + la.byteSize() - restA, restA);
            const QByteArrayView tailB(lb.tiles() + lb.byteSize() - restB, restB);
            if (tailA != tailB) {
                changed("island", island, msg::diffLayerRest(name),
                        hexBytes(la.tiles() + la.byteSize() - restA, restA),
                        hexBytes(lb.tiles() + lb.byteSize() - restB, restB));
            }
        }
    }

    // Deer records show only their island; they are counted like tiles.
    void deer(const QString &island, const DeerList &a, const DeerList &b)
    {
        const size_t count = std::min(a.size(), b.size());
        if (a.size() != b.size()) {
            changed("island", island, msg::diffDeer(), QString::number(a.size()),
                    QString::number(b.size()));
        }
        qsizetype differ = 0;
        for (size_t i = 0; i < count; ++i)
            differ += std::memcmp(a.at(i).data(), b.at(i).data(), DeerRecord::Size) != 0;
        if (differ > 0)
            line("island", island, msg::diffDeer(), {}, {}, msg::diffDeerChanged(island, differ));
    }

    void cities(const Insel &a, const Insel &b)
    {
        const size_t count = std::max(a.cities().size(), b.cities().size());
        for (size_t slot = 0; slot < count; ++slot) {
            const CityRecord ca = a.cityInSlot(int(slot));
            const CityRecord cb = b.cityInSlot(int(slot));
            if (!ca && !cb)
                continue;
            const QString object = msg::diffCity((ca ? ca : cb).name(), b.number());
            if (!ca || !cb)
                presence("city", object, bool(cb));
            else
                compareRecord("city", object, DiffFields::City(), ca.data(), cb.data(),
                              CityRecord::Size, in(b_, cb.data()));
        }
    }

    // Trading posts pair up by the city slot they belong to, in reading order.
    void tradingPosts(const Insel &a, const Insel &b)
    {
        auto bySlot = [](const Insel &island) {
            std::map<int, std::vector<TradingPostRecord>> posts;
            for (const TradingPostRecord &p : island.tradingPosts())
                posts[p.citySlot()].push_back(p);
            return posts;
        };
        auto pa = bySlot(a);
        auto pb = bySlot(b);
        for (auto &[slot, list] : pb)
            pa[slot];
        for (const auto &[slot, listA] : pa) {
            const auto &listB = pb[slot];
            const CityRecord city = a.cityInSlot(slot) ? a.cityInSlot(slot) : b.cityInSlot(slot);
            const QString object =
                msg::diffTradingPost(city ? city.name() : QString(), b.number(), slot);
            for (size_t k = 0; k < std::max(listA.size(), listB.size()); ++k) {
                if (k >= listA.size() || k >= listB.size())
                    presence("tradingPost", object, k < listB.size());
                else
                    compareRecord("tradingPost", object, DiffFields::TradingPost(), listA[k].data(),
                                  listB[k].data(), TradingPostRecord::Size,
                                  in(b_, listB[k].data()));
            }
        }
    }

    // Settlements the load read but could not place, pair by pair in
    // reading order; their deer counted per island number.
    void unplacedSettlements()
    {
        const auto flatten = [](const RumoSzen &doc) {
            std::pair<std::vector<CityRecord>, std::vector<TradingPostRecord>> lists;
            for (const UnplacedSettlements &u : doc.unplacedSettlements()) {
                lists.first.insert(lists.first.end(), u.cities.begin(), u.cities.end());
                lists.second.insert(lists.second.end(), u.tradingPosts.begin(),
                                    u.tradingPosts.end());
            }
            return lists;
        };
        const auto [citiesA, postsA] = flatten(a_);
        const auto [citiesB, postsB] = flatten(b_);
        auto compareList = [this](const char *area, const auto &la, const auto &lb, auto objectOf,
                                  const Fields &fields, qsizetype size) {
            for (size_t k = 0; k < std::max(la.size(), lb.size()); ++k) {
                const auto &some = k < la.size() ? la[k] : lb[k];
                const QString object = objectOf(some);
                if (k >= la.size() || k >= lb.size())
                    presence(area, object, k < lb.size());
                else
                    compareRecord(area, object, fields, la[k].data(), lb[k].data(), size,
                                  in(b_, lb[k].data()));
            }
        };
        compareList(
            "city", citiesA, citiesB,
            [](const CityRecord &c) {
                return QStringLiteral("%1 (%2)").arg(msg::diffCity(c.name(), c.islandNumber()),
                                                     msg::diffSettlementWithoutIsland());
            },
            DiffFields::City(), CityRecord::Size);
        compareList(
            "tradingPost", postsA, postsB,
            [](const TradingPostRecord &p) {
                return QStringLiteral("%1 (%2)").arg(
                    msg::diffTradingPost(QString(), p.islandNumber(), p.citySlot()),
                    msg::diffSettlementWithoutIsland());
            },
            DiffFields::TradingPost(), TradingPostRecord::Size);
        const auto deerOf = [](const RumoSzen &doc, int number) {
            for (const UnplacedSettlements &u : doc.unplacedSettlements()) {
                if (u.island == number)
                    return u.deer;
            }
            return DeerList();
        };
        std::set<int> numbers;
        for (const RumoSzen *doc : {&a_, &b_}) {
            for (const UnplacedSettlements &u : doc->unplacedSettlements())
                numbers.insert(u.island);
        }
        for (int number : numbers) {
            deer(QStringLiteral("%1 (%2)").arg(msg::diffIsland(number),
                                               msg::diffSettlementWithoutIsland()),
                 deerOf(a_, number), deerOf(b_, number));
        }
    }

    // The SZENE payloads pair by pair: the count of references, each
    // reference (an island built from a template) by its place in the list,
    // and every other byte.
    void references()
    {
        std::vector<QByteArray> order;
        const auto isSzene = [](const RumoSzen &doc) {
            return [&doc](size_t i) {
                return decoded(doc, i) && doc.chunks()[i].nameView() == ChunkNames::Szene;
            };
        };
        auto sa = chunksByName(a_, order, isSzene(a_))[ChunkNames::Szene];
        auto sb = chunksByName(b_, order, isSzene(b_))[ChunkNames::Szene];
        const QString object = msg::diffReferences();
        for (size_t k = 0; k < std::max(sa.size(), sb.size()); ++k) {
            if (k >= sa.size() || k >= sb.size()) {
                presence("island", msg::diffChunk(QString::fromLatin1(ChunkNames::Szene)),
                         k < sb.size());
                continue;
            }
            const uchar *pa = sa[k]->payload();
            const uchar *pb = sb[k]->payload();
            const qsizetype la = sa[k]->length();
            const qsizetype lb = sb[k]->length();
            auto referencesIn = [](const uchar *p, qsizetype length) -> qsizetype {
                if (length < IslandReference::CountOffset + 4)
                    return 0;
                const qint64 fit = std::max<qint64>(0, (length - IslandReference::FirstOffset) /
                                                           IslandReference::Size);
                return qsizetype(
                    std::clamp<qint64>(le::i32(p, IslandReference::CountOffset), 0, fit));
            };
            const qsizetype na = referencesIn(pa, la);
            const qsizetype nb = referencesIn(pb, lb);
            std::vector<bool> rest(size_t(std::min(la, lb)), false);
            for (qsizetype i = 0; i < qsizetype(rest.size()); ++i)
                rest[size_t(i)] = pa[i] != pb[i];
            if (la >= IslandReference::CountOffset + 4 && lb >= IslandReference::CountOffset + 4) {
                const qint32 ca = le::i32(pa, IslandReference::CountOffset);
                const qint32 cb = le::i32(pb, IslandReference::CountOffset);
                if (ca != cb)
                    changed("island", object, msg::diffReferenceCount(), QString::number(ca),
                            QString::number(cb));
                for (int i = 0; i < 4; ++i)
                    rest[size_t(IslandReference::CountOffset) + size_t(i)] = false;
            }
            for (qsizetype r = 0; r < std::max(na, nb); ++r) {
                const qsizetype offset = IslandReference::FirstOffset + r * IslandReference::Size;
                const IslandReference ra(const_cast<uchar *>(pa) + offset);
                const IslandReference rb(const_cast<uchar *>(pb) + offset);
                const QString island =
                    msg::diffIsland(r < nb ? rb.islandNumber() : ra.islandNumber());
                if (r >= na || r >= nb)
                    presence("island", island, r < nb);
                else
                    compareRecord("island", island, DiffFields::Reference(), ra.data(), rb.data(),
                                  IslandReference::Size, Where{ChunkNames::Szene, offset});
                for (int i = 0; i < IslandReference::Size; ++i) {
                    if (offset + i < qsizetype(rest.size()))
                        rest[size_t(offset + i)] = false;
                }
            }
            unnamedBytes(Where{ChunkNames::Szene, 0}, pa, pb, rest);
            sizeChanged(ChunkNames::Szene, la, lb);
        }
    }

    // Ships and carts pair up by their place in the list, which a save
    // keeps: a renamed ship is the same ship with a new name.
    void ships()
    {
        const auto &la = a_.Ships();
        const auto &lb = b_.Ships();
        for (size_t k = 0; k < std::max(la.size(), lb.size()); ++k) {
            const ShipRecord &some = k < la.size() ? la[k] : lb[k];
            const QString object = msg::diffShip(some.isCart(), int(k), some.name());
            if (k >= la.size() || k >= lb.size())
                presence("ship", object, k < lb.size());
            else
                compareRecord("ship", object, DiffFields::Ship(), la[k].data(), lb[k].data(),
                              ShipRecord::Size, in(b_, lb[k].data()));
        }
    }

    // The chunks the editor carries without reading them, compared by name
    // and position among the chunks of that name.
    void carriedChunks()
    {
        std::vector<QByteArray> order;
        auto ca = chunksByName(a_, order, [this](size_t i) { return !decoded(a_, i); });
        auto cb = chunksByName(b_, order, [this](size_t i) { return !decoded(b_, i); });
        for (const QByteArray &name : order) {
            const auto &la = ca[name];
            const auto &lb = cb[name];
            const QString object = msg::diffChunk(QString::fromLatin1(name));
            for (size_t k = 0; k < std::max(la.size(), lb.size()); ++k) {
                if (k >= la.size() || k >= lb.size()) {
                    presence("chunk", object, k < lb.size());
                    continue;
                }
                const qsizetype size = std::min(la[k]->length(), lb[k]->length());
                rawBytes(Where{name, 0}, la[k]->payload(), lb[k]->payload(), size);
                sizeChanged(name, la[k]->length(), lb[k]->length());
            }
        }
    }

    RumoSzen &a_;
    RumoSzen &b_;
    QList<DiffLine> lines_;
};

} // namespace

QList<DiffLine> ScenarioDiff::Compare(RumoSzen &a, RumoSzen &b)
{
    return Differ(a, b).run();
}

QJsonArray ScenarioDiff::toJson(const QList<DiffLine> &lines)
{
    QJsonArray array;
    for (const DiffLine &d : lines) {
        array.append(QJsonObject{{"area", d.area},
                                 {"object", d.object},
                                 {"field", d.field},
                                 {"before", d.before},
                                 {"after", d.after},
                                 {"text", d.text}});
    }
    return array;
}
