#include "core/format/chunkfile.h"
#include "support/scenariobuilder.h"

#include <QBuffer>
#include <QtTest>

using namespace scenario;

namespace {

QByteArray heldBytes(const ChunkList &chunks)
{
    QByteArray all;
    for (const ScenarioChunk &c : chunks)
        all += QByteArray(reinterpret_cast<const char *>(c.block()), c.blockSize());
    return all;
}

} // namespace

class TestChunkFile : public QObject {
    Q_OBJECT

private slots:
    void readChunks_data();
    void readChunks();
};

void TestChunkFile::readChunks_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("held");

    const QByteArray a = chunk("A", "abc");
    QTest::newRow("empty file") << QByteArray() << QByteArray();
    QTest::newRow("15-character name")
        << chunk("ABCDEFGHIJKLMNO", "x") << chunk("ABCDEFGHIJKLMNO", "x");
    QTest::newRow("16-character name ends reading")
        << ScenarioBuilder().raw(a).rawHeader("ABCDEFGHIJKLMNOP", 0).raw(a).bytes() << a;
    QTest::newRow("length 1,000,000, payload cut short")
        << header("GROSS", 1000000) + "xyz"
        << header("GROSS", 1000000) + "xyz" + QByteArray(999997, '\0');
    QTest::newRow("length 1,000,001 ends reading")
        << a + header("GROSS", 1000001) + QByteArray(30, 'x') + a << a;
    QTest::newRow("negative length ends reading") << a + header("B", -1) + a << a;
    QTest::newRow("payload cut short")
        << header("B", 8) + "xyz" << header("B", 8) + "xyz" + QByteArray(5, '\0');
    QTest::newRow("zero length") << chunk("LEER", {}) + a << chunk("LEER", {}) + a;
    QTest::newRow("1 trailing byte dropped") << a + "x" << a;
    QTest::newRow("19 trailing bytes dropped") << a + pattern(19) << a;
    const QByteArray leftovers =
        ScenarioBuilder().rawHeader(QByteArray("AB\0rest of name", 15), 2).raw("hi").bytes();
    QTest::newRow("bytes after the name's zero") << leftovers << leftovers;
}

void TestChunkFile::readChunks()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, held);
    QBuffer in(&file);
    QVERIFY(in.open(QIODevice::ReadOnly));
    QCOMPARE(heldBytes(ReadChunks(in)), held);
}

QTEST_GUILESS_MAIN(TestChunkFile)
#include "tst_chunkfile.moc"
