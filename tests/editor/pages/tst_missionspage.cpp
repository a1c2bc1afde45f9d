#include "core/common/bytes.h"
#include "core/document/rumoszen.h"
#include "editor/app/tmainform.h"
#include "support/gameinstallation.h"
#include "support/scenariobuilder.h"
#include "support/tempfiles.h"
#include "support/ui/scriptedprompts.h"
#include "support/ui/windowfixture.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>
#include <optional>

using namespace scenario;

namespace {

constexpr int MissionSize = 2244;
constexpr int PlayerSize = 1072;

// Expected bytes at an offset of a mission record.
struct Patch {
    int offset;
    QByteArray bytes;
};
using Patches = QList<Patch>;

QByteArray le32(qint64 v)
{
    QByteArray b(4, '\0');
    le::setU32(reinterpret_cast<uchar *>(b.data()), 0, quint32(v));
    return b;
}
QByteArray le16(int v)
{
    QByteArray b(2, '\0');
    le::setU16(reinterpret_cast<uchar *>(b.data()), 0, quint16(v));
    return b;
}
QByteArray byte(int v)
{
    return QByteArray(1, char(uchar(v)));
}

void put(QByteArray &record, int offset, const QByteArray &bytes)
{
    record.replace(offset, bytes.size(), bytes);
}

quint32 u32At(const QByteArray &b, int offset)
{
    return le::u32(reinterpret_cast<const uchar *>(b.constData()), offset);
}

// A mission without goals, defeat flags or support flags; every byte the
// page does not own keeps the builder's pattern.
QByteArray plainMission(qint32 number, const QByteArray &text, quint32 goals = 0)
{
    QByteArray b = mission(number, {});
    put(b, 104, QByteArray(2048, '\0'));
    put(b, 104, text);
    put(b, 4, le32(goals));
    put(b, 8, le32(0));
    for (int slot : {0, 1, 2, 3, 5})
        b[44 + slot] = 0;
    return b;
}

QByteArray playersAssignedTo(int missionNumber,
                             const std::array<int, 7> &colours = {0, 1, 2, 3, 4, 5, 6})
{
    QByteArray b = players(colours);
    for (int slot = 0; slot < 4; ++slot)
        b[slot * PlayerSize + 12] = char(missionNumber);
    return b;
}

QByteArray scenarioWith(const QByteArray &missions, const QByteArray &playerArea = players())
{
    return ScenarioBuilder()
        .chunk("PLAYER4", playerArea)
        .chunk("AUFTRAG4", missions)
        .chunk("TIMERS", settings())
        .bytes();
}

std::optional<QByteArray> payloadOf(const QByteArray &file, const QByteArray &name)
{
    qsizetype at = 0;
    while (at + 20 <= file.size()) {
        const QByteArray field = file.mid(at, 16);
        const qint32 length = le::i32(reinterpret_cast<const uchar *>(file.constData()), at + 16);
        if (field.left(field.indexOf('\0')) == name)
            return file.mid(at + 20, length);
        at += 20 + length;
    }
    return std::nullopt;
}

} // namespace

Q_DECLARE_METATYPE(Patches)

class TestMissionsPage : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void fieldRoundTrip_data();
    void fieldRoundTrip();
    void missionTextIsLimited();
    void oddMissionsKeepEveryByte_data();
    void oddMissionsKeepEveryByte();
    void defeatButtonsRoundTrip_data();
    void defeatButtonsRoundTrip();
    void oneChangeOnAnOddMission_data();
    void oneChangeOnAnOddMission();
    void numericGoalsFilterAndClamp_data();
    void numericGoalsFilterAndClamp();
    void missionCount_data();
    void missionCount();
    void fileWithoutMissions();
    void openingAnotherScenarioStartsAtMissionOne();
    void assignedPlayersReachTheSameSave();
    void defeatButtonsFollowColours();
    void defeatAnyExchange();
    void supportButtonsAtMostOne();
    void supportButtonShown_data();
    void supportButtonShown();
    void supportedPlayerKeptWithoutSupportGoal();
    void moneyBitsStayAfterUnchecking();
    void monopolyWithoutGoodsKeepsItsCode();
    void showingTheMissionsKeepsTheDocumentClean();

