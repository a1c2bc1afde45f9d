#include "core/campaign/gametextcodec.h"
#include "core/common/ansitext.h"
#include "core/common/messages.h"
#include "core/game/gamepath.h"
#include "editor/campaign/tkampform.h"
#include "support/gameinstallation.h"
#include "support/tempfiles.h"
#include "support/ui/scriptedprompts.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {

QByteArray coded(QByteArray bytes)
{
    GameTextCodec::code(bytes.data(), bytes.size());
    return bytes;
}

// "L0", "L1", ... as the lines of a campaign section.
QStringList numberedLines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines.append(QStringLiteral("L%1").arg(i));
    return lines;
}

// A text file with a section before and after the campaign section, so a
// save shows that it keeps them.
QStringList fileLines(const QStringList &campaign, bool withEnd = true)
{
    QStringList lines{QStringLiteral("[TEXTE]"), QStringLiteral("Hallo")};
    lines << QStringLiteral("[KAMPAGNE]") << campaign;
    if (withEnd)
        lines << QStringLiteral("[END]") << QStringLiteral("[SCHIFFE]") << QStringLiteral("Kogge");
    return lines;
}

} // namespace

class TestKampForm : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void upDownStepsWithinItsRange();
    void showsEntryOfNumber_data();
    void showsEntryOfNumber();
    void steppingAwayDropsUnsavedEdits();
    void saveWritesShownEntryAndKeepsTheRest();
    void reopeningReloadsFromFile();
    void saveWithoutCompleteEntryWritesNothing_data();
    void saveWithoutCompleteEntryWritesNothing();
    void saveRefusesFileWithoutEnd();
    void failedLoadKeepsFields();

private:
    QString textPath() const { return GameTextCodec::textFilePath(GamePath()); }
    void writeText(const QStringList &lines);
    QStringList readText() const;
    QLineEdit *edit(const char *name) const;
    QStringList fields() const;
    void step(int direction) const;
    void setNumber(const QString &text) const;
    void clickSave() const;

    std::unique_ptr<TempGameInstallation> game_;
    std::unique_ptr<ScriptedPrompts> prompts_;
    std::unique_ptr<TKampForm> form_;
};

void TestKampForm::initTestCase()
{
    game_ = std::make_unique<TempGameInstallation>();
    qputenv("WINEPREFIX", game_->prefix().toLocal8Bit());
    QCOMPARE(GamePath(), game_->gameFolder());
}

void TestKampForm::init()
{
    prompts_ = std::make_unique<ScriptedPrompts>();
    form_ = std::make_unique<TKampForm>();
}

void TestKampForm::cleanup()
{
    form_.reset();
    prompts_.reset();
    QFile::remove(textPath());
}

void TestKampForm::writeText(const QStringList &lines)
{
    QByteArray plain;
    for (const QString &line : lines)
        plain += ansi::fromUnicode(line) + "\r\n";
    game_->addFile(QStringLiteral("Text.cod"), coded(plain));
}

QStringList TestKampForm::readText() const
{
    QStringList lines;
    for (const QByteArray &line : GameTextCodec::splitLines(coded(testfiles::read(textPath()))))
        lines.append(ansi::toUnicode(line));
    return lines;
}

QLineEdit *TestKampForm::edit(const char *name) const
{
    auto *found = form_->findChild<QLineEdit *>(QLatin1String(name));
    if (!found)
        qFatal("no edit %s", name);
    return found;
}

QStringList TestKampForm::fields() const
{
    QStringList texts;
    for (const char *name : {"editKamp1", "editKamp2", "editKamp3", "editKamp4", "editKamp5"})
        texts.append(edit(name)->text());
    return texts;
}

