#include "core/fields/cityfields.h"
#include "core/fields/islandfields.h"
#include "core/fields/missionfields.h"
#include "core/fields/playerfields.h"
#include "core/fields/settingsfields.h"
#include "core/fields/shipfields.h"
#include "core/fields/tradingpostfields.h"
#include "support/scenariobuilder.h"

#include <QtTest>
#include <functional>
#include <map>

using namespace scenario;

namespace {

// Another value of the same form, one the field can hold: an integer with
// its lowest bit flipped, tons one more.
QJsonValue otherValue(const QJsonValue &v)
{
    if (v.isBool())
        return !v.toBool();
    if (v.isString())
        return v.toString() == u"Neu" ? QStringLiteral("Alt") : QStringLiteral("Neu");
    if (v.toDouble() == double(v.toInteger()))
        return v.toInteger() ^ 1;
    return v.toDouble() + 1;
}

bool same(const QJsonValue &a, const QJsonValue &b)
{
    return a.isDouble() && b.isDouble() ? a.toDouble() == b.toDouble() : a == b;
}

// The value under a dotted key of the dump's object.
QJsonValue at(const QJsonObject &object, const QString &key)
{
    const qsizetype dot = key.indexOf(u'.');
    return dot < 0 ? object.value(key)
                   : at(object.value(key.left(dot)).toObject(), key.mid(dot + 1));
}

// Every row that the diff names has a text and every row the dump shows a
// value; a row that can be written reads back what it wrote, in the dump
// under its key, and the diff sees the change under its label.
template <class R> void writesWhatItReads(const RecordFields::Table<R> &table, QByteArray bytes)
{
    int writable = 0;
    for (const RecordFields::Field<R> &f : table) {
        const QByteArray row = (f.key.isEmpty() ? f.label : f.key).toUtf8();
        QVERIFY2(f.label.isEmpty() || f.text, row);
        QVERIFY2(f.key.isEmpty() || f.value, row);
        if (!f.write)
            continue;
        ++writable;
        QVERIFY2(f.value, row);
        R record(reinterpret_cast<uchar *>(bytes.data()));
        const QString textBefore = f.text ? f.text(record) : QString();
        const QJsonValue value = otherValue(f.value(record));
        f.write(record, value);
        QVERIFY2(same(f.value(record), value), row);
        if (!f.key.isEmpty())
            QVERIFY2(same(at(RecordFields::toJson(table, record), f.key), value), row);
        if (!f.label.isEmpty())
            QVERIFY2(f.text(record) != textBefore, row);
    }
    QVERIFY(writable > 0);
}

const std::map<QString, std::function<void(const QByteArray &)>> &checks()
{
    static const std::map<QString, std::function<void(const QByteArray &)>> map{
        {"settings", [](const QByteArray &b) { writesWhatItReads(RecordFields::settings(), b); }},
        {"player", [](const QByteArray &b) { writesWhatItReads(RecordFields::player(), b); }},
        {"mission", [](const QByteArray &b) { writesWhatItReads(RecordFields::mission(), b); }},
        {"city goal", [](const QByteArray &b) { writesWhatItReads(RecordFields::cityGoal(), b); }},
        {"island", [](const QByteArray &b) { writesWhatItReads(RecordFields::islandRecord(), b); }},
        {"city", [](const QByteArray &b) { writesWhatItReads(RecordFields::city(), b); }},
        {"trading post",
         [](const QByteArray &b) { writesWhatItReads(RecordFields::tradingPost(), b); }},
        {"ship", [](const QByteArray &b) { writesWhatItReads(RecordFields::ship(), b); }},
        {"cargo slot",
         [](const QByteArray &b) { writesWhatItReads(RecordFields::cargoSlot(), b); }},
    };
    return map;
}

} // namespace

class TestFields : public QObject {
    Q_OBJECT

private slots:
    void fieldWritesWhatItReads_data();
    void fieldWritesWhatItReads();
};

void TestFields::fieldWritesWhatItReads_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("record");
    IslandSpec island = placed(3, 40, 50, 20, 15);
    island.cityOwners = {0, 1, 7, 7, 7, 7, 7, 2};
    const QByteArray loaded = ship("Seeadler", 50, 60, 21, 1, 0, 1600, 4, {{2401, 0x4000 | 323}});
    QTest::newRow("settings") << "settings" << settings(40, 0x2AB);
    QTest::newRow("player") << "player" << player(2, "Anna");
    QTest::newRow("mission") << "mission" << mission(1, "Handle mit Tabak.");
    QTest::newRow("city goal") << "city goal" << pattern(12, 3);
    QTest::newRow("island") << "island" << islandRecord(island);
    QTest::newRow("city") << "city" << city(3, 1, 2, "Borkum", true);
    QTest::newRow("trading post") << "trading post" << tradingPost(3, 1, {32, 64, 99});
    QTest::newRow("ship") << "ship" << loaded;
    QTest::newRow("cargo slot") << "cargo slot" << loaded.mid(372, 8);
}

void TestFields::fieldWritesWhatItReads()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, record);
    checks().at(kind)(record);
}

QTEST_GUILESS_MAIN(TestFields)
#include "tst_fields.moc"