private:
    template <typename T> T *find(const QString &name)
    {
        T *widget = window_->findChild<T *>(name);
        if (!widget)
            qWarning("no control %s", qPrintable(name));
        return widget;
    }
    QTabBar *missionTabs() { return find<QTabBar>("AuftragTabControl"); }
    void click(const char *name) { find<QAbstractButton>(name)->click(); }
    bool isDown(const char *name) { return find<QAbstractButton>(name)->isChecked(); }
    QString open(const QByteArray &file);
    // Saves through the tool bar; the save action needs a change to act on.
    QByteArray save();
    QByteArray savedMission(int m);

    QString path_;
};

void TestMissionsPage::initTestCase()
{
    setUpGame();
}

void TestMissionsPage::init()
{
    setUpWindow();
}

void TestMissionsPage::cleanup()
{
    tearDownWindow();
}

QString TestMissionsPage::open(const QByteArray &file)
{
    path_ = dir_->filePath("auftrag.szs");
    testfiles::write(path_, file);
    if (!window_->openScenario(path_) || !window_->document())
        qWarning("scenario not opened");
    window_->findChild<QTabWidget *>("MainPageControl")->setCurrentIndex(2);
    return path_;
}

QByteArray TestMissionsPage::save()
{
    window_->document()->SetModified(true); // the save action needs a change to run
    window_->findChild<QAction *>("SaveAction")->trigger();
    return testfiles::read(path_);
}

QByteArray TestMissionsPage::savedMission(int m)
{
    return payloadOf(save(), "AUFTRAG4").value_or(QByteArray()).mid(m * MissionSize, MissionSize);
}

// Each action is "name" (click a check box or button), "name=text" (type
// into an edit), "name#index" (pick a combo box item) or "?name" (a control
// that its goal's check box enables).
void TestMissionsPage::fieldRoundTrip_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<quint32>("goals");
    QTest::addColumn<quint32>("supportGoals");
    QTest::addColumn<Patches>("patches");
    QTest::addColumn<bool>("showsAgain");

    QTest::newRow("city 1") << QStringList{"cbStadt1",
                                           "?gbStadt1",
                                           "?lbStadt1Wohn",
                                           "editStadt1Wohn=1234",
                                           "editStadt1Bgrp=4000000000",
                                           "comboStadt1Bgrp#3"}
                            << 0x1u << 0u
                            << Patches{{2160, le32(1234)},
                                       {2164, le32(3)},
                                       {2168, le32(4000000000)}}
                            << true;
    QTest::newRow("city 2 without group")
        << QStringList{"cbStadt2", "?gbStadt2", "editStadt2Wohn=77"} << 0x2u << 0u
        << Patches{{2172, le32(77)}, {2176, le32(-1)}, {2180, le32(0)}} << true;
    QTest::newRow("city 3") << QStringList{"cbStadt3", "editStadt3Wohn=5", "editStadt3Bgrp=2",
                                           "comboStadt3Bgrp#4"}
                            << 0x4u << 0u
                            << Patches{{2184, le32(5)}, {2188, le32(4)}, {2192, le32(2)}} << true;
    // Money also sets bits 5, 6, 11, 16, 19; 16 is the trade balance's, which
    // stays off without its own goal.
    QTest::newRow("money") << QStringList{"cbGuthaben", "editGuthaben=50000"} << 0x80868u << 0u
                           << Patches{{72, le32(50000)}} << true;
    QTest::newRow("total population") << QStringList{"cbWohnanz", "?lbWohnanz", "editWohnanz=9000"}
                                      << 0x80u << 0u << Patches{{68, le32(9000)}} << true;
    QTest::newRow("buildings") << QStringList{"cbSchloss", "cbKathedrale"} << 0x60000u << 0u
                               << Patches{} << true;
    QTest::newRow("supported player reaches")
        << QStringList{"cbHelpWohn",          "?lbHelpWohn",         "editHelpWohn=300",
                       "editHelpWohnGrp=100", "comboHelpWohnName#1", "sbHelpAny"}
        << 0x10u << 0u
        << Patches{{36, byte(7)}, {2232, le32(300)}, {2236, le32(1)}, {2240, le32(100)}} << true;
    QTest::newRow("supported player keeps inhabitants")
        << QStringList{"cbStadtlowfrmd",           "?lbStadtlowfrmdwohn",
                       "editStadtlowfrmdwohn=400", "editStadtlowfrmdbgwohn=50",
                       "comboStadtlowfrmdbgnr#2",  "sbHelpEingeb"}
        << 0u << 0x1u
        << Patches{{36, byte(6)}, {2208, le32(400)}, {2212, le32(2)}, {2216, le32(50)}} << true;
    QTest::newRow("supported player keeps settlements")
        << QStringList{"cbStadtanzminfrmd", "?lbStadtanzminfrmd", "editStadtanzminfrmd=32767",
                       "sbHelpBlau"}
        << 0u << 0x2u << Patches{{36, byte(1)}, {92, le16(32767)}} << true;
    QTest::newRow("settlements clamp to 16 bits")
        << QStringList{"cbStadtanzminfrmd", "editStadtanzminfrmd=70000"} << 0u << 0x2u
        << Patches{{92, le16(32767)}} << false;
    QTest::newRow("store 100 t") << QStringList{"cbStore1", "?labelStore1", "editStore1=100",
                                                "comboStore1#5"}
                                 << 0x1000u << 0u << Patches{{2152, byte(7)}, {2154, le16(3200)}}
                                 << true;
    QTest::newRow("store 2048 t clamps, without goods")
        << QStringList{"cbStore2", "editStore2=2048"} << 0x2000u << 0u
        << Patches{{2156, byte(1)}, {2158, le16(2047 * 32)}} << false;
    QTest::newRow("balance") << QStringList{"cbBalance", "editBalance=123456"} << 0x100u << 0u
                             << Patches{{76, le32(123456)}} << true;
    QTest::newRow("trade balance and any defeat")
        << QStringList{"cbTBalance", "editTBalance=42", "sbKillAny"} << 0x10200u << 0u
        << Patches{{84, le32(42)}} << true;
    QTest::newRow("monopolies") << QStringList{"cbMonopol1", "comboMonopol1#2", "cbMonopol2",
                                               "comboMonopol2#7"}
                                << 0xC000u << 0u << Patches{{32, byte(51)}, {34, byte(48)}} << true;
    // The pirates' flag was not in force and showed as "not to defeat".
    QTest::newRow("defeat blue") << QStringList{"sbKillBlau"} << 0x400u << 0u
                                 << Patches{{45, byte(1)}, {48, byte(0)}} << true;
    QTest::newRow("text lines") << QStringList{"Memo1=Baue\nzwei Städte."} << 0u << 0u
                                << Patches{{104, "Baue\r\nzwei St\xe4"
                                                 "dte."}}
                                << true;
}

