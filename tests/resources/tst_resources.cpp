#include <QDirIterator>
#include <QFile>
#include <QSvgRenderer>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QString resourcesDir = QStringLiteral(MARBOLT_RESOURCES_DIR);

// Values of every attribute `attribute` on elements named `element`, or the
// element texts when `attribute` is empty.
QStringList readXml(const QString &path, const QString &element, const QString &attribute)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList values;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == element)
            values << (attribute.isEmpty() ? xml.readElementText()
                                           : xml.attributes().value(attribute).toString());
    }
    if (xml.hasError())
        return {};
    return values;
}

QStringList qrcFiles()
{
    return readXml(resourcesDir + "/marbolt.qrc", "file", {});
}

} // namespace

class TestResources : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(marbolt);
        QVERIFY(!qrcFiles().isEmpty());
    }

    void pictureIsValid_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        for (const QString &file : qrcFiles()) {
            QSize size(64, 64);
            if (file.startsWith("icons/"))
                size = QSize(31, 30);
            else if (file.startsWith("switches/"))
                size = QSize(36, 36);
            else if (file.startsWith("groups/"))
                size = QSize(32, 32);
            else if (file.startsWith("thumbs/"))
                size = QSize(57, 61);
            else if (file.startsWith("ships/"))
                size = QSize(64, 40);
            else if (file.startsWith("goods/"))
                size = QSize(48, 46);
            else if (file.startsWith("arms/"))
                size = QSize(27, 33);
            else if (file == "title.svg")
                size = QSize(94, 57);
            QTest::newRow(qPrintable(file)) << file << size;
        }
    }

    // Every listed picture is compiled in, draws, and has the size its buttons expect.
    void pictureIsValid()
    {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        QSvgRenderer renderer(":/" + file);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.defaultSize(), size);
        QCOMPARE(renderer.viewBoxF(), QRectF(QPointF(0, 0), size));
    }

    // A picture added to the folders but forgotten in the .qrc would be missing at run time.
    void everyPictureIsListed()
    {
        const QStringList listed = qrcFiles();
        QDirIterator it(resourcesDir, {"*.svg"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = QDir(resourcesDir).relativeFilePath(it.next());
            QVERIFY2(listed.contains(file), qPrintable(file));
        }
    }

    void desktopEntryOpensTheRegisteredFileTypes()
    {
        QFile desktop(resourcesDir + "/io.github.tobrel.marbolt.desktop");
        QVERIFY(desktop.open(QIODevice::ReadOnly | QIODevice::Text));
        QStringList opened;
        for (const QByteArray &line : desktop.readAll().split('\n'))
            if (line.startsWith("MimeType="))
                opened = QString::fromUtf8(line.mid(9)).split(';', Qt::SkipEmptyParts);
        QStringList registered =
            readXml(resourcesDir + "/io.github.tobrel.marbolt.mime.xml", "mime-type", "type");
        QCOMPARE(registered.size(), 6); // the five kinds and the content they share
        opened.sort();
        registered.sort();
        QCOMPARE(opened, registered);
    }
};

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
