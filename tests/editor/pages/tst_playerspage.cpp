#include "core/common/bytes.h"
#include "core/common/messages.h"
#include "core/document/rumoszen.h"
#include "editor/app/tmainform.h"
#include "editor/goods/tfreiform.h"
#include "editor/widgets/leveltrackbar.h"
#include "support/gameinstallation.h"
#include "support/scenariobuilder.h"
#include "support/tempfiles.h"
#include "support/ui/scriptedprompts.h"
#include "support/ui/windowfixture.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

using namespace scenario;

namespace {

constexpr int PlayerSize = 1072;
constexpr int PlayersPage = 3;

uchar *at(QByteArray &bytes, int offset)
{
    return reinterpret_cast<uchar *>(bytes.data()) + offset;
}

// A player whose edited fields all hold values the page shows and stores
// unchanged, so that a save without edits gives back every byte: a known
// kind, a valid colour, castle flags 0 or 1, levels on whole group steps and
// a zero-padded name. Everything else keeps the builder's pattern.
QByteArray stablePlayer(int slot)
{
    const QByteArray name = "Spieler " + QByteArray::number(slot + 1);
    QByteArray p = player(slot, name);
    p.replace(960, 64, QByteArray(64, '\0'));
    p.replace(960, name.size(), name);
    p[4] = char(12); // "Computer"
    p[14] = char(1);
    p[15] = char(0);
    p[36] = char(64);
    p[37] = char(128);
    return p;
}

QByteArray stablePlayers()
{
    QByteArray area;
    for (int slot = 0; slot < 7; ++slot)
        area += stablePlayer(slot);
    return area;
}

QByteArray scenarioWith(const QByteArray &players)
{
    return chunk("PLAYER4", players) + minimalScenario();
}

} // namespace

class TestPlayersPage : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void oddPlayersKeepEveryByte_data();
    void oddPlayersKeepEveryByte();
    void oneChangeOnAnOddPlayer_data();
    void oneChangeOnAnOddPlayer();
    void numericFieldsRefuseOtherText_data();
    void numericFieldsRefuseOtherText();
    void outOfRangeIsClampedWhenLeaving_data();
    void outOfRangeIsClampedWhenLeaving();
    void fieldsReachTheirBytes_data();
    void fieldsReachTheirBytes();
    void moodSwitchesKeepTheOtherBits();
    void codesOutsideTheTablesShowNoSelection();
    void levelBytesThroughThePage_data();
    void levelBytesThroughThePage();
    void typedLevels_data();
    void typedLevels();
    void typingKeepsTheTextUntilEnter();
    void everyPositionSurvivesEditAndBar();
    void thumbAndBandFollowTheGoal_data();
    void thumbAndBandFollowTheGoal();
    void enableRules_data();
    void enableRules();
    void tabSwitchStoresAndFills();
    void unlockedBuildingsDialog();
    void goodsButtonsEmptyOnlyThatPlayer();
    void showingNeverCountsAsAChange();
    void detachedPageWritesNothing();

private:
    void open(const QByteArray &file);
    // PLAYER4 as the save action writes it.
    QByteArray savedPlayers();
    void setControl(const QString &name, const QString &value);
    QTabBar *playerTabs() { return control<QTabBar>("SpielerTabControl"); }

    RichScenario rich_;
    QString path_;
};