void TestKampForm::step(int direction) const
{
    const auto arrow = direction > 0 ? Qt::UpArrow : Qt::DownArrow;
    const auto *upDown = form_->findChild<QWidget *>(QStringLiteral("UpDown1"));
    QVERIFY(upDown);
    for (QToolButton *button : upDown->findChildren<QToolButton *>()) {
        if (button->arrowType() == arrow)
            QTest::mouseClick(button, Qt::LeftButton);
    }
}

void TestKampForm::setNumber(const QString &text) const
{
    QLineEdit *number = edit("editKampnr");
    number->selectAll();
    QTest::keyClick(number, Qt::Key_Backspace);
    QTest::keyClicks(number, text);
}

void TestKampForm::clickSave() const
{
    QTest::mouseClick(form_->findChild<QPushButton *>(QStringLiteral("btnKampSave")),
                      Qt::LeftButton);
}

void TestKampForm::upDownStepsWithinItsRange()
{
    // Without a list no number is corrected, so only the up-down's range acts.
    QLineEdit *number = edit("editKampnr");
    QCOMPARE(number->text(), QStringLiteral("0"));
    step(-1);
    QCOMPARE(number->text(), QStringLiteral("0"));
    number->setText(QStringLiteral("999"));
    step(1);
    QCOMPARE(number->text(), QStringLiteral("1000"));
    step(1);
    QCOMPARE(number->text(), QStringLiteral("1000"));
    number->setText(QStringLiteral("5000"));
    step(-1);
    QCOMPARE(number->text(), QStringLiteral("999"));
}

void TestKampForm::showsEntryOfNumber_data()
{
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("typed"); // typed after opening unless null
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("firstLine"); // -1: the fields stay empty

    QTest::newRow("first entry") << 12 << "0" << QString() << "0" << 0;
    QTest::newRow("typing the next entry") << 12 << "0"
                                           << "2"
                                           << "1" << 5;
    QTest::newRow("typing far beyond") << 12 << "0"
                                       << "7"
                                       << "1" << 5;
    QTest::newRow("opened beyond") << 12 << "9" << QString() << "1" << 5;
    QTest::newRow("opened with 3") << 20 << "3" << QString() << "3" << 15;
    QTest::newRow("fewer than five lines") << 3 << "0" << QString() << "" << -1;
    QTest::newRow("empty section") << 0 << "2" << QString() << "" << -1;
    QTest::newRow("negative") << 12 << "0"
                              << "-1"
                              << "-1" << -1;
    QTest::newRow("no integer") << 12 << "0"
                                << "x"
                                << "x" << -1;
}

void TestKampForm::showsEntryOfNumber()
{
    QFETCH(int, lineCount);
    QFETCH(QString, opened);
    QFETCH(QString, typed);
    QFETCH(QString, number);
    QFETCH(int, firstLine);

    writeText(fileLines(numberedLines(lineCount)));
    form_->open(opened);
    QVERIFY(form_->isVisible());
    QCOMPARE(form_->campaignList(), std::optional(numberedLines(lineCount)));
    if (!typed.isNull())
        setNumber(typed);

    QCOMPARE(edit("editKampnr")->text(), number);
    const QStringList expected =
        firstLine < 0 ? QStringList(5, QString()) : numberedLines(firstLine + 5).mid(firstLine);
    QCOMPARE(fields(), expected);
    QVERIFY(prompts_->shown.isEmpty());
}

void TestKampForm::steppingAwayDropsUnsavedEdits()
{
    writeText(fileLines(numberedLines(12)));
    form_->open(QStringLiteral("0"));
    edit("editKamp2")->setText(QStringLiteral("geändert"));
    step(1);
    QCOMPARE(fields().first(), QStringLiteral("L5"));
    step(-1);
    QCOMPARE(fields(), numberedLines(5));
}