void TestMissionsPage::fieldRoundTrip()
{
    QFETCH(QStringList, actions);
    QFETCH(quint32, goals);
    QFETCH(quint32, supportGoals);
    QFETCH(Patches, patches);
    QFETCH(bool, showsAgain);

    const QByteArray before = plainMission(0, "Auftrag");
    open(scenarioWith(before + plainMission(1, "Zweiter")));

    // The goals' controls are off until their check box is clicked.
    for (const QString &action : actions) {
        const QString name = action.section(QRegularExpression("[=#]"), 0, 0).remove('?');
        if (name != "Memo1" &&
            (action.startsWith('?') || action.contains('=') || action.contains('#')))
            QVERIFY2(!find<QWidget>(name)->isEnabled(), qPrintable(name));
    }
    for (const QString &action : actions) {
        const QString name = action.section(QRegularExpression("[=#]"), 0, 0).remove('?');
        QWidget *control = find<QWidget>(name);
        QVERIFY(control);
        if (action.startsWith('?') || action.contains('=') || action.contains('#'))
            QVERIFY2(control->isEnabled() || name == "Memo1", qPrintable(name));
        if (action.startsWith('?'))
            continue;
        if (auto *memo = qobject_cast<QPlainTextEdit *>(control))
            memo->setPlainText(action.section('=', 1));
        else if (auto *edit = qobject_cast<QLineEdit *>(control))
            QTest::keyClicks(edit, action.section('=', 1));
        else if (auto *box = qobject_cast<QComboBox *>(control))
            box->setCurrentIndex(action.section('#', 1).toInt());
        else
            static_cast<QAbstractButton *>(control)->click();
    }
    QVERIFY(window_->document()->isModified());

    QByteArray expected = before;
    put(expected, 4, le32(goals));
    put(expected, 8, le32(supportGoals));
    for (const Patch &patch : patches)
        put(expected, patch.offset, patch.bytes);
    QCOMPARE(savedMission(0).toHex(), expected.toHex());

    // Opened again, the page shows what was entered.
    QVERIFY(window_->openScenario(path_));
    if (!showsAgain)
        return;
    for (const QString &action : actions) {
        const QString name = action.section(QRegularExpression("[=#]"), 0, 0).remove('?');
        QWidget *control = find<QWidget>(name);
        QVERIFY2(control->isEnabled(), qPrintable(name));
        if (auto *memo = qobject_cast<QPlainTextEdit *>(control))
            QCOMPARE(memo->toPlainText(), action.section('=', 1));
        else if (auto *edit = qobject_cast<QLineEdit *>(control))
            QCOMPARE(edit->text(), action.section('=', 1));
        else if (auto *box = qobject_cast<QComboBox *>(control))
            QCOMPARE(box->currentIndex(), action.section('#', 1).toInt());
        else if (auto *button = qobject_cast<QAbstractButton *>(control))
            QVERIFY2(button->isChecked(), qPrintable(name));
    }
}