void TestPlayersPage::initTestCase()
{
    // The game installation is looked up once per run: set it up first.
    setUpGame();
    rich_ = richScenario();
    rich_.install(*game_);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestPlayersPage::init()
{
    setUpWindow();
}

void TestPlayersPage::cleanup()
{
    tearDownWindow();
}

void TestPlayersPage::open(const QByteArray &file)
{
    path_ = dir_->filePath("spieler.szs");
    testfiles::write(path_, file);
    QVERIFY(window_->openScenario(path_));
    QVERIFY(window_->document());
    control<QTabWidget>("MainPageControl")->setCurrentIndex(PlayersPage);
    QVERIFY(!window_->document()->isModified());
}

QByteArray TestPlayersPage::savedPlayers()
{
    window_->document()->SetModified(true); // the save action needs a change to run
    window_->findChild<QAction *>("SaveAction")->trigger();
    const QByteArray file = testfiles::read(path_);
    const qsizetype header = file.indexOf("PLAYER4");
    return header < 0 ? QByteArray() : file.mid(header + 20, 7 * PlayerSize);
}

void TestPlayersPage::setControl(const QString &name, const QString &value)
{
    QWidget *widget = window_->findChild<QWidget *>(name);
    QVERIFY2(widget, qPrintable(name));
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        edit->setText(value);
    else if (auto *combo = qobject_cast<QComboBox *>(widget))
        combo->setCurrentIndex(value.toInt());
    else if (auto *check = qobject_cast<QCheckBox *>(widget))
        check->setChecked(value == "1");
    else
        QFAIL(qPrintable(name));
}

// Players holding what no control shows exactly: the builder's pattern in
// every field (kinds and colours without an item, building flags other than
// 0 and 1, levels between the bar's positions, bytes after the name's end),
// and a few hand-made extremes.
void TestPlayersPage::oddPlayersKeepEveryByte_data()
{
    QTest::addColumn<QByteArray>("area");

    QTest::newRow("pattern") << players();

    QByteArray codes = stablePlayers();
    codes[4] = char(99);
    codes[7] = char(9);
    codes[14] = char(2);
    codes[15] = char(0xFF);
    QTest::newRow("codes without items") << codes;

    QByteArray levels = stablePlayers();
    levels[36] = char(1);
    levels[37] = char(255);
    levels[PlayerSize + 36] = char(127);
    levels[PlayerSize + 37] = char(129);
    QTest::newRow("levels off the bar") << levels;

    QByteArray names = stablePlayers();
    names.replace(960, 64, QByteArray(64, 'n'));
    names[961] = char(0x81); // no character of Windows-1252
    names.replace(PlayerSize + 960, 8, QByteArray("Kurz\0xyz", 8));
    QTest::newRow("names the edit cannot hold") << names;

    QByteArray extremes = stablePlayers();
    le::setU32(at(extremes, 0), 0, 0x80000000);
    le::setU32(at(extremes, 28), 0, 0xFFFFFFFF);
    le::setU32(at(extremes, 52), 0, 0xFFFFFFFF);
    for (int offset : {16, 18, 20, 22, 24, 26, 32, 34, 56, 58})
        le::setU16(at(extremes, offset), 0, 0xFFFF);
    QTest::newRow("largest numbers") << extremes;
}

// Showing every player, leaving the page and saving gives back every byte.
void TestPlayersPage::oddPlayersKeepEveryByte()
{
    QFETCH(QByteArray, area);
    open(scenarioWith(area));
    for (int slot : {1, 2, 3, 4, 5, 6, 0})
        playerTabs()->setCurrentIndex(slot);
    control<QTabWidget>("MainPageControl")->setCurrentIndex(0);
    QVERIFY(!window_->document()->isModified());
    QCOMPARE(savedPlayers().toHex(), area.toHex());
}

void TestPlayersPage::oneChangeOnAnOddPlayer_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("balance") << "editMoney"
                             << "-5" << 0 << QByteArray::fromHex("fbffffff");
    QTest::newRow("colour") << "comboPlayerColor"
                            << "2" << 7 << QByteArray::fromHex("02");
    QTest::newRow("kind") << "comboKind"
                          << "1" << 4 << QByteArray::fromHex("00");
    QTest::newRow("castle") << "cbSchlossbau"
                            << "0" << 14 << QByteArray::fromHex("00");
    QTest::newRow("monuments") << "editDenkanz"
                               << "7" << 56 << QByteArray::fromHex("0700");
    QTest::newRow("name") << "editName"
                          << "Neu" << 960 << QByteArray("Neu") + QByteArray(61, '\0');
    QTest::newRow("typed level") << "editBgruppmin"
                                 << "3" << 36 << QByteArray::fromHex("40");
}

