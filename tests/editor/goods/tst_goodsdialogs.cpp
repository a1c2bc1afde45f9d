#include "core/common/messages.h"
#include "core/document/rumoszen.h"
#include "editor/goods/tfreiform.h"
#include "editor/goods/tschiffwaren.h"
#include "editor/goods/twareform.h"
#include "editor/goods/twarenauswahl.h"
#include "editor/widgets/listimage.h"
#include "support/documentio.h"
#include "support/scenariobuilder.h"
#include "support/ui/scriptedprompts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QtEndian>
#include <QtTest>
#include <functional>

using namespace scenario;

namespace {

// Slot i holds colour i, except slot 5, whose colour no coat of arms shows.
constexpr std::array<int, 7> Colours = {0, 1, 2, 3, 4, 9, 6};

// Cargo of the pirate ship: identifiers by slot (9999 is no goods), and
// amount words with flag bits and fractions of a ton.
constexpr std::array<quint16, 8> PirateGoods = {2405, 1505, 9999, 513, 9905, 2401, 517, 2001};
quint16 pirateWord(int k)
{
    return quint16((k % 4) << 14 | ((k * 10 + 3) * 32 + 7));
}

// Stock of "Ostkap", beyond what the arrows reach: 101 t, 5000 t and 5/32,
// the largest amount, and less than a ton.
const QList<quint32> OstkapStock = {7, 7, 101 * 32, 5000 * 32 + 5, 0xFFFFFFFF, 31};

// Island 1: "Nordhafen" (slot 0, player 1) with a trading post holding 100
// (3 1/8 t) in slots 0..24, "Suedwacht" (slot 1, player 6) without one,
// "Ostkap" (slot 2, player 2) with OstkapStock.
// Ships: a pirate ship (5 slots), a cart (3 slots), a figure of no type.
QByteArray fixture()
{
    IslandSpec one;
    one.cityOwners = {1, 6, 2, 7, 7, 7, 7, 7};
    QList<std::pair<quint16, quint16>> pirate;
    for (int k = 0; k < 8; ++k)
        pirate.append({PirateGoods[size_t(k)], pirateWord(k)});
    const QList<std::pair<quint16, quint16>> cart = {
        {1503, 0x4000 | 64}, {2001, 0xC000 | 320}, {513, 32}, {501, 0x8000 | 96}};
    return ScenarioBuilder()
        .chunk("PLAYER4", players(Colours))
        .chunk("INSEL5", islandRecord(one))
        .chunk("INSELHAUS", tile(1, 0, 0, true, 0, 1) + tile(2, 4, 0, true, 1, 6))
        .chunk("STADT4",
               city(1, 0, 1, "Nordhafen") + city(1, 1, 6, "Suedwacht") + city(1, 2, 2, "Ostkap"))
        .chunk("KONTOR2",
               tradingPost(1, 0, QList<quint32>(25, 100)) + tradingPost(1, 2, OstkapStock))
        .chunk("SHIP4", ship("Kaperer", 50, 60, 31, 3, 4, 3040, 9, pirate) +
                            ship("Karre", 70, 80, 37, 5, 6, 448, 0, cart) +
                            ship("Sonderling", 90, 99, 99, 4, 5, 1234, 7, pirate))
        .raw(minimalScenario())
        .bytes();
}

QByteArray bytesOf(const RecordView &record, int size)
{
    return QByteArray(reinterpret_cast<const char *>(record.data()), size);
}

template <typename T> T *control(QWidget &dialog, const QString &name)
{
    T *found = dialog.findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

QString two(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// Runs `act` inside the dialog's modal loop; a dialog that `act` leaves open
// is cancelled, so a failing test cannot hang.
void inside(QDialog &dialog, const std::function<void()> &act)
{
    QTimer::singleShot(0, &dialog, [&dialog, act] {
        act();
        if (dialog.isVisible())
            dialog.reject();
    });
}

// Cancels the dialog should it be shown; `shown()` tells afterwards, and the
// watch ends with the object, so it never touches a later showing.
class ShowWatch {
public:
    explicit ShowWatch(QDialog &dialog)
    {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, &dialog, [this, &dialog] {
            shown_ = dialog.isVisible();
            dialog.reject();
        });
        timer_.start(0);
    }
    bool shown() const { return shown_; }

private:
    QTimer timer_;
    bool shown_ = false;
};

void click(QWidget &dialog, const char *button)
{
    QTest::mouseClick(control<QPushButton>(dialog, QLatin1String(button)), Qt::LeftButton);
}

} // namespace

class TestGoodsDialogs : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void okWithoutEditsKeepsEveryByte_data();
    void okWithoutEditsKeepsEveryByte();
    void amountFieldsFilterAndClampVisibly_data();
    void amountFieldsFilterAndClampVisibly();
    void arrowsStepFromTheShownAmount_data();
    void arrowsStepFromTheShownAmount();
    void unlockedBuildingsKeepEveryBit_data();
    void unlockedBuildingsKeepEveryBit();