// Records holding what the page cannot show exactly.
void TestMissionsPage::oddMissionsKeepEveryByte_data()
{
    QTest::addColumn<QByteArray>("missions");
    QTest::addColumn<QByteArray>("playerArea");

    QTest::newRow("pattern records")
        << mission(0, "Erster") + mission(1, "Zweiter") + mission(2, "Dritter") << players();

    // A demo scenario's goals: city 1 and the pirates to defeat.
    QByteArray demo = plainMission(0, "Besiege die Piraten", 0x401);
    demo[48] = 1;
    QTest::newRow("pirates to defeat") << demo << players();

    // A flag of 2, two slots of one colour, and the player to support is the
    // second of them.
    QByteArray shared = plainMission(0, "Gemeinsam", 0x410);
    shared[44] = 2;
    shared[36] = 1;
    QTest::newRow("shared colours") << shared << players({0, 0, 2, 3, 4, 5, 6});

    QByteArray odd = plainMission(5, "Zeile\rohne LF", 0x3000 | 0x4000 | 0x1 | 0x8);
    put(odd, 104 + 20, "Rest hinter dem Ende");
    put(odd, 2152, byte(30));
    put(odd, 2154, le16(100));
    put(odd, 2156, byte(0));
    put(odd, 2158, le16(0xFFFF));
    put(odd, 32, byte(99));
    put(odd, 2164, le32(9));
    QTest::newRow("amounts, codes and text the page cannot show") << odd << players();

    QTest::newRow("money goal without its other bits")
        << plainMission(0, "Geld", 0x8) + plainMission(1, "Mehr Geld", 0x80868) << players();
    QTest::newRow("no mission number, but a text")
        << plainMission(-1, "Versteckt", 0x7) << players();
}

// Showing every mission, leaving the page and saving gives back every byte of
// the missions and the players.
void TestMissionsPage::oddMissionsKeepEveryByte()
{
    QFETCH(QByteArray, missions);
    QFETCH(QByteArray, playerArea);
    open(scenarioWith(missions, playerArea));
    auto *pages = find<QTabWidget>("MainPageControl");
    pages->setCurrentWidget(find<QWidget>("TabAuftraege"));
    for (int m : {1, 2, 3, 0})
        missionTabs()->setCurrentIndex(m);
    pages->setCurrentIndex(0);
    QVERIFY(!window_->document()->isModified());
    const QByteArray file = save();
    QCOMPARE(payloadOf(file, "AUFTRAG4").value_or(QByteArray()).toHex(), missions.toHex());
    QCOMPARE(payloadOf(file, "PLAYER4").value_or(QByteArray()).toHex(), playerArea.toHex());
}