// On a player full of odd values, a change to one control writes only that
// control's field.
void TestPlayersPage::oneChangeOnAnOddPlayer()
{
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    QByteArray area = players();
    area[4] = char(99);
    area[14] = char(2);
    area[36] = char(1);
    open(scenarioWith(area));
    setControl(name, value);
    QByteArray expected = area;
    expected.replace(offset, bytes.size(), bytes);
    QCOMPARE(savedPlayers().toHex(), expected.toHex());
}

void TestPlayersPage::numericFieldsRefuseOtherText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");

    QTest::newRow("letter pasted") << "editDenkanz"
                                   << "12a"
                                   << ""
                                   << "";
    QTest::newRow("minus pasted into a count") << "editTriumphanz"
                                               << "-5"
                                               << ""
                                               << "";
    QTest::newRow("letters typed") << "editKillshipanz"
                                   << ""
                                   << "1x2 ,3"
                                   << "123";
    QTest::newRow("minus typed into a count") << "editLosssoldatanz"
                                              << ""
                                              << "-4"
                                              << "4";
    QTest::newRow("negative balance pasted") << "editMoney"
                                             << "-5"
                                             << ""
                                             << "-5";
    QTest::newRow("minus after digits") << "editMoney"
                                        << ""
                                        << "5-1"
                                        << "51";
}

// Typed or pasted, only digits reach a numeric edit; a minus only where the
// field holds negative numbers, and only in front.
void TestPlayersPage::numericFieldsRefuseOtherText()
{
    QFETCH(QString, name);
    QFETCH(QString, pasted);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    open(scenarioWith(stablePlayers()));
    auto *edit = control<QLineEdit>(name.toLatin1().constData());
    QVERIFY(edit->isEnabled());
    edit->clear();
    if (!pasted.isEmpty()) {
        QGuiApplication::clipboard()->setText(pasted);
        edit->paste();
    }
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), after);
}

void TestPlayersPage::outOfRangeIsClampedWhenLeaving_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byReturn");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("counter, Return")
        << "editDenkanz"
        << "70000" << true << "65535" << 56 << QByteArray::fromHex("ffff");
    QTest::newRow("inhabitants, focus leaves")
        << "editWohnmin"
        << "123456" << false << "65535" << 34 << QByteArray::fromHex("ffff");
    QTest::newRow("balance too large")
        << "editMoney"
        << "99999999999" << false << "2147483647" << 0 << QByteArray::fromHex("ffffff7f");
    QTest::newRow("balance too small")
        << "editMoney"
        << "-2147483649" << true << "-2147483648" << 0 << QByteArray::fromHex("00000080");
    QTest::newRow("in range stays")
        << "editDenkanz"
        << "0042" << true << "0042" << 56 << QByteArray::fromHex("2a00");
}

// Leaving a field shows the clamped number at once, and the save stores it.
void TestPlayersPage::outOfRangeIsClampedWhenLeaving()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(bool, byReturn);
    QFETCH(QString, shown);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    const QByteArray original = stablePlayers();
    open(scenarioWith(original));
    auto *edit = control<QLineEdit>(name.toLatin1().constData());
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), typed);
    if (byReturn) {
        QTest::keyClick(edit, Qt::Key_Return);
    } else {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(edit, &out);
    }
    QCOMPARE(edit->text(), shown);
    QByteArray expected = original;
    expected.replace(offset, bytes.size(), bytes);
    QCOMPARE(savedPlayers().toHex(), expected.toHex());
}