    void stockShowsWholeTons();
    void stockButtons_data();
    void stockButtons();
    void stockOfCityWithoutTradingPost_data();
    void stockOfCityWithoutTradingPost();
    void coatOfArmsFollowsOwnerColour_data();
    void coatOfArmsFollowsOwnerColour();

    void cargoShowsAndWritesUsedSlotsOnly();
    void cargoTypedAmountIsClamped();
    void pickedGoodsAreStoredOnOkOnly();
    void cargoLeerenEmptiesKeepingFlags();
    void unknownTypeShowsAllAndWritesNothing();

    void pickerLayout();
    void pickerCloseWithoutClickKeepsPick();

private:
    std::unique_ptr<RumoSzen> doc_;
    std::unique_ptr<TWarenAuswahl> picker_;
    std::unique_ptr<TWareForm> stock_;
    std::unique_ptr<TSchiffWaren> cargo_;

    CityRecord city(int slot) const { return doc_->island(1)->cityInSlot(slot); }
    TradingPostRecord post(int slot = 0) const { return doc_->tradingPostOf(city(slot)); }
    ShipRecord vehicle(int index) const { return doc_->Ships()[size_t(index)]; }
    // The trading post's bytes with `amount(i)` stored in slot i for i = 2..24.
    QByteArray postWith(const QByteArray &before, std::function<quint32(int)> amount) const;
};

void TestGoodsDialogs::init()
{
    doc_ = std::make_unique<RumoSzen>(QString(), nullptr);
    QVERIFY(load(*doc_, fixture()));
    picker_ = std::make_unique<TWarenAuswahl>();
    stock_ = std::make_unique<TWareForm>();
    cargo_ = std::make_unique<TSchiffWaren>(picker_.get());
}

void TestGoodsDialogs::cleanup()
{
    cargo_.reset();
    stock_.reset();
    picker_.reset();
    doc_.reset();
}

QByteArray TestGoodsDialogs::postWith(const QByteArray &before,
                                      std::function<quint32(int)> amount) const
{
    QByteArray expected = before;
    for (int i = 2; i <= 24; ++i)
        qToLittleEndian<quint32>(amount(i), expected.data() + 4 + 20 * i + 12);
    return expected;
}

void TestGoodsDialogs::okWithoutEditsKeepsEveryByte_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<int>("index");   // city slot or vehicle index
    QTest::addColumn<bool>("picker"); // open the picker and close it unpicked
    QTest::newRow("stock with fractions of a ton") << "stock" << 0 << false;
    QTest::newRow("stock beyond the arrows, largest amount") << "stock" << 2 << false;
    QTest::newRow("cargo with fractions, flags, unknown goods") << "cargo" << 0 << false;
    QTest::newRow("cargo after the picker closed unpicked") << "cargo" << 0 << true;
    QTest::newRow("cart") << "cargo" << 1 << false;
    QTest::newRow("vehicle of no known type") << "cargo" << 2 << false;
}

