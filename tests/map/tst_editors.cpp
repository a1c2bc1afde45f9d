#include "document/rumoszen.h"
#include "goods/shipeditor.h"
#include "map/cityeditor.h"
#include "support/documentio.h"
#include "support/scenariobuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QToolButton>
#include <QtTest>

using namespace scenario;

namespace {

// Colours by slot. "Weiß" (3) is held by slot 4 and then slot 5, so a city
// choosing it skips to 5; "Händler" (6) by slots 1 and 6; "Blau" (1) by
// nobody; slot 3 holds the natives' colour.
constexpr std::array<int, 7> Colours = {0, 6, 2, 5, 3, 3, 6};

// Ship 0: "Gr. Kriegsschiff" at full energy; 1: "Kl. Handelsschiff" at 50 %;
// 2: a figure of no known type.
QByteArray ships(int owner0)
{
    return ship("Fregatte", 50, 60, 27, 1, owner0, 3840, 20) +
           ship("Kogge", 70, 80, 21, 1, 0, 800, 4) + ship("Sonderling", 90, 99, 99, 4, 2, 1234, 7);
}

// Island 1 with the city "Nord" in slot 0 (owner `owner0`) and "Sued" in slot
// 1; each has a building on both layers.
QByteArray fixture(int cityOwner = 0, int shipOwner = 0)
{
    IslandSpec one;
    one.cityOwners = {quint8(cityOwner), 2, 7, 7, 7, 7, 7, 7};
    return ScenarioBuilder()
        .chunk("PLAYER4", players(Colours))
        .chunk("INSEL5", islandRecord(one))
        .chunk("INSELHAUS", tile(1, 0, 0, true, 0, cityOwner) + tile(2, 1, 0, true, 1, 2))
        .chunk("INSELHAUS", tile(1103, 2, 3, true, 0, cityOwner) + tile(501, 8, 2, true, 1, 2))
        .chunk("STADT4", city(1, 0, cityOwner, "Nord") + city(1, 1, 2, "Sued", true))
        .chunk("SHIP4", ships(shipOwner))
        .raw(minimalScenario())
        .bytes();
}

QByteArray bytesOf(const RecordView &record, int size)
{
    return QByteArray(reinterpret_cast<const char *>(record.data()), size);
}

template <typename T> T *control(QWidget &editor, const char *name)
{
    T *found = editor.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

} // namespace

class TestEditors : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fillingCountsNoChange();
    void editorsWithoutRecordAreEmptyAndDisabled();

    void cityCommit_data();
    void cityCommit();
    void emptyCityNameBlocksTheCommit();
    void cityColourGivesCityAndBuildings();

    void energyIsStoredInPerCentOfTheType();
    void typeChangeAppliesAtOnce();
    void shipOwnerByColour_data();
    void shipOwnerByColour();
    void nodeTextIsTheStoredName();
    void emptyShipNameBlocksTheCommit();
    void guns_data();
    void guns();
    void upDownStepsWithinItsRange();
    void unknownFigureKeepsFigureKindAndEnergy();

private:
    std::unique_ptr<RumoSzen> doc_;
    std::unique_ptr<CityEditor> cities_;
    std::unique_ptr<ShipEditor> ships_;

    bool loadFixture(const QByteArray &bytes);
    CityRecord city(int slot) const { return doc_->island(1)->cityInSlot(slot); }
    ShipRecord vehicle(int index) const { return doc_->Ships()[size_t(index)]; }
};

void TestEditors::init()
{
    cities_ = std::make_unique<CityEditor>();
    ships_ = std::make_unique<ShipEditor>();
    QVERIFY(loadFixture(fixture()));
}

void TestEditors::cleanup()
{
    ships_.reset();
    cities_.reset();
    doc_.reset();
}

// Like the main window, every control change counts one change.
bool TestEditors::loadFixture(const QByteArray &bytes)
{
    doc_ = std::make_unique<RumoSzen>(QString(), nullptr);
    if (!load(*doc_, bytes))
        return false;
    doc_->SetModified(false);
    RumoSzen *doc = doc_.get();
    connect(cities_.get(), &CityEditor::controlChanged, doc, [doc] { doc->SetModified(true); });
    connect(ships_.get(), &ShipEditor::controlChanged, doc, [doc] { doc->SetModified(true); });
    return true;
}