void TestPlayersPage::fieldsReachTheirBytes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");

    const QString longName(70, QLatin1Char('x'));
    QTest::newRow("nothing edited") << QString() << QString() << 0 << QByteArray();
    QTest::newRow("balance") << "editMoney"
                             << "123456" << 0 << QByteArray::fromHex("40e20100");
    QTest::newRow("balance not a number") << "editMoney"
                                          << "12a" << 0 << QByteArray(4, '\0');
    QTest::newRow("kind") << "comboKind"
                          << "4" << 4 << QByteArray::fromHex("0b");
    QTest::newRow("colour") << "comboPlayerColor"
                            << "6" << 7 << QByteArray::fromHex("06");
    QTest::newRow("castle") << "cbSchlossbau"
                            << "0" << 14 << QByteArray::fromHex("00");
    QTest::newRow("cathedral") << "cbKathedralebau"
                               << "1" << 15 << QByteArray::fromHex("01");
    QTest::newRow("arches received") << "editTriumphanz"
                                     << "258" << 16 << QByteArray::fromHex("0201");
    QTest::newRow("arches built") << "editTriumphbauanz"
                                  << "259" << 18 << QByteArray::fromHex("0301");
    QTest::newRow("soldiers defeated") << "editKillsoldatanz"
                                       << "260" << 20 << QByteArray::fromHex("0401");
    QTest::newRow("soldiers lost") << "editLosssoldatanz"
                                   << "261" << 22 << QByteArray::fromHex("0501");
    QTest::newRow("ships lost") << "editLossshipanz"
                                << "262" << 24 << QByteArray::fromHex("0601");
    QTest::newRow("ships sunk") << "editKillshipanz"
                                << "263" << 26 << QByteArray::fromHex("0701");
    QTest::newRow("human inhabitants") << "editHumanwohnmax"
                                       << "264" << 32 << QByteArray::fromHex("0801");
    QTest::newRow("own inhabitants") << "editWohnmin"
                                     << "265" << 34 << QByteArray::fromHex("0901");
    QTest::newRow("monuments received") << "editDenkanz"
                                        << "266" << 56 << QByteArray::fromHex("0a01");
    QTest::newRow("monuments built") << "editDenkbauanz"
                                     << "267" << 58 << QByteArray::fromHex("0b01");
    QTest::newRow("70000 is clamped to 16 bits") << "editDenkanz"
                                                 << "70000" << 56 << QByteArray::fromHex("ffff");
    QTest::newRow("counter not a number") << "editWohnmin"
                                          << "" << 34 << QByteArray(2, '\0');
    QTest::newRow("name in Windows-1252")
        << "editName"
        << "Käpt'n" << 960 << QByteArray("K\xe4pt'n") + QByteArray(58, '\0');
    QTest::newRow("name cut to 63")
        << "editName" << longName << 960 << QByteArray(63, 'x') + QByteArray(1, '\0');
}

// Each control reaches exactly its own bytes; every other byte of all seven
// records is written back as read.
void TestPlayersPage::fieldsReachTheirBytes()
{
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    const QByteArray original = stablePlayers();
    open(scenarioWith(original));
    if (!name.isEmpty()) {
        // The name edit holds at most 63 characters; the record cuts too.
        if (name == "editName" && value.size() > 63)
            QCOMPARE(control<QLineEdit>("editName")->maxLength(), 63);
        setControl(name, value);
        QVERIFY(window_->document()->isModified());
    }
    QByteArray expected = original;
    expected.replace(offset, bytes.size(), bytes);
    QCOMPARE(savedPlayers().toHex(), expected.toHex());
}

void TestPlayersPage::moodSwitchesKeepTheOtherBits()
{
    const quint32 moods = 0xA5A5A5A5; // 0x20 and 0x100 on, 0x10 and 0x200 off
    QByteArray players = stablePlayers();
    le::setU32(at(players, 28), 0, moods);
    open(scenarioWith(players));

    const char *boxes[] = {"cbHumanwohnmax", "cbWohnmin", "cbBgruppmin", "cbBgruppmaxhuman"};
    const bool shown[] = {false, true, true, false};
    for (int i = 0; i < 4; ++i) {
        auto *box = control<QCheckBox>(boxes[i]);
        QCOMPARE(box->isChecked(), shown[i]);
        box->click();
    }
    const QByteArray saved = savedPlayers();
    QCOMPARE(le::u32(reinterpret_cast<const uchar *>(saved.constData()), 28),
             (moods & ~0x330u) | 0x210u);
}