// OK on a dialog whose numbers and pictures were left as shown writes
// nothing, and reports no change to the caller.
void TestGoodsDialogs::okWithoutEditsKeepsEveryByte()
{
    QFETCH(QString, dialog);
    QFETCH(int, index);
    QFETCH(bool, picker);
    const QByteArray before = saved(*doc_);
    const bool stock = dialog == "stock";
    QDialog &shown = stock ? static_cast<QDialog &>(*stock_) : *cargo_;
    bool opened = false;
    inside(shown, [&] {
        opened = true;
        if (picker) {
            inside(*picker_, [this] { QTest::keyClick(picker_.get(), Qt::Key_Escape); });
            QTest::mouseClick(control<ListImage>(*cargo_, "imWare00"), Qt::LeftButton);
        }
        click(shown, "btOk");
    });
    const bool changed = stock ? stock_->execute(doc_.get(), city(index))
                               : cargo_->execute(doc_.get(), vehicle(index));
    QVERIFY(opened);
    QVERIFY(!changed);
    QCOMPARE(saved(*doc_), before);
}

void TestGoodsDialogs::amountFieldsFilterAndClampVisibly_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QString>("whileTyping");
    QTest::addColumn<QString>("afterLeaving");
    QTest::newRow("letters are refused") << "cargo"
                                         << "4x2" << false << "42"
                                         << "42";
    QTest::newRow("a minus is refused") << "stock"
                                        << "-3" << false << "3"
                                        << "3";
    QTest::newRow("cargo above 511 t") << "cargo"
                                       << "600" << false << "600"
                                       << "511";
    QTest::newRow("stock above 32 bits of 1/32 t") << "stock"
                                                   << "99999999999" << false << "99999999999"
                                                   << "134217727";
    QTest::newRow("emptied shows 0") << "stock"
                                     << "" << false << ""
                                     << "0";
    QTest::newRow("pasted text with letters") << "cargo"
                                              << "12a" << true << "3"
                                              << "3";
    QTest::newRow("pasted number above the range") << "cargo"
                                                   << "1000" << true << "1000"
                                                   << "511";
}

// What the amount edits take from the keyboard and the clipboard, and what
// they show once the user leaves them.
void TestGoodsDialogs::amountFieldsFilterAndClampVisibly()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(bool, pasted);
    QFETCH(QString, whileTyping);
    QFETCH(QString, afterLeaving);
    QDialog &dialog = field == "stock" ? static_cast<QDialog &>(*stock_) : *cargo_;
    auto *edit = control<QLineEdit>(dialog, field == "stock" ? "edWare04" : "edWare01");
    edit->setText("3");
    if (pasted) {
        // A paste inserts through the validator, which refuses text with
        // anything but digits as a whole.
        edit->selectAll();
        edit->insert(typed);
    } else {
        edit->clear();
        QTest::keyClicks(edit, typed);
    }
    QCOMPARE(edit->text(), whileTyping);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(edit->text(), afterLeaving);
}

void TestGoodsDialogs::arrowsStepFromTheShownAmount_data()
{
    QTest::addColumn<int>("row"); // goods slot of Ostkap's stock
    QTest::addColumn<bool>("up");
    QTest::addColumn<quint32>("stored");
    QTest::newRow("101 t up") << 2 << true << 102u * 32;
    QTest::newRow("101 t down") << 2 << false << 100u * 32;
    QTest::newRow("5000 t up") << 3 << true << 5001u * 32;
    QTest::newRow("largest amount up stays") << 4 << true << 0xFFFFFFFFu;
    QTest::newRow("largest amount down") << 4 << false << (134217727u - 1) * 32;
}

// The arrows step from the number shown, through the whole range of the
// field; a stock above 100 t is never pulled down by a click up.
void TestGoodsDialogs::arrowsStepFromTheShownAmount()
{
    QFETCH(int, row);
    QFETCH(bool, up);
    QFETCH(quint32, stored);
    inside(*stock_, [&] {
        const auto buttons =
            control<QWidget>(*stock_, "udWare" + two(row))->findChildren<QToolButton *>();
        QCOMPARE(buttons.size(), 2);
        for (QToolButton *button : buttons) {
            if ((button->arrowType() == Qt::UpArrow) == up)
                button->click();
        }
        click(*stock_, "btOk");
    });
    QCOMPARE(stock_->execute(doc_.get(), city(2)), stored != OstkapStock[row]);
    QCOMPARE(post(2).slot(row).amount(), stored);
    for (int other = 2; other < 6; ++other) {
        if (other != row)
            QCOMPARE(post(2).slot(other).amount(), OstkapStock[other]);
    }
}