void TestEditors::fillingCountsNoChange()
{
    QSignalSpy renamed(ships_.get(), &ShipEditor::nameEdited);
    QSignalSpy cityOwner(cities_.get(), &CityEditor::ownerChanged);
    QSignalSpy shipOwner(ships_.get(), &ShipEditor::ownerChanged);
    for (int i = 0; i < 3; ++i) {
        cities_->Fill(doc_.get(), city(i % 2));
        ships_->Fill(doc_.get(), vehicle(i));
    }
    QVERIFY(!doc_->IsModified());
    QCOMPARE(renamed.count() + cityOwner.count() + shipOwner.count(), 0);

    doc_->SetModified(true);
    cities_->Fill(doc_.get(), city(0));
    ships_->Fill(doc_.get(), vehicle(1));
    QCOMPARE(doc_->ModifiedCount(), 1);
}

void TestEditors::editorsWithoutRecordAreEmptyAndDisabled()
{
    cities_->Fill(doc_.get(), city(1));
    ships_->Fill(doc_.get(), vehicle(0));
    QCOMPARE(control<QLineEdit>(*cities_, "editStadtname")->text(), QString("Sued"));
    QVERIFY(control<QCheckBox>(*cities_, "cbBaustop")->isChecked());
    QVERIFY(!control<QLabel>(*ships_, "imSchiff")->isHidden());

    cities_->Fill(doc_.get(), CityRecord());
    ships_->Fill(nullptr, vehicle(0));
    QVERIFY(control<QLineEdit>(*cities_, "editStadtname")->text().isEmpty());
    QCOMPARE(control<QComboBox>(*cities_, "comboStadtfarbe")->currentIndex(), -1);
    QVERIFY(!control<QCheckBox>(*cities_, "cbBaustop")->isChecked());
    QVERIFY(!control<QPushButton>(*cities_, "btWarenlager")->isEnabled());
    QVERIFY(control<QLineEdit>(*ships_, "editSchiffname")->text().isEmpty());
    QVERIFY(control<QLineEdit>(*ships_, "editSchiffkanonen")->text().isEmpty());
    QCOMPARE(control<QComboBox>(*ships_, "comboSchifftyp")->currentIndex(), -1);
    QCOMPARE(control<QSlider>(*ships_, "tbEnergie")->value(), 0);
    QVERIFY(!control<QPushButton>(*ships_, "btCargo")->isEnabled());
    QVERIFY(control<QLabel>(*ships_, "imSchiff")->isHidden());
    // The groups keep their captions readable.
    QVERIFY(control<QGroupBox>(*ships_, "gbSchiff")->isEnabled());
}

void TestEditors::cityCommit_data()
{
    QTest::addColumn<int>("colour");
    QTest::addColumn<int>("owner");
    QTest::newRow("colour of slot 4 goes to the next player") << 3 << 5;
    QTest::newRow("colour nobody holds keeps the owner") << 1 << 0;
}

void TestEditors::cityCommit()
{
    QFETCH(int, colour);
    QFETCH(int, owner);
    cities_->Fill(doc_.get(), city(0));
    QCOMPARE(control<QComboBox>(*cities_, "comboStadtfarbe")->currentIndex(), 0);

    const QString longName = QString("Neustadt am Meer mit Hafen und Burg").leftJustified(40, 'x');
    control<QLineEdit>(*cities_, "editStadtname")->setText(longName);
    control<QCheckBox>(*cities_, "cbBaustop")->setChecked(true);
    {
        // Only the commit's own owner lookup, not the choice that applies at once.
        auto *combo = control<QComboBox>(*cities_, "comboStadtfarbe");
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(colour);
    }
    cities_->Commit(doc_.get(), city(0));

    QByteArray expected = scenario::city(1, 0, owner, "Nord");
    expected[4] = char(expected[4] | 1);
    expected.replace(135, 32, longName.left(31).toLatin1() + QByteArray(1, '\0'));
    QCOMPARE(bytesOf(city(0), CityRecord::Size), expected);
}