// Codes no item stands for: the combo box shows no selection, and both codes
// are kept.
void TestPlayersPage::codesOutsideTheTablesShowNoSelection()
{
    QByteArray players = stablePlayers();
    players[4] = char(99);
    players[7] = char(9);
    open(scenarioWith(players));
    QCOMPARE(control<QComboBox>("comboKind")->currentIndex(), -1);
    QCOMPARE(control<QComboBox>("comboPlayerColor")->currentIndex(), -1);
    QCOMPARE(control<QComboBox>("comboPlayerColor")->count(), 7);
    QCOMPARE(control<QComboBox>("comboPlayerColor")->itemText(6), QStringLiteral("Händler"));
    QVERIFY(!control<QComboBox>("comboPlayerColor")->itemIcon(6).isNull());

    const QByteArray saved = savedPlayers();
    QCOMPARE(quint8(saved[4]), quint8(99));
    QCOMPARE(quint8(saved[7]), quint8(9));
}

void TestPlayersPage::levelBytesThroughThePage_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("stored");
    QTest::newRow("0") << 0 << 100 << "1,00" << 0;
    QTest::newRow("1 between two positions") << 1 << 103 << "1,03" << 1;
    QTest::newRow("8") << 8 << 125 << "1,25" << 8;
    QTest::newRow("64") << 64 << 300 << "3,00" << 64;
    QTest::newRow("128") << 128 << 500 << "5,00" << 128;
    QTest::newRow("255 shows its own value") << 255 << 500 << "8,97" << 255;
}

// Showing a level and switching to another player and back keeps the level
// byte, even where the track bar cannot stand on it, without counting a change.
void TestPlayersPage::levelBytesThroughThePage()
{
    QFETCH(int, level);
    QFETCH(int, position);
    QFETCH(QString, text);
    QFETCH(int, stored);
    QByteArray players = stablePlayers();
    players[36] = char(level);
    players[37] = char(level);
    open(scenarioWith(players));
    for (const char *bar : {"tbBgruppmin", "tbBgruppmaxhuman"})
        QCOMPARE(control<LevelTrackBar>(bar)->value(), position);
    for (const char *edit : {"editBgruppmin", "editBgruppmaxhuman"})
        QCOMPARE(control<QLineEdit>(edit)->text(), text);

    playerTabs()->setCurrentIndex(1);
    playerTabs()->setCurrentIndex(0);
    const PlayerRecord player = window_->document()->players().player(0);
    QCOMPARE(int(player.levelMin()), stored);
    QCOMPARE(int(player.levelMaxHuman()), stored);
    QVERIFY(!window_->document()->isModified());
}

void TestPlayersPage::typedLevels_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("stored");
    QTest::newRow("3") << "3" << 300 << "3,00" << 64;
    QTest::newRow("9 stops at the end") << "9" << 500 << "5,00" << 128;
    QTest::newRow("point") << "1.5" << 150 << "1,50" << 16;
    QTest::newRow("comma rounds") << " 2,999 " << 300 << "3,00" << 64;
    QTest::newRow("not a number changes nothing") << "drei" << 125 << "drei" << 8;
}

void TestPlayersPage::typedLevels()
{
    QFETCH(QString, typed);
    QFETCH(int, position);
    QFETCH(QString, shown);
    QFETCH(int, stored);
    QByteArray players = stablePlayers();
    players[36] = char(8);
    open(scenarioWith(players));
    control<QLineEdit>("editBgruppmin")->setText(typed);
    QCOMPARE(control<LevelTrackBar>("tbBgruppmin")->value(), position);
    QCOMPARE(control<QLineEdit>("editBgruppmin")->text(), shown);
    QCOMPARE(quint8(savedPlayers()[36]), quint8(stored));
}