void TestGoodsDialogs::unlockedBuildingsKeepEveryBit_data()
{
    QTest::addColumn<quint32>("flags");
    QTest::newRow("none") << 0u;
    QTest::newRow("unbekannt0 and Schule") << 5u;
    QTest::newRow("lowest and highest bit") << 0x80000001u;
    QTest::newRow("every bit") << 0xFFFFFFFFu;
    QTest::newRow("a mixture") << 0xDEADBEEFu;
}

// The 32 boxes give back every bit they were filled with; a click on
// "Festung" changes bit 31 alone.
void TestGoodsDialogs::unlockedBuildingsKeepEveryBit()
{
    QFETCH(quint32, flags);
    TFreiForm dialog;
    QSignalSpy changed(&dialog, &TFreiForm::controlChanged);
    dialog.setFlags(flags);
    QCOMPARE(dialog.Flags(), flags);
    QCOMPARE(changed.count(), 0);
    control<QCheckBox>(dialog, "cbInfra31")->click();
    QCOMPARE(dialog.Flags(), flags ^ 0x80000000u);
    QCOMPARE(changed.count(), 1);
}

void TestGoodsDialogs::stockShowsWholeTons()
{
    QStringList shown;
    QString name;
    int arms = -2;
    inside(*stock_, [&] {
        for (int i = 2; i <= 24; ++i)
            shown << control<QLineEdit>(*stock_, "edWare" + two(i))->text();
        name = control<QLabel>(*stock_, "lbOwner")->text();
        arms = control<ListImage>(*stock_, "picOwner")->index();
    });
    QVERIFY(!stock_->execute(doc_.get(), city(0)));
    QCOMPARE(shown, QStringList(23, "3"));
    QCOMPARE(name, QStringLiteral("Nordhafen"));
    QCOMPARE(arms, 1);

    inside(*stock_, [&] {
        shown.clear();
        for (int i = 2; i <= 5; ++i)
            shown << control<QLineEdit>(*stock_, "edWare" + two(i))->text();
    });
    QVERIFY(!stock_->execute(doc_.get(), city(2)));
    QCOMPARE(shown, (QStringList{"101", "5000", "134217727", "0"}));
}

void TestGoodsDialogs::stockButtons_data()
{
    QTest::addColumn<QString>("typed"); // into the row of "Wolle" (slot 4)
    QTest::addColumn<bool>("leeren");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<quint32>("wolle");
    QTest::addColumn<quint32>("others");

    // Rows left as shown keep their fractions; "Alles leeren" empties them.
    QTest::newRow("leeren, ok") << QString() << true << true << 0u << 0u;
    QTest::newRow("leeren, abbruch") << QString() << true << false << 100u << 100u;
    QTest::newRow("leeren, one row typed, ok") << "7" << true << true << 224u << 0u;
    QTest::newRow("typed, abbruch") << "7" << false << false << 100u << 100u;
    QTest::newRow("typed, ok") << "7" << false << true << 224u << 100u;
    QTest::newRow("typed as shown, ok") << "3" << false << true << 100u << 100u;
    QTest::newRow("too large is clamped")
        << "200000000" << false << true << 134217727u * 32 << 100u;
}

void TestGoodsDialogs::stockButtons()
{
    QFETCH(QString, typed);
    QFETCH(bool, leeren);
    QFETCH(bool, ok);
    QFETCH(quint32, wolle);
    QFETCH(quint32, others);
    const QByteArray before = bytesOf(post(), TradingPostRecord::Size);
    inside(*stock_, [&] {
        if (leeren)
            click(*stock_, "btLeeren");
        if (!typed.isEmpty())
            control<QLineEdit>(*stock_, "edWare04")->setText(typed);
        click(*stock_, ok ? "btOk" : "btCancel");
    });
    const bool changed = ok && (leeren || wolle != 100u);
    QCOMPARE(stock_->execute(doc_.get(), city(0)), changed);
    QCOMPARE(bytesOf(post(), TradingPostRecord::Size),
             postWith(before, [&](int i) { return i == 4 ? wolle : others; }));
    // What was stored is what the row shows.
    if (ok)
        QCOMPARE(control<QLineEdit>(*stock_, "edWare04")->text().toUInt(), wolle / 32);
}