void TestMissionsPage::defeatButtonsRoundTrip_data()
{
    QTest::addColumn<quint32>("goals");
    QTest::addColumn<QByteArray>("flags");
    QTest::addColumn<QString>("button");
    QTest::addColumn<quint32>("savedGoals");
    QTest::addColumn<QByteArray>("savedFlags");

    QTest::newRow("pirates pressed") << 0x1u << QByteArray::fromHex("000000000000") << "sbKillPirat"
                                     << 0x401u << QByteArray::fromHex("000000000100");
    QTest::newRow("pirates released")
        << 0x401u << QByteArray::fromHex("000000000100") << "sbKillPirat" << 0x1u
        << QByteArray::fromHex("000000000000");
    QTest::newRow("pirates kept beside red")
        << 0x400u << QByteArray::fromHex("000000000100") << "sbKillRot" << 0x400u
        << QByteArray::fromHex("010000000100");
    QTest::newRow("white, slot 4 kept with its own value")
        << 0x400u << QByteArray::fromHex("000000000200") << "sbKillWeiss" << 0x400u
        << QByteArray::fromHex("000000010200");
    QTest::newRow("last one released")
        << 0x400u << QByteArray::fromHex("000100000000") << "sbKillBlau" << 0x0u
        << QByteArray::fromHex("000000000000");
}

// Every defeat button, the pirates' included, writes its slot's flag and
// bit 10 follows the flags; the next load shows the buttons again.
void TestMissionsPage::defeatButtonsRoundTrip()
{
    QFETCH(quint32, goals);
    QFETCH(QByteArray, flags);
    QFETCH(QString, button);
    QFETCH(quint32, savedGoals);
    QFETCH(QByteArray, savedFlags);
    QByteArray record = plainMission(0, "Besiege", goals);
    put(record, 44, flags);
    open(scenarioWith(record));
    find<QAbstractButton>(button)->click();
    const QByteArray saved = savedMission(0);
    QCOMPARE(u32At(saved, 4), savedGoals);
    QCOMPARE(saved.mid(44, 6).toHex(), savedFlags.toHex());

    QVERIFY(window_->openScenario(path_));
    const char *const buttons[] = {"sbKillRot", "sbKillBlau", "sbKillGelb", "sbKillWeiss",
                                   "sbKillPirat"};
    for (int slot = 0; slot < 5; ++slot)
        QCOMPARE(isDown(buttons[slot]), (savedGoals & 0x400) && savedFlags.at(slot) != 0);
}

void TestMissionsPage::oneChangeOnAnOddMission_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<Patches>("patches");

    QTest::newRow("money") << "editGuthaben=5" << Patches{{72, le32(5)}};
    QTest::newRow("store amount") << "editStore1=10" << Patches{{2154, le16(320)}};
    QTest::newRow("store goods") << "comboStore1#0" << Patches{{2152, byte(2)}};
    QTest::newRow("monopoly") << "comboMonopol1#1" << Patches{{32, byte(3)}};
    QTest::newRow("city inhabitants") << "editStadt1Wohn=77" << Patches{{2160, le32(77)}};
    QTest::newRow("castle") << "cbSchloss" << Patches{{4, le32(0x7009 | 0x20000)}};
    QTest::newRow("text") << "Memo1=Neu" << Patches{{104, QByteArray("Neu") + QByteArray(6, '\0')}};
}

// On a record full of values the page cannot show exactly, a change to one
// control writes only that control's field.
void TestMissionsPage::oneChangeOnAnOddMission()
{
    QFETCH(QString, action);
    QFETCH(Patches, patches);
    QByteArray record = plainMission(0, "Alt\rText", 0x7009);
    put(record, 2152, byte(30));
    put(record, 2154, le16(100));
    put(record, 32, byte(99));
    put(record, 2164, le32(9));
    open(scenarioWith(record));

    const QString name = action.section(QRegularExpression("[=#]"), 0, 0);
    QWidget *control = find<QWidget>(name);
    if (auto *memo = qobject_cast<QPlainTextEdit *>(control)) {
        memo->setPlainText(action.section('=', 1));
    } else if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, action.section('=', 1));
    } else if (auto *box = qobject_cast<QComboBox *>(control)) {
        box->setCurrentIndex(action.section('#', 1).toInt());
    } else {
        static_cast<QAbstractButton *>(control)->click();
    }
    QByteArray expected = record;
    for (const Patch &patch : patches)
        put(expected, patch.offset, patch.bytes);
    QCOMPARE(savedMission(0).toHex(), expected.toHex());
}