// The bar follows each key, but the edit is only rewritten in the bar's
// two-decimal form when the typing ends, so "2,5" can be typed.
void TestPlayersPage::typingKeepsTheTextUntilEnter()
{
    QByteArray players = stablePlayers();
    le::setU32(at(players, 28), 0, PlayerRecord::AngryBelowLevel);
    open(scenarioWith(players));
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    auto *edit = control<QLineEdit>("editBgruppmin");
    auto *bar = control<LevelTrackBar>("tbBgruppmin");
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "2,5");
    QCOMPARE(edit->text(), QStringLiteral("2,5"));
    QCOMPARE(bar->value(), 250);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(edit->text(), QStringLiteral("2,50"));
    QCOMPARE(bar->value(), 250);
}

// Whatever the bar writes into the edit leads back to the same position in
// one step: the two controls never drive each other on.
void TestPlayersPage::everyPositionSurvivesEditAndBar()
{
    open(scenarioWith(stablePlayers()));
    for (const auto &[barName, editName] : {std::pair{"tbBgruppmin", "editBgruppmin"},
                                            std::pair{"tbBgruppmaxhuman", "editBgruppmaxhuman"}}) {
        auto *bar = control<LevelTrackBar>(barName);
        auto *edit = control<QLineEdit>(editName);
        for (int position = 100; position <= 500; ++position) {
            bar->setValue(position);
            const QString text = edit->text();
            bar->setValue(position == 250 ? 251 : 250);
            QSignalSpy moves(bar, &QSlider::valueChanged);
            edit->setText(text);
            QCOMPARE(moves.size(), 1);
            QCOMPARE(bar->value(), position);
            QCOMPARE(edit->text(), text);
        }
    }
}

void TestPlayersPage::thumbAndBandFollowTheGoal_data()
{
    QTest::addColumn<bool>("a2");
    QTest::addColumn<bool>("on");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("picture");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selEnd");
    QTest::newRow("A1 at 100") << false << true << 100 << 0 << 100 << 100;
    QTest::newRow("A1 at 441") << false << true << 441 << 5 << 100 << 441;
    QTest::newRow("A1 at 442") << false << true << 442 << 6 << 100 << 442;
    QTest::newRow("A1 at 500") << false << true << 500 << 6 << 100 << 500;
    QTest::newRow("A1 off") << false << false << 300 << -1 << 100 << 100;
    QTest::newRow("A2 at 500") << true << true << 500 << 0 << 500 << 500;
    QTest::newRow("A2 at 100") << true << true << 100 << 6 << 100 << 500;
    QTest::newRow("A2 at 250") << true << true << 250 << 4 << 250 << 500;
    QTest::newRow("A2 off") << true << false << 250 << -1 << 500 << 500;
}

void TestPlayersPage::thumbAndBandFollowTheGoal()
{
    QFETCH(bool, a2);
    QFETCH(bool, on);
    QFETCH(int, position);
    QFETCH(int, picture);
    QFETCH(int, selStart);
    QFETCH(int, selEnd);
    open(scenarioWith(stablePlayers()));
    auto *check = control<QCheckBox>(a2 ? "cbBgruppmaxhuman" : "cbBgruppmin");
    auto *bar = control<LevelTrackBar>(a2 ? "tbBgruppmaxhuman" : "tbBgruppmin");
    auto *thumb = control<QLabel>(a2 ? "imDaumen2" : "imDaumen1");
    check->setChecked(true);
    bar->setValue(position);
    check->setChecked(on);
    QCOMPARE(thumb->property("picture").toInt(), picture);
    QCOMPARE(thumb->pixmap().isNull(), !on);
    QCOMPARE(bar->selStart(), selStart);
    QCOMPARE(bar->selEnd(), selEnd);
}