void TestEditors::emptyCityNameBlocksTheCommit()
{
    cities_->Fill(doc_.get(), city(1));
    control<QLineEdit>(*cities_, "editStadtname")->clear();
    control<QCheckBox>(*cities_, "cbBaustop")->click();
    QVERIFY(doc_->IsModified());
    cities_->Commit(doc_.get(), city(1));
    QCOMPARE(bytesOf(city(1), CityRecord::Size), scenario::city(1, 1, 2, "Sued", true));
}

// The new owner reaches the city, the island's owner entry and the player bits
// of the city's buildings on every layer at once.
void TestEditors::cityColourGivesCityAndBuildings()
{
    cities_->Fill(doc_.get(), city(0));
    QSignalSpy owner(cities_.get(), &CityEditor::ownerChanged);
    control<QComboBox>(*cities_, "comboStadtfarbe")->setCurrentIndex(3);
    QCOMPARE(owner.count(), 1);
    QVERIFY(doc_->IsModified());

    RumoSzen expected(QString(), nullptr);
    QVERIFY(load(expected, fixture(5)));
    QCOMPARE(saved(*doc_), saved(expected));
}

void TestEditors::energyIsStoredInPerCentOfTheType()
{
    ships_->Fill(doc_.get(), vehicle(0));
    auto *energy = control<QSlider>(*ships_, "tbEnergie");
    QCOMPARE(energy->value(), 100);
    energy->setValue(50);
    ships_->Commit(doc_.get(), vehicle(0), {});
    QCOMPARE(vehicle(0).energy(), quint16(1920));

    ships_->Fill(doc_.get(), vehicle(1));
    ships_->Fill(doc_.get(), vehicle(0));
    QCOMPARE(energy->value(), 50);
}

void TestEditors::typeChangeAppliesAtOnce()
{
    ships_->Fill(doc_.get(), vehicle(1));
    QCOMPARE(control<QSlider>(*ships_, "tbEnergie")->value(), 50);
    auto *picture = control<QLabel>(*ships_, "imSchiff");
    const QImage smallShip = picture->pixmap().toImage();

    control<QComboBox>(*ships_, "comboSchifftyp")->setCurrentIndex(6);
    QCOMPARE(vehicle(1).figure(), quint16(37));
    QCOMPARE(vehicle(1).kind(), quint8(5));
    QCOMPARE(vehicle(1).energy(), quint16(800));
    QVERIFY(doc_->IsModified());
    QVERIFY(!picture->pixmap().isNull());
    QVERIFY(picture->pixmap().toImage() != smallShip);

    ships_->Commit(doc_.get(), vehicle(1), {});
    QCOMPARE(vehicle(1).energy(), quint16(224));
}

void TestEditors::shipOwnerByColour_data()
{
    QTest::addColumn<int>("owner");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<int>("ownerAtOnce");
    QTest::addColumn<int>("ownerCommitted");
    QTest::newRow("Händler is the first player of colour 6") << 0 << 0 << 5 << 1 << 1;
    QTest::newRow("natives show as Händler and move on commit") << 3 << 5 << 5 << 3 << 1;
    QTest::newRow("colour nobody holds keeps the owner") << 2 << 2 << 1 << 2 << 2;
}

void TestEditors::shipOwnerByColour()
{
    QFETCH(int, owner);
    QFETCH(int, shown);
    QFETCH(int, chosen);
    QFETCH(int, ownerAtOnce);
    QFETCH(int, ownerCommitted);
    QVERIFY(loadFixture(fixture(0, owner)));
    ships_->Fill(doc_.get(), vehicle(0));
    auto *combo = control<QComboBox>(*ships_, "comboSchifffarbe");
    QCOMPARE(combo->currentIndex(), shown);

    QSignalSpy ownerSpy(ships_.get(), &ShipEditor::ownerChanged);
    combo->setCurrentIndex(chosen);
    QCOMPARE(vehicle(0).owner(), quint8(ownerAtOnce));
    QCOMPARE(ownerSpy.count(), ownerAtOnce != owner ? 1 : 0);
    ships_->Commit(doc_.get(), vehicle(0), {});
    QCOMPARE(vehicle(0).owner(), quint8(ownerCommitted));
}