void TestMissionsPage::numericGoalsFilterAndClamp_data()
{
    QTest::addColumn<QString>("check");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("letters pasted and typed") << "cbWohnanz"
                                              << "editWohnanz"
                                              << "12a"
                                              << "4x2"
                                              << "42" << 68 << le32(42);
    QTest::newRow("minus refused for tons") << "cbStore1"
                                            << "editStore1"
                                            << "-5"
                                            << "-7"
                                            << "7" << 2154 << le16(7 * 32);
    QTest::newRow("tons beyond 16 bits") << "cbStore1"
                                         << "editStore1"
                                         << ""
                                         << "5000"
                                         << "2047" << 2154 << le16(2047 * 32);
    QTest::newRow("settlements beyond 16 bits") << "cbStadtanzminfrmd"
                                                << "editStadtanzminfrmd"
                                                << "70000"
                                                << ""
                                                << "32767" << 92 << le16(32767);
    QTest::newRow("count beyond 32 bits") << "cbStadt1"
                                          << "editStadt1Bgrp"
                                          << ""
                                          << "99999999999"
                                          << "4294967295" << 2168 << le32(0xFFFFFFFF);
}

// Pasted and typed text reaches a goal edit only as digits; leaving the edit
// shows the number clamped to its field, and that number is saved.
void TestMissionsPage::numericGoalsFilterAndClamp()
{
    QFETCH(QString, check);
    QFETCH(QString, edit);
    QFETCH(QString, pasted);
    QFETCH(QString, typed);
    QFETCH(QString, left);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    open(scenarioWith(plainMission(0, "A")));
    find<QAbstractButton>(check)->click();
    auto *field = find<QLineEdit>(edit);
    QVERIFY(field->isEnabled());
    if (!pasted.isEmpty()) {
        QGuiApplication::clipboard()->setText(pasted);
        field->paste();
    }
    QTest::keyClicks(field, typed);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(field, &out);
    QCOMPARE(field->text(), left);
    QCOMPARE(savedMission(0).mid(offset, bytes.size()).toHex(), bytes.toHex());
}

void TestMissionsPage::missionTextIsLimited()
{
    open(scenarioWith(plainMission(0, "kurz")));
    auto *memo = find<QPlainTextEdit>("Memo1");
    memo->moveCursor(QTextCursor::End);
    memo->insertPlainText(QString(1000, 'x') + "\n" + QString(1500, 'y'));
    // A line break counts as the two characters the record stores; the memo
    // holds no more than the record, so the save cuts nothing.
    QCOMPARE(memo->toPlainText().size(), 2046);
    const QByteArray text = savedMission(0).mid(104, 2048);
    QCOMPARE(text.left(1006), "kurz" + QByteArray(1000, 'x') + "\r\n");
    QCOMPARE(text.indexOf('\0'), 2047);
}

void TestMissionsPage::missionCount_data()
{
    QTest::addColumn<QByteArrayList>("texts");
    QTest::addColumn<int>("count");
    QTest::newRow("a blank mission ends the list")
        << QByteArrayList{"Erster", "  \t ", "Dritter", "Vierter"} << 1;
    QTest::newRow("line breaks only") << QByteArrayList{"\r\n \r\n", "Zweiter", "", ""} << 0;
    QTest::newRow("all four") << QByteArrayList{"A", "B", "C", "D"} << 4;
}

void TestMissionsPage::missionCount()
{
    QFETCH(QByteArrayList, texts);
    QFETCH(int, count);
    QByteArray missions;
    for (int m = 0; m < 4; ++m)
        missions += plainMission(m, texts[m]);
    open(scenarioWith(missions));
    // Texts behind the first empty mission are lost; the save says so first.
    prompts_->warnings << true;
    const QByteArray saved = payloadOf(save(), "AUFTRAG4").value_or("missing");
    const bool textsLost =
        count < 4 && std::any_of(texts.begin() + count + 1, texts.end(),
                                 [](const QByteArray &t) { return !t.trimmed().isEmpty(); });
    QCOMPARE(prompts_->warnings.isEmpty(), textsLost);
    prompts_->warnings.clear();
    QCOMPARE(saved.size(), count * MissionSize);
    for (int m = 0; m < count; ++m)
        QVERIFY(saved.mid(m * MissionSize + 104).startsWith(texts[m] + '\0'));
}