void TestPlayersPage::enableRules_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("followers");
    QTest::newRow("B1") << "cbWohnmin" << QStringList{"editWohnmin"};
    QTest::newRow("B2") << "cbHumanwohnmax" << QStringList{"editHumanwohnmax"};
    QTest::newRow("A1") << "cbBgruppmin"
                        << QStringList{"tbBgruppmin", "editBgruppmin", "lbBgruppmin1",
                                       "lbBgruppmin2"};
    QTest::newRow("A2") << "cbBgruppmaxhuman"
                        << QStringList{"tbBgruppmaxhuman", "editBgruppmaxhuman",
                                       "lbBgruppmaxhuman1", "lbBgruppmaxhuman2"};
}

void TestPlayersPage::enableRules()
{
    QFETCH(QString, box);
    QFETCH(QStringList, followers);
    QByteArray players = stablePlayers();
    le::setU32(at(players, 28), 0, 0);
    open(scenarioWith(players));
    window_->show();
    auto *check = window_->findChild<QCheckBox *>(box);
    QVERIFY(check);
    for (bool on : {true, false}) {
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
        QCOMPARE(check->isChecked(), on);
        for (const QString &name : followers) {
            QWidget *follower = window_->findChild<QWidget *>(name);
            QVERIFY2(follower, qPrintable(name));
            QVERIFY2(follower->isEnabled() == on, qPrintable(name));
        }
    }
    QCOMPARE(window_->document()->ModifiedCount(), 2);
    QVERIFY(!control<QLabel>("lbBgruppmin2")->isVisible());
    QVERIFY(!control<QLabel>("lbBgruppmaxhuman2")->isVisible());
}

// Switching tabs writes the page into the player that was shown and fills
// it, the unlocked buildings included, from the new one.
void TestPlayersPage::tabSwitchStoresAndFills()
{
    QByteArray players = stablePlayers();
    le::setU32(at(players, 52), 0, 5);
    le::setU32(at(players, 2 * PlayerSize + 52), 0, 0x80000002);
    open(scenarioWith(players));
    auto *name = control<QLineEdit>("editName");
    auto *frei = window_->findChild<TFreiForm *>();
    QVERIFY(frei);
    QCOMPARE(frei->Flags(), 5u);

    name->setText("Neu");
    control<QCheckBox>("cbInfra03")->click();
    playerTabs()->setCurrentIndex(2);
    QCOMPARE(name->text(), QStringLiteral("Spieler 3"));
    QCOMPARE(control<QComboBox>("comboPlayerColor")->currentIndex(), 2);
    QCOMPARE(frei->Flags(), 0x80000002u);
    const PlayerRecord first = window_->document()->players().player(0);
    QCOMPARE(first.name(), QStringLiteral("Neu"));
    QCOMPARE(first.unlockedBuildings(), 13u);

    playerTabs()->setCurrentIndex(0);
    QCOMPARE(name->text(), QStringLiteral("Neu"));
    QCOMPARE(frei->Flags(), 13u);
}

void TestPlayersPage::unlockedBuildingsDialog()
{
    QByteArray players = stablePlayers();
    le::setU32(at(players, 52), 0, 5);
    open(scenarioWith(players));
    window_->show();
    auto *frei = window_->findChild<TFreiForm *>();
    QVERIFY(!frei->isVisible());
    control<QPushButton>("Button1")->click();
    QVERIFY(frei->isVisible());
    QVERIFY(frei->isWindow());
    QCOMPARE(frei->windowTitle(), QStringLiteral("Freigeschaltete Gebäude"));

    QStringList ticked;
    for (QCheckBox *box : frei->findChildren<QCheckBox *>())
        if (box->isChecked())
            ticked << box->objectName() + "=" + box->text();
    ticked.sort();
    QCOMPARE(ticked, QStringList({"cbInfra00=unbekannt0", "cbInfra02=Schule"}));
    QCOMPARE(control<QCheckBox>("cbInfra31")->text(), QStringLiteral("Festung"));

    auto *festung = control<QCheckBox>("cbInfra31");
    // On the box itself: a click beside its caption does not count.
    QTest::mouseClick(festung, Qt::LeftButton, {}, QPoint(8, festung->height() / 2));
    QVERIFY(window_->document()->isModified());
    control<QPushButton>("CloseButton")->click();
    QVERIFY(!frei->isVisible());
    control<QPushButton>("Button1")->click();
    QVERIFY(control<QCheckBox>("cbInfra31")->isChecked());

    const QByteArray saved = savedPlayers();
    QCOMPARE(le::u32(reinterpret_cast<const uchar *>(saved.constData()), 52), 0x80000005u);
}

