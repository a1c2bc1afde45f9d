#include "core/common/messages.h"
#include "core/document/rumoszen.h"
#include "core/map/worldrenderer.h"
#include "editor/app/tmainform.h"
#include "editor/map/objecttree.h"
#include "support/gameinstallation.h"
#include "support/scenariobuilder.h"
#include "support/tempfiles.h"
#include "support/ui/scriptedprompts.h"
#include "support/ui/windowfixture.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QtTest>
#include <cerrno>
#include <cstring>

using namespace scenario;

// "Karte als Bild speichern…" in the main window: the size, the file, the
// question before a file is replaced, and what a failure says.
class TestMapPicture : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void enabledWithAScenario();
    void savesAtTheChosenSize_data();
    void savesAtTheChosenSize();
    void failureNamesTheFileAndTheReason();

private:
    QAction *action() const { return window_->findChild<QAction *>("SaveMapPictureAction"); }
    QString sizeChoice(int scale) const
    {
        return "choice: " + msg::mapPictureScaleLabel() + ' ' +
               msg::mapPictureScale(scale, 512 * scale, 352 * scale);
    }

    RichScenario rich_;
    QString source_;
};

void TestMapPicture::initTestCase()
{
    setUpGame();
    rich_ = richScenario();
    rich_.install(*game_);
}

void TestMapPicture::init()
{
    setUpWindow();
    source_ = dir_->filePath(QStringLiteral("Quelle.szs"));
    testfiles::write(source_, rich_.file);
}

void TestMapPicture::cleanup()
{
    tearDownWindow();
}

void TestMapPicture::enabledWithAScenario()
{
    QVERIFY(action());
    QCOMPARE(action()->text(), QStringLiteral("&Karte als Bild speichern…"));
    QVERIFY(window_->findChild<QMenu *>("MainMenu1")->actions().contains(action()));
    QVERIFY(!action()->isEnabled());
    QVERIFY(window_->openScenario(source_));
    QVERIFY(action()->isEnabled());
    QVERIFY(window_->openScenario(dir_->filePath(QStringLiteral("fehlt.szs"))));
    QVERIFY(!window_->document());
    QVERIFY(!action()->isEnabled());
}

void TestMapPicture::savesAtTheChosenSize_data()
{
    QTest::addColumn<int>("choice");        // index in the size dialog, -1: cancelled
    QTest::addColumn<QString>("chosen");    // the name given to the file dialog, "": cancelled
    QTest::addColumn<bool>("exists");       // karte.png holds an old file
    QTest::addColumn<QList<bool>>("asked"); // answers to the question before replacing
    QTest::addColumn<int>("written");       // the scale of the picture written, 0: none

    QTest::newRow("new file") << 0 << "karte.png" << false << QList<bool>() << 1;
    QTest::newRow("extension added") << 2 << "karte" << false << QList<bool>() << 3;
    QTest::newRow("largest") << 7 << "karte.PNG" << false << QList<bool>() << 8;
    QTest::newRow("replace: no") << 1 << "karte.png" << true << QList<bool>{false} << 0;
    QTest::newRow("replace: yes") << 1 << "karte.png" << true << QList<bool>{true} << 2;
    QTest::newRow("replace under the added extension: no")
        << 2 << "karte" << true << QList<bool>{false} << 0;
    QTest::newRow("replace under the added extension: yes")
        << 2 << "karte" << true << QList<bool>{true} << 3;
    QTest::newRow("size cancelled") << -1 << "" << true << QList<bool>() << 0;
    QTest::newRow("file cancelled") << 0 << "" << true << QList<bool>() << 0;
}

void TestMapPicture::savesAtTheChosenSize()
{
    QFETCH(int, choice);
    QFETCH(QString, chosen);
    QFETCH(bool, exists);
    QFETCH(QList<bool>, asked);
    QFETCH(int, written);
    const QString target = dir_->filePath(QStringLiteral("karte.png"));
    if (exists)
        testfiles::write(target, "alt");
    QVERIFY(window_->openScenario(source_));
    RumoSzen &doc = *window_->document();
    // The island selected on the map gets a frame there, not in the picture.
    auto *tree = window_->findChild<ObjectTree *>("ObjectTree");
    tree->setCurrentItem(tree->nodeOf(doc.island(1)));
    QCOMPARE(window_->findChild<QAction *>("SaveInselAction")->isEnabled(), true);

    prompts_->shown.clear();
    prompts_->choices << choice;
    if (choice >= 0)
        prompts_->files << Prompts::FileChoice{
            chosen.isEmpty() ? QString() : dir_->filePath(chosen), 0};
    prompts_->yesNo = asked;
    action()->trigger();

    QStringList expected{sizeChoice(1)};
    if (choice >= 0)
        expected << "save: " + dir_->filePath(QStringLiteral("Quelle.png"));
    if (!asked.isEmpty())
        expected << "yes/no: " + msg::askReplaceFile(QDir::toNativeSeparators(target));
    QCOMPARE(prompts_->shown, expected);
    if (written == 0) {
        QCOMPARE(testfiles::read(target), exists ? QByteArray("alt") : QByteArray());
        QCOMPARE(QFileInfo::exists(target), exists);
        return;
    }
    const QImage picture(dir_->filePath(chosen.endsWith(".PNG") ? chosen : "karte.png"), "PNG");
    QCOMPARE(picture.size(), QSize(512 * written, 352 * written));
    QCOMPARE(picture.convertToFormat(QImage::Format_RGB32), worldImage(doc, written));
    QCOMPARE(testfiles::read(source_), rich_.file);
    QVERIFY(!window_->isWindowModified());
}

// The message names the file and says why, and an old file stays as it was.
void TestMapPicture::failureNamesTheFileAndTheReason()
{
    QVERIFY(window_->openScenario(source_));
    const QString noFolder = dir_->filePath(QStringLiteral("fehlt/karte.png"));
    const QString readOnly = dir_->filePath(QStringLiteral("karte.png"));
    testfiles::write(readOnly, "alt");
    QVERIFY(QFile::setPermissions(readOnly, QFileDevice::ReadOwner));
    prompts_->choices << 0 << 0;
    prompts_->files << Prompts::FileChoice{noFolder, 0} << Prompts::FileChoice{readOnly, 0};
    prompts_->yesNo << true;
    action()->trigger();
    action()->trigger();
    const QStringList errors = prompts_->shown.filter(QRegularExpression("^error: "));
    QCOMPARE(errors,
             QStringList(
                 {"error: " + msg::mapPictureFailed(QDir::toNativeSeparators(noFolder),
                                                    QString::fromLocal8Bit(std::strerror(ENOENT))),
                  "error: " + msg::mapPictureFailed(QDir::toNativeSeparators(readOnly),
                                                    msg::targetReadOnly())}));
    QCOMPARE(testfiles::read(readOnly), QByteArray("alt"));
    // No temporary file is left behind.
    QStringList files = QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden);
    files.sort();
    QCOMPARE(files, QStringList({"Quelle.szs", "karte.png"}));
}

QTEST_MAIN(TestMapPicture)
#include "tst_mappicture.moc"