void TestMissionsPage::fileWithoutMissions()
{
    open(ScenarioBuilder().chunk("PLAYER4", players()).chunk("TIMERS", settings()).bytes());
    RumoSzen *doc = window_->document();
    for (int m = 0; m < 4; ++m) {
        missionTabs()->setCurrentIndex(m);
        QVERIFY(find<QPlainTextEdit>("Memo1")->toPlainText().isEmpty());
        QVERIFY(!isDown("cbStadt1"));
        QVERIFY(!find<QWidget>("editGuthaben")->isEnabled());
    }
    // Merely showing them writes nothing; an edit makes a mission a stored one
    // when its tab is left.
    for (int m = 0; m < 4; ++m)
        QCOMPARE(doc->missions().mission(m).number(), -1);
    QVERIFY(!doc->isModified());
    click("cbSchloss");
    missionTabs()->setCurrentIndex(2);
    QCOMPARE(doc->missions().mission(3).number(), 3);
    QCOMPARE(doc->missions().mission(2).number(), -1);
    QVERIFY(!payloadOf(save(), "AUFTRAG4"));
}

void TestMissionsPage::openingAnotherScenarioStartsAtMissionOne()
{
    open(scenarioWith(plainMission(0, "A") + plainMission(1, "B") + plainMission(2, "C")));
    missionTabs()->setCurrentIndex(2);
    open(ScenarioBuilder().chunk("PLAYER4", players()).chunk("TIMERS", settings()).bytes());
    QCOMPARE(missionTabs()->currentIndex(), 0);
    QVERIFY(find<QPlainTextEdit>("Memo1")->toPlainText().isEmpty());
    // The page shown for the old scenario is not written into the new one.
    QCOMPARE(window_->document()->missions().mission(2).number(), -1);
}

void TestMissionsPage::assignedPlayersReachTheSameSave()
{
    // PLAYER4 comes before AUFTRAG4: the players must be committed before
    // any chunk is written.
    open(scenarioWith(plainMission(0, "A") + plainMission(1, "B") + plainMission(2, "C"),
                      playersAssignedTo(0)));
    missionTabs()->setCurrentIndex(2);
    QVERIFY(!isDown("sbRot"));
    click("sbRot");
    const QByteArray playerArea = payloadOf(save(), "PLAYER4").value_or(QByteArray());
    QCOMPARE(int(playerArea.at(12)), 2);
    QCOMPARE(int(playerArea.at(PlayerSize + 12)), 0);

    missionTabs()->setCurrentIndex(1);
    QVERIFY(!isDown("sbRot"));
    missionTabs()->setCurrentIndex(2);
    QVERIFY(isDown("sbRot"));
    // Releasing the button leaves the slot with its mission.
    click("sbRot");
    missionTabs()->setCurrentIndex(0);
    QCOMPARE(window_->document()->players().player(0).mission(), 2);
}

void TestMissionsPage::defeatButtonsFollowColours()
{
    // Slot 1 is red and slot 0 blue; slot 4 is the pirates'; slot 5 is the
    // trader, for whose colour there is no button, and keeps its flag.
    QByteArray record = plainMission(0, "Besiege Rot", 0x400);
    record[45] = 1;
    record[48] = 0x33;
    record[49] = 1;
    open(scenarioWith(record, players({1, 0, 2, 3, 4, 6, 5})));
    QVERIFY(isDown("sbKillRot"));
    QVERIFY(isDown("sbKillPirat"));
    for (const char *name : {"sbKillBlau", "sbKillGelb", "sbKillWeiss", "sbKillAny"})
        QVERIFY2(!isDown(name), name);

    click("sbKillRot");
    click("sbKillBlau");
    const QByteArray saved = savedMission(0);
    QCOMPARE(saved.mid(44, 6).toHex(), QByteArray("0100000033"
                                                  "01"));
    QCOMPARE(u32At(saved, 4), 0x400u);
}

void TestMissionsPage::defeatAnyExchange()
{
    open(scenarioWith(plainMission(0, "A")));
    click("sbKillRot");
    click("sbKillPirat");
    QVERIFY(window_->document()->isModified());
    click("sbKillAny");
    QVERIFY(!isDown("sbKillRot"));
    QVERIFY(isDown("sbKillPirat"));
    click("sbKillGelb");
    QVERIFY(!isDown("sbKillAny"));
    QVERIFY(isDown("sbKillPirat"));
    QCOMPARE(u32At(savedMission(0), 4), 0x400u);
}