void TestGoodsDialogs::stockOfCityWithoutTradingPost_data()
{
    QTest::addColumn<bool>("afterAnother"); // the stock of Nordhafen was shown first
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("first showing") << false << QByteArray("Suedwacht");
    QTest::newRow("after the stock of another city") << true << QByteArray("Suedwacht");
    QTest::newRow("city without a name") << true << QByteArray();
}

// A city without a trading post gets a message instead of the dialog, so
// that no earlier city's numbers are shown and nothing is stored.
void TestGoodsDialogs::stockOfCityWithoutTradingPost()
{
    QFETCH(bool, afterAnother);
    QFETCH(QByteArray, name);
    ScriptedPrompts prompts;
    if (afterAnother) {
        inside(*stock_, [&] {
            control<QLineEdit>(*stock_, "edWare02")->setText("55");
            click(*stock_, "btCancel");
        });
        QVERIFY(!stock_->execute(doc_.get(), city(0)));
    }
    city(1).setName(QString::fromLatin1(name));
    const QByteArray before = saved(*doc_);
    bool shown = true;
    {
        const ShowWatch watch(*stock_);
        QVERIFY(!stock_->execute(doc_.get(), city(1)));
        shown = watch.shown();
    }
    QVERIFY(!shown);
    QCOMPARE(prompts.shown,
             QStringList("message: " + msg::cityWithoutTradingPost(QString::fromLatin1(name))));
    QVERIFY(prompts.shown.first().contains("Kontor"));
    QVERIFY(name.isEmpty() || prompts.shown.first().contains(QString::fromLatin1(name)));
    QCOMPARE(saved(*doc_), before);

    // Without a city there is nothing to show, and nothing to say.
    {
        const ShowWatch watch(*stock_);
        QVERIFY(!stock_->execute(doc_.get(), CityRecord()));
        shown = watch.shown();
    }
    QVERIFY(!shown);
    QCOMPARE(prompts.shown.size(), 1);
}

void TestGoodsDialogs::coatOfArmsFollowsOwnerColour_data()
{
    QTest::addColumn<int>("owner");
    QTest::addColumn<int>("arms");
    QTest::newRow("Rot") << 0 << 0;
    QTest::newRow("Piraten") << 4 << 4;
    QTest::newRow("Händler shares the item of slot 5") << 6 << 5;
    QTest::newRow("unknown colour") << 5 << -1;
}

// The main window refreshes the stock dialog when the city changes hands.
void TestGoodsDialogs::coatOfArmsFollowsOwnerColour()
{
    QFETCH(int, owner);
    QFETCH(int, arms);
    city(0).setOwner(quint8(owner));
    stock_->refresh(doc_.get(), city(0));
    QCOMPARE(control<ListImage>(*stock_, "picOwner")->index(), arms);
    QCOMPARE(control<QLabel>(*stock_, "lbOwner")->text(), QStringLiteral("Nordhafen"));
}

// The used slots show whole tons and their goods; a typed amount is stored
// in its slot alone, keeping the flag bits; the other slots keep their
// fractions and the identifier of no known goods.
void TestGoodsDialogs::cargoShowsAndWritesUsedSlotsOnly()
{
    const QByteArray before = bytesOf(vehicle(0), ShipRecord::Size);
    QStringList shown;
    QList<int> kinds;
    QString name;
    int arms = -2;
    inside(*cargo_, [&] {
        for (int k = 0; k < 5; ++k) {
            shown << control<QLineEdit>(*cargo_, "edWare" + two(k))->text();
            kinds << control<ListImage>(*cargo_, "imWare" + two(k))->index();
        }
        name = control<QLabel>(*cargo_, "lbSchiff")->text();
        arms = control<ListImage>(*cargo_, "imSchiff")->index();
        control<QLineEdit>(*cargo_, "edWare02")->setText("7");
        click(*cargo_, "btOk");
    });
    QVERIFY(cargo_->execute(doc_.get(), vehicle(0)));
    QCOMPARE(name, QStringLiteral("Kaperer"));
    QCOMPARE(arms, 4);
    QCOMPARE(shown, (QStringList{"3", "13", "23", "33", "43"}));
    QCOMPARE(kinds, (QList<int>{3, 4, 1, 24, 29}));
    for (int k = 0; k < 8; ++k)
        QCOMPARE(control<QGroupBox>(*cargo_, "gbWare" + two(k))->isHidden(), k >= 5);

    QByteArray expected = before;
    qToLittleEndian<quint16>(quint16((pirateWord(2) & 0xC000) | 7 * 32),
                             expected.data() + 372 + 8 * 2 + 2);
    QCOMPARE(bytesOf(vehicle(0), ShipRecord::Size), expected);
}