// The buttons of "Waren" act on the player of the selected tab only.
void TestPlayersPage::goodsButtonsEmptyOnlyThatPlayer()
{
    open(rich_.file);
    playerTabs()->setCurrentIndex(1);
    for (const char *button : {"btKontoreleeren", "btSchiffeleeren", "btKarrenleeren"})
        control<QPushButton>(button)->click();
    QCOMPARE(prompts_->shown, QStringList({"message: " + msg::playerPostsEmptied(),
                                           "message: " + msg::playerShipsEmptied(),
                                           "message: " + msg::playerCartsEmptied()}));
    RumoSzen *doc = window_->document();
    // Only what changes a record is a step: player 2 has no ship, and its
    // cart carries nothing.
    QCOMPARE(doc->ModifiedCount(), 1);
    QCOMPARE(doc->undoStack()->text(0), QStringLiteral("Kontore leeren"));

    const std::vector<ShipRecord> &ships = doc->Ships();
    QCOMPARE(ships.size(), size_t(2));
    QCOMPARE(ships[0].owner(), quint8(0)); // "Seeadler" of player 1 keeps its cargo
    QCOMPARE(ships[0].cargo(0).amount(), quint16(320));
    QCOMPARE(ships[1].owner(), quint8(1)); // the cart of player 2 is empty
    for (int k = 0; k < ShipRecord::CargoSlots; ++k)
        QCOMPARE(ships[1].cargo(k).amount(), quint16(0));

    const auto &posts = doc->island(1)->tradingPosts();
    QCOMPARE(posts.size(), size_t(2));
    for (const TradingPostRecord &post : posts) {
        quint64 stock = 0;
        for (int i = 0; i < TradingPostRecord::SlotCount; ++i)
            stock += post.slot(i).amount();
        // City slot 0 belongs to player 1, city slot 3 to player 2.
        QCOMPARE(stock == 0, post.citySlot() == 3);
    }
}

void TestPlayersPage::showingNeverCountsAsAChange()
{
    open(rich_.file);
    window_->show();
    for (int tab = 1; tab < 7; ++tab)
        playerTabs()->setCurrentIndex(tab);
    control<QTabWidget>("MainPageControl")->setCurrentIndex(0);
    control<QTabWidget>("MainPageControl")->setCurrentIndex(PlayersPage);
    QVERIFY(!window_->document()->isModified());
    QVERIFY(!window_->isWindowModified());
}

// After the document is closed the page keeps its last contents; using its
// controls writes nothing and shows nothing.
void TestPlayersPage::detachedPageWritesNothing()
{
    open(scenarioWith(stablePlayers()));
    QVERIFY(window_->closeScenario());
    QVERIFY(!window_->document());
    QCOMPARE(control<QLineEdit>("editName")->text(), QStringLiteral("Spieler 1"));
    playerTabs()->setCurrentIndex(3);
    control<QLineEdit>("editBgruppmin")->setText("4");
    for (const char *button : {"btKontoreleeren", "btSchiffeleeren", "btKarrenleeren"})
        control<QPushButton>(button)->click();
    QVERIFY(prompts_->shown.isEmpty());
    QCOMPARE(control<LevelTrackBar>("tbBgruppmin")->value(), 400);
}

QTEST_MAIN(TestPlayersPage)
#include "tst_playerspage.moc"