void TestEditors::nodeTextIsTheStoredName()
{
    ships_->Fill(doc_.get(), vehicle(0));
    QSignalSpy renamed(ships_.get(), &ShipEditor::nameEdited);
    const QString thirty("Die schnelle Fregatte von Nord");
    QCOMPARE(thirty.size(), 30);
    control<QLineEdit>(*ships_, "editSchiffname")->setText(thirty);
    QCOMPARE(renamed.count(), 1);
    QCOMPARE(renamed.at(0).at(0).toString(), thirty);

    ships_->Commit(doc_.get(), vehicle(0), {});
    QCOMPARE(bytesOf(vehicle(0), 24), thirty.left(23).toLatin1() + QByteArray(1, '\0'));
    ships_->Commit(doc_.get(), vehicle(0), QStringLiteral("Knoten"));
    QCOMPARE(bytesOf(vehicle(0), 24), QByteArray("Knoten").leftJustified(24, '\0'));
}

void TestEditors::emptyShipNameBlocksTheCommit()
{
    ships_->Fill(doc_.get(), vehicle(0));
    control<QLineEdit>(*ships_, "editSchiffname")->clear();
    control<QLineEdit>(*ships_, "editSchiffkanonen")->setText("99");
    control<QSlider>(*ships_, "tbEnergie")->setValue(10);
    ships_->Commit(doc_.get(), vehicle(0), QStringLiteral("Fregatte"));
    QCOMPARE(bytesOf(vehicle(0), ShipRecord::Size), ships(0).left(ShipRecord::Size));
}

void TestEditors::guns_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("stored");
    QTest::newRow("a number") << "42" << 42;
    QTest::newRow("above one byte") << "300" << 255;
    QTest::newRow("beyond 64 bits") << "123456789012345678901234" << 255;
    QTest::newRow("no number") << "abc" << 0;
}

void TestEditors::guns()
{
    QFETCH(QString, text);
    QFETCH(int, stored);
    ships_->Fill(doc_.get(), vehicle(0));
    QCOMPARE(control<QLineEdit>(*ships_, "editSchiffkanonen")->text(), QString("20"));
    control<QLineEdit>(*ships_, "editSchiffkanonen")->setText(text);
    ships_->Commit(doc_.get(), vehicle(0), {});
    QCOMPARE(vehicle(0).guns(), quint8(stored));
}

void TestEditors::upDownStepsWithinItsRange()
{
    ships_->Fill(doc_.get(), vehicle(0));
    auto *guns = control<QLineEdit>(*ships_, "editSchiffkanonen");
    const auto buttons = control<QWidget>(*ships_, "UpDown1")->findChildren<QToolButton *>();
    QCOMPARE(buttons.size(), 2);
    QToolButton *up = buttons[0]->arrowType() == Qt::UpArrow ? buttons[0] : buttons[1];
    QToolButton *down = up == buttons[0] ? buttons[1] : buttons[0];

    up->click();
    QCOMPARE(guns->text(), QString("21"));
    guns->setText("300");
    up->click();
    QCOMPARE(guns->text(), QString("100"));
    guns->setText("0");
    down->click();
    QCOMPARE(guns->text(), QString("0"));
}

void TestEditors::unknownFigureKeepsFigureKindAndEnergy()
{
    ships_->Fill(doc_.get(), vehicle(2));
    QCOMPARE(control<QComboBox>(*ships_, "comboSchifftyp")->currentIndex(), -1);
    QVERIFY(control<QLabel>(*ships_, "imSchiff")->pixmap().isNull());
    control<QSlider>(*ships_, "tbEnergie")->setValue(30);
    ships_->Commit(doc_.get(), vehicle(2), {});
    QCOMPARE(vehicle(2).figure(), quint16(99));
    QCOMPARE(vehicle(2).kind(), quint8(4));
    QCOMPARE(vehicle(2).energy(), quint16(1234));
}

QTEST_MAIN(TestEditors)
#include "tst_editors.moc"