void TestGoodsDialogs::cargoTypedAmountIsClamped()
{
    inside(*cargo_, [&] {
        QLineEdit *edit = control<QLineEdit>(*cargo_, "edWare03");
        edit->selectAll();
        QTest::keyClicks(edit, "6x00");
        click(*cargo_, "btOk");
    });
    QVERIFY(cargo_->execute(doc_.get(), vehicle(0)));
    // OK shows the number stored, where it went beyond the field.
    QCOMPARE(control<QLineEdit>(*cargo_, "edWare03")->text(), QStringLiteral("511"));
    QCOMPARE(vehicle(0).cargo(3).amountWord(), quint16(0xC000 | 511 * 32));
}

void TestGoodsDialogs::pickedGoodsAreStoredOnOkOnly()
{
    const QByteArray before = bytesOf(vehicle(0), ShipRecord::Size);
    auto pickGold = [this](const char *close) {
        inside(*cargo_, [this, close] {
            inside(*picker_, [this] {
                QTest::mouseClick(control<ListImage>(*picker_, "imAuswahl03"), Qt::LeftButton);
            });
            QTest::mouseClick(control<ListImage>(*cargo_, "imWare01"), Qt::LeftButton);
            QCOMPARE(control<ListImage>(*cargo_, "imWare01")->index(), 3);
            click(*cargo_, close);
        });
        return cargo_->execute(doc_.get(), vehicle(0));
    };

    QVERIFY(!pickGold("btCancel"));
    QCOMPARE(bytesOf(vehicle(0), ShipRecord::Size), before);
    int reopened = 0;
    inside(*cargo_, [&] { reopened = control<ListImage>(*cargo_, "imWare01")->index(); });
    QVERIFY(!cargo_->execute(doc_.get(), vehicle(0)));
    QCOMPARE(reopened, 4); // "Wolle", as stored

    QVERIFY(pickGold("btOk"));
    QCOMPARE(vehicle(0).cargo(1).goods(), quint16(2405));
}

void TestGoodsDialogs::cargoLeerenEmptiesKeepingFlags()
{
    const QByteArray before = bytesOf(vehicle(1), ShipRecord::Size);
    inside(*cargo_, [&] {
        click(*cargo_, "btLeeren");
        click(*cargo_, "btOk");
    });
    QVERIFY(cargo_->execute(doc_.get(), vehicle(1)));
    QCOMPARE(control<ListImage>(*cargo_, "imSchiff")->index(), 5);
    QByteArray expected = before;
    const std::array<quint16, 3> flags = {0x4000, 0xC000, 0};
    for (int k = 0; k < 3; ++k) {
        qToLittleEndian<quint16>(0, expected.data() + 372 + 8 * k);
        qToLittleEndian<quint16>(flags[size_t(k)], expected.data() + 372 + 8 * k + 2);
    }
    QCOMPARE(bytesOf(vehicle(1), ShipRecord::Size), expected);
}

// A figure of no known type shows its own eight slots, locked, never the
// numbers of the vehicle shown before, and stores nothing.
void TestGoodsDialogs::unknownTypeShowsAllAndWritesNothing()
{
    inside(*cargo_, [&] {
        control<QLineEdit>(*cargo_, "edWare07")->setText("77");
        click(*cargo_, "btOk");
    });
    QVERIFY(!cargo_->execute(doc_.get(), vehicle(1))); // the cart uses three slots

    const QByteArray before = bytesOf(vehicle(2), ShipRecord::Size);
    bool editable = true;
    QStringList shown;
    QList<int> kinds;
    inside(*cargo_, [&] {
        editable = control<QGroupBox>(*cargo_, "gbWare00")->isEnabled() ||
                   control<QPushButton>(*cargo_, "btLeeren")->isEnabled();
        for (int k = 0; k < 8; ++k) {
            shown << control<QLineEdit>(*cargo_, "edWare" + two(k))->text();
            kinds << control<ListImage>(*cargo_, "imWare" + two(k))->index();
        }
        click(*cargo_, "btOk");
    });
    QVERIFY(!cargo_->execute(doc_.get(), vehicle(2)));
    QVERIFY(!editable);
    for (int k = 0; k < 8; ++k)
        QVERIFY(!control<QGroupBox>(*cargo_, "gbWare" + two(k))->isHidden());
    QCOMPARE(shown, (QStringList{"3", "13", "23", "33", "43", "53", "63", "73"}));
    QCOMPARE(kinds, (QList<int>{3, 4, 1, 24, 29, 2, 11, 23}));
    QCOMPARE(bytesOf(vehicle(2), ShipRecord::Size), before);

    QVERIFY(!cargo_->execute(doc_.get(), ShipRecord())); // returns without showing
}

