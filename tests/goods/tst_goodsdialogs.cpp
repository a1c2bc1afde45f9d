#include "document/rumoszen.h"
#include "goods/amountfield.h"
#include "goods/listimage.h"
#include "goods/tschiffwaren.h"
#include "goods/twareform.h"
#include "goods/twarenauswahl.h"
#include "support/documentio.h"
#include "support/scenariobuilder.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
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

// Island 1: "Nordhafen" (slot 0, player 1) with a trading post holding 100
// (3 1/8 t) in slots 0..24, "Suedwacht" (slot 1, player 6) without one.
// Ships: a pirate ship (5 slots), a cart (3 slots), a figure of no type.
QByteArray fixture()
{
    IslandSpec one;
    one.cityOwners = {1, 6, 7, 7, 7, 7, 7, 7};
    QList<std::pair<quint16, quint16>> pirate;
    for (int k = 0; k < 8; ++k)
        pirate.append({PirateGoods[size_t(k)], pirateWord(k)});
    const QList<std::pair<quint16, quint16>> cart = {
        {1503, 0x4000 | 64}, {2001, 0xC000 | 320}, {513, 32}, {501, 0x8000 | 96}};
    return ScenarioBuilder()
        .chunk("PLAYER4", players(Colours))
        .chunk("INSEL5", islandRecord(one))
        .chunk("INSELHAUS", tile(1, 0, 0, true, 0, 1) + tile(2, 4, 0, true, 1, 6))
        .chunk("STADT4", city(1, 0, 1, "Nordhafen") + city(1, 1, 6, "Suedwacht"))
        .chunk("KONTOR2", tradingPost(1, 0, QList<quint32>(25, 100)))
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

    void stockRoundTripDropsFractions();
    void stockButtons_data();
    void stockButtons();
    void stockWithoutTradingPostWritesNothing();
    void coatOfArmsFollowsOwnerColour_data();
    void coatOfArmsFollowsOwnerColour();
    void typedTons_data();
    void typedTons();

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
    TradingPostRecord post() const { return doc_->TradingPostOf(city(0)); }
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

void TestGoodsDialogs::stockRoundTripDropsFractions()
{
    const QByteArray before = bytesOf(post(), TradingPostRecord::Size);
    QStringList shown;
    QString name;
    int arms = -2;
    inside(*stock_, [&] {
        for (int i = 2; i <= 24; ++i)
            shown << control<QLineEdit>(*stock_, "edWare" + two(i))->text();
        name = control<QLabel>(*stock_, "lbOwner")->text();
        arms = control<ListImage>(*stock_, "picOwner")->index();
        click(*stock_, "btOk");
    });
    QVERIFY(stock_->Execute(doc_.get(), city(0)));
    QCOMPARE(shown, QStringList(23, "3"));
    QCOMPARE(name, QStringLiteral("Nordhafen"));
    QCOMPARE(arms, 1);
    QCOMPARE(bytesOf(post(), TradingPostRecord::Size), postWith(before, [](int) { return 96; }));
    QVERIFY(!doc_->IsModified());
}

void TestGoodsDialogs::stockButtons_data()
{
    QTest::addColumn<QString>("typed"); // into the row of "Wolle" (slot 4)
    QTest::addColumn<bool>("leeren");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<quint32>("wolle");
    QTest::addColumn<quint32>("others");

    QTest::newRow("leeren, ok") << QString() << true << true << 0u << 0u;
    QTest::newRow("leeren, abbruch") << QString() << true << false << 100u << 100u;
    QTest::newRow("typed, abbruch") << "7" << false << false << 100u << 100u;
    QTest::newRow("typed, ok") << "7" << false << true << 224u << 96u;
    QTest::newRow("too large is clamped") << "200000000" << false << true << 134217727u * 32 << 96u;
    QTest::newRow("no number is 0") << "x1" << false << true << 0u << 96u;
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
        if (!typed.isEmpty())
            control<QLineEdit>(*stock_, "edWare04")->setText(typed);
        if (leeren)
            click(*stock_, "btLeeren");
        click(*stock_, ok ? "btOk" : "btCancel");
    });
    QCOMPARE(stock_->Execute(doc_.get(), city(0)), ok);
    QCOMPARE(bytesOf(post(), TradingPostRecord::Size),
             postWith(before, [&](int i) { return i == 4 ? wolle : others; }));
}

void TestGoodsDialogs::stockWithoutTradingPostWritesNothing()
{
    const QByteArray file = saved(*doc_);
    bool enabled = true;
    QString name;
    inside(*stock_, [&] {
        enabled = control<QLineEdit>(*stock_, "edWare02")->isEnabled() ||
                  control<QPushButton>(*stock_, "btLeeren")->isEnabled();
        name = control<QLabel>(*stock_, "lbOwner")->text();
        control<QLineEdit>(*stock_, "edWare02")->setText("55");
        click(*stock_, "btOk");
    });
    QVERIFY(stock_->Execute(doc_.get(), city(1)));
    QVERIFY(!enabled);
    QCOMPARE(name, QStringLiteral("Suedwacht"));

    inside(*stock_, [&] {
        name = control<QLabel>(*stock_, "lbOwner")->text();
        click(*stock_, "btOk");
    });
    QVERIFY(stock_->Execute(doc_.get(), CityRecord()));
    QVERIFY(name.isEmpty());
    QCOMPARE(control<ListImage>(*stock_, "picOwner")->index(), -1);
    QCOMPARE(saved(*doc_), file);
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
    stock_->Refresh(doc_.get(), city(0));
    QCOMPARE(control<ListImage>(*stock_, "picOwner")->index(), arms);
    QCOMPARE(control<QLabel>(*stock_, "lbOwner")->text(), QStringLiteral("Nordhafen"));
}