void TestKampForm::saveWritesShownEntryAndKeepsTheRest()
{
    writeText(fileLines(numberedLines(12)));
    form_->open(QStringLiteral("0"));
    QTest::keyClicks(edit("editKamp2"), QStringLiteral(" neu"));
    clickSave();

    QStringList campaign = numberedLines(12);
    campaign[1] = QStringLiteral("L1 neu");
    QCOMPARE(readText(), fileLines(campaign));
    step(1);
    step(-1);
    QCOMPARE(edit("editKamp2")->text(), campaign[1]);

    // A save of the other entry keeps the first one's saved change and the
    // lines after the last entry.
    step(1);
    edit("editKamp5")->setText(QStringLiteral("Brücke"));
    clickSave();
    campaign[9] = QStringLiteral("Brücke");
    QCOMPARE(readText(), fileLines(campaign));
    QCOMPARE(form_->campaignList(), std::optional(campaign));
    QVERIFY(prompts_->shown.isEmpty());
}

void TestKampForm::reopeningReloadsFromFile()
{
    writeText(fileLines(numberedLines(10)));
    form_->open(QStringLiteral("1"));
    edit("editKamp1")->setText(QStringLiteral("nicht gespeichert"));
    QTest::mouseClick(form_->findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
    QVERIFY(!form_->isVisible());

    QStringList changed = numberedLines(10);
    changed[5] = QStringLiteral("von außen");
    writeText(fileLines(changed));
    form_->open(QStringLiteral("1"));
    QVERIFY(form_->isVisible());
    QCOMPARE(fields(), changed.mid(5));
}

void TestKampForm::saveWithoutCompleteEntryWritesNothing_data()
{
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<QString>("typed");

    QTest::newRow("no integer") << 12 << "eins";
    QTest::newRow("empty") << 12 << "";
    QTest::newRow("negative") << 12 << "-1";
    QTest::newRow("fewer than five lines") << 4 << "0";
}

void TestKampForm::saveWithoutCompleteEntryWritesNothing()
{
    QFETCH(int, lineCount);
    QFETCH(QString, typed);

    writeText(fileLines(numberedLines(lineCount)));
    const QByteArray before = testfiles::read(textPath());
    form_->open(QStringLiteral("0"));
    setNumber(typed);
    edit("editKamp1")->setText(QStringLiteral("neu"));
    clickSave();

    QCOMPARE(prompts_->shown, QStringList{QStringLiteral("message: ") + msg::noCampaignEntry()});
    QCOMPARE(testfiles::read(textPath()), before);
    QCOMPARE(form_->campaignList(), std::optional(numberedLines(lineCount)));
}

void TestKampForm::saveRefusesFileWithoutEnd()
{
    writeText(fileLines(numberedLines(7), false));
    const QByteArray before = testfiles::read(textPath());
    form_->open(QStringLiteral("0"));
    QCOMPARE(fields(), numberedLines(5));
    edit("editKamp1")->setText(QStringLiteral("neu"));
    clickSave();

    QCOMPARE(prompts_->shown,
             QStringList{QStringLiteral("message: ") + msg::noCampaignSection(textPath())});
    QCOMPARE(testfiles::read(textPath()), before);
}

void TestKampForm::failedLoadKeepsFields()
{
    writeText(fileLines(numberedLines(10)));
    form_->open(QStringLiteral("1"));
    edit("editKamp3")->setText(QStringLiteral("bearbeitet"));
    const QStringList shown = fields();
    QVERIFY(QFile::remove(textPath()));

    form_->open(QStringLiteral("0"));
    QCOMPARE(prompts_->shown, QStringList{QStringLiteral("message: Die Datei ") + textPath() +
                                          QStringLiteral(" wurde nicht gefunden.")});
    QCOMPARE(edit("editKampnr")->text(), QStringLiteral("1"));
    QCOMPARE(fields(), shown);
    QVERIFY(!form_->campaignList());

    // Without a list a save does nothing at all.
    clickSave();
    QCOMPARE(prompts_->shown.size(), 1);
    QVERIFY(!QFile::exists(textPath()));
}

QTEST_MAIN(TestKampForm)
#include "tst_kampform.moc"