void TestGoodsDialogs::pickerLayout()
{
    QCOMPARE(picker_->windowTitle(), QStringLiteral("Warenauswahl"));
    QCOMPARE(picker_->size(), QSize(512, 356));
    QCOMPARE(picker_->minimumSize(), picker_->maximumSize());
    const QList<ListImage *> pictures = picker_->findChildren<ListImage *>();
    QCOMPARE(pictures.size(), 40);
    QMap<int, QPoint> at;
    QMap<int, QString> hints;
    for (const ListImage *picture : pictures) {
        at.insert(picture->index(), picture->pos());
        hints.insert(picture->index(), picture->toolTip());
    }
    QCOMPARE(at.size(), 40);
    QCOMPARE(at.firstKey(), 1);
    QCOMPARE(at.lastKey(), 40);
    // Goods row by row on the left, "empty" last; further kinds column by
    // column on the right.
    QCOMPARE(at[2], QPoint(16, 16));
    QCOMPARE(at[5], QPoint(190, 16));
    QCOMPARE(at[6], QPoint(16, 72));
    QCOMPARE(at[23], QPoint(74, 296));
    QCOMPARE(at[24], QPoint(132, 296));
    QCOMPARE(at[1], QPoint(190, 296));
    QCOMPARE(at[25], QPoint(272, 16));
    QCOMPARE(at[28], QPoint(272, 184));
    QCOMPARE(at[29], QPoint(330, 16));
    QCOMPARE(at[39], QPoint(446, 128));
    QCOMPARE(at[40], QPoint(446, 184));
    // Every picture names its goods, each a name of its own.
    QCOMPARE(QSet<QString>(hints.cbegin(), hints.cend()).size(), 40);
    QVERIFY(!QSet<QString>(hints.cbegin(), hints.cend()).contains(QString()));
    QCOMPARE(hints[1], QStringLiteral("leer"));
    QCOMPARE(hints[2], QStringLiteral("Erz"));
    QCOMPARE(hints[3], QStringLiteral("Gold"));
    QCOMPARE(hints[24], QStringLiteral("Ziegel"));
    QCOMPARE(hints[25], QStringLiteral("Weitere Ladung 9901"));
    QCOMPARE(hints[40], QStringLiteral("Weitere Ladung 9916"));
}

void TestGoodsDialogs::pickerCloseWithoutClickKeepsPick()
{
    QCOMPARE(picker_->picked(), 0);
    inside(*picker_, [this] {
        QTest::mouseClick(control<ListImage>(*picker_, "imAuswahl17"), Qt::LeftButton);
    });
    QCOMPARE(picker_->exec(), int(QDialog::Accepted));
    QCOMPARE(picker_->picked(), 17);

    inside(*picker_, [this] {
        // A press that ends outside the picture is no click.
        ListImage *gold = control<ListImage>(*picker_, "imAuswahl03");
        QTest::mousePress(gold, Qt::LeftButton);
        QTest::mouseRelease(gold, Qt::LeftButton, {}, QPoint(-5, -5));
        QTest::keyClick(picker_.get(), Qt::Key_Escape);
    });
    QCOMPARE(picker_->exec(), int(QDialog::Rejected));
    QCOMPARE(picker_->picked(), 17);
}

QTEST_MAIN(TestGoodsDialogs)
#include "tst_goodsdialogs.moc"