void TestGoodsDialogs::typedTons_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("tons");
    QTest::newRow("plain") << "511" << 511u;
    QTest::newRow("above the limit") << "512" << 511u;
    QTest::newRow("beyond 64 bits") << "99999999999999999999999" << 511u;
    QTest::newRow("leading zeros") << "0000000000000000000042" << 42u;
    QTest::newRow("blanks") << " 12 " << 12u;
    QTest::newRow("negative") << "-3" << 0u;
    QTest::newRow("empty") << "" << 0u;
    QTest::newRow("hex is no number") << "0x10" << 0u;
}

void TestGoodsDialogs::typedTons()
{
    QFETCH(QString, text);
    QFETCH(quint32, tons);
    QCOMPARE(AmountField::TonsOf(text, 511), tons);
}

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
        click(*cargo_, "btOk");
    });
    QVERIFY(cargo_->Execute(doc_.get(), vehicle(0)));
    QCOMPARE(name, QStringLiteral("Kaperer"));
    QCOMPARE(arms, 4);
    QCOMPARE(shown, (QStringList{"3", "13", "23", "33", "43"}));
    QCOMPARE(kinds, (QList<int>{3, 4, 1, 24, 29}));
    for (int k = 0; k < 8; ++k)
        QCOMPARE(control<QGroupBox>(*cargo_, "gbWare" + two(k))->isHidden(), k >= 5);

    // Slots 1..5 lose their fractions and the unknown identifier; the rest
    // of the record keeps every byte.
    QByteArray expected = before;
    const std::array<quint16, 5> stored = {2405, 1505, 0, 513, 9905};
    for (int k = 0; k < 5; ++k) {
        qToLittleEndian<quint16>(stored[size_t(k)], expected.data() + 372 + 8 * k);
        qToLittleEndian<quint16>(quint16(pirateWord(k) & ~31), expected.data() + 372 + 8 * k + 2);
    }
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
    QVERIFY(cargo_->Execute(doc_.get(), vehicle(0)));
    QCOMPARE(control<QLineEdit>(*cargo_, "edWare03")->text(), QStringLiteral("600"));
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
        return cargo_->Execute(doc_.get(), vehicle(0));
    };

    QVERIFY(!pickGold("btCancel"));
    QCOMPARE(bytesOf(vehicle(0), ShipRecord::Size), before);
    int reopened = 0;
    inside(*cargo_, [&] { reopened = control<ListImage>(*cargo_, "imWare01")->index(); });
    QVERIFY(!cargo_->Execute(doc_.get(), vehicle(0)));
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
    QVERIFY(cargo_->Execute(doc_.get(), vehicle(1)));
    QCOMPARE(control<ListImage>(*cargo_, "imSchiff")->index(), 5);
    QByteArray expected = before;
    const std::array<quint16, 3> flags = {0x4000, 0xC000, 0};
    for (int k = 0; k < 3; ++k) {
        qToLittleEndian<quint16>(0, expected.data() + 372 + 8 * k);
        qToLittleEndian<quint16>(flags[size_t(k)], expected.data() + 372 + 8 * k + 2);
    }
    QCOMPARE(bytesOf(vehicle(1), ShipRecord::Size), expected);
}

void TestGoodsDialogs::unknownTypeShowsAllAndWritesNothing()
{
    inside(*cargo_, [&] {
        control<QLineEdit>(*cargo_, "edWare07")->setText("77");
        click(*cargo_, "btOk");
    });
    QVERIFY(cargo_->Execute(doc_.get(), vehicle(1))); // the cart uses three slots

    const QByteArray before = bytesOf(vehicle(2), ShipRecord::Size);
    bool editable = true;
    inside(*cargo_, [&] {
        editable = control<QGroupBox>(*cargo_, "gbWare00")->isEnabled() ||
                   control<QPushButton>(*cargo_, "btLeeren")->isEnabled();
        click(*cargo_, "btOk");
    });
    QVERIFY(cargo_->Execute(doc_.get(), vehicle(2)));
    QVERIFY(!editable);
    for (int k = 0; k < 8; ++k)
        QVERIFY(!control<QGroupBox>(*cargo_, "gbWare" + two(k))->isHidden());
    // Nothing was filled: the cart's values and the text typed last remain.
    QCOMPARE(control<QLineEdit>(*cargo_, "edWare00")->text(), QStringLiteral("2"));
    QCOMPARE(control<QLineEdit>(*cargo_, "edWare07")->text(), QStringLiteral("77"));
    QCOMPARE(control<ListImage>(*cargo_, "imWare01")->index(), 23);
    QCOMPARE(bytesOf(vehicle(2), ShipRecord::Size), before);

    QVERIFY(!cargo_->Execute(doc_.get(), ShipRecord())); // returns without showing
}

void TestGoodsDialogs::pickerLayout()
{
    QCOMPARE(picker_->windowTitle(), QStringLiteral("Warenauswahl"));
    QCOMPARE(picker_->size(), QSize(512, 356));
    QCOMPARE(picker_->minimumSize(), picker_->maximumSize());
    const QList<ListImage *> pictures = picker_->findChildren<ListImage *>();
    QCOMPARE(pictures.size(), 40);
    QMap<int, QPoint> at;
    QStringList hints;
    for (const ListImage *picture : pictures) {
        at.insert(picture->index(), picture->pos());
        if (!picture->toolTip().isEmpty())
            hints << QString::number(picture->index()) + "=" + picture->toolTip();
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
    hints.sort();
    QCOMPARE(hints, (QStringList{"2=Erz", "3=Gold"}));
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