void TestMissionsPage::supportButtonsAtMostOne()
{
    open(scenarioWith(plainMission(0, "A")));
    const char *const all[] = {"sbHelpRot",   "sbHelpBlau",   "sbHelpGelb",
                               "sbHelpWeiss", "sbHelpEingeb", "sbHelpAny"};
    auto downOnes = [&] {
        QStringList down;
        for (const char *name : all)
            if (isDown(name))
                down << name;
        return down;
    };
    click("sbHelpGelb");
    QCOMPARE(downOnes(), QStringList{"sbHelpGelb"});
    click("sbHelpEingeb");
    QCOMPARE(downOnes(), QStringList{"sbHelpEingeb"});
    click("sbHelpEingeb");
    QCOMPARE(downOnes(), QStringList{});
}

void TestMissionsPage::supportButtonShown_data()
{
    QTest::addColumn<int>("supported");
    QTest::addColumn<int>("slot1Colour");
    QTest::addColumn<QString>("down");
    QTest::newRow("any") << 7 << 1 << "sbHelpAny";
    QTest::newRow("natives") << 6 << 1 << "sbHelpEingeb";
    QTest::newRow("slot 1 by its colour") << 1 << 2 << "sbHelpGelb";
    QTest::newRow("slot 1 of a colour without button") << 1 << 5 << "";
    QTest::newRow("no such slot") << 9 << 1 << "";
}

void TestMissionsPage::supportButtonShown()
{
    QFETCH(int, supported);
    QFETCH(int, slot1Colour);
    QFETCH(QString, down);
    QByteArray record = plainMission(0, "Hilf", 0x10);
    record[36] = char(supported);
    open(scenarioWith(record, players({0, slot1Colour, 2, 3, 4, 5, 6})));
    for (const char *name :
         {"sbHelpRot", "sbHelpBlau", "sbHelpGelb", "sbHelpWeiss", "sbHelpEingeb", "sbHelpAny"})
        QCOMPARE(isDown(name), down == name);
    if (down.isEmpty())
        QCOMPARE(int(uchar(savedMission(0).at(36))), supported);
}

void TestMissionsPage::supportedPlayerKeptWithoutSupportGoal()
{
    QByteArray record = plainMission(0, "A");
    record[36] = 5;
    open(scenarioWith(record));
    click("sbHelpAny");
    QCOMPARE(int(savedMission(0).at(36)), 5);
}

void TestMissionsPage::moneyBitsStayAfterUnchecking()
{
    open(scenarioWith(plainMission(0, "A") + plainMission(1, "B")));
    click("cbGuthaben");
    QVERIFY(find<QWidget>("editGuthaben")->isEnabled());
    missionTabs()->setCurrentIndex(1);
    missionTabs()->setCurrentIndex(0);
    QVERIFY(isDown("cbGuthaben"));
    click("cbGuthaben");
    QVERIFY(!find<QWidget>("editGuthaben")->isEnabled());
    QCOMPARE(u32At(savedMission(0), 4), 0x80860u);
}

void TestMissionsPage::monopolyWithoutGoodsKeepsItsCode()
{
    QByteArray record = plainMission(0, "A", 0x4000);
    record[32] = 99;
    open(scenarioWith(record));
    QVERIFY(isDown("cbMonopol1"));
    QCOMPARE(find<QComboBox>("comboMonopol1")->currentIndex(), -1);
    const QByteArray saved = savedMission(0);
    QCOMPARE(int(saved.at(32)), 99);
    QCOMPARE(u32At(saved, 4), 0x4000u);
}

void TestMissionsPage::showingTheMissionsKeepsTheDocumentClean()
{
    QByteArray record = plainMission(0, "Text\r\nmit Zeilen", 0x7FFFF);
    open(scenarioWith(record + plainMission(1, "B")));
    window_->show();
    auto *pages = find<QTabWidget>("MainPageControl");
    pages->setCurrentWidget(find<QWidget>("TabAuftraege"));
    auto *subPages = find<QTabWidget>("AuftragPageControl");
    for (int m : {1, 2, 3, 0}) {
        missionTabs()->setCurrentIndex(m);
        for (int page = 0; page < subPages->count(); ++page)
            subPages->setCurrentIndex(page);
    }
    pages->setCurrentIndex(0);
    QVERIFY(!window_->document()->isModified());
    QVERIFY(!window_->isWindowModified());
}

QTEST_MAIN(TestMissionsPage)
#include "tst_missionspage.moc"
