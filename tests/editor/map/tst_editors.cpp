#include "core/document/rumoszen.h"
#include "core/goods/shiptypetable.h"
#include "editor/map/cityeditor.h"
#include "editor/map/mappage.h"
#include "editor/map/objecttree.h"
#include "editor/map/shipeditor.h"
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

// Records holding what no control can show. Cities: "Vier" belongs to slot
// 4, whose colour "Weiß" names slot 5 when chosen; "Sechs" to the trader,
// whose colour the city list lacks; "Lang" has a name of 32 bytes without a
// zero and every flag bit set. Vehicles: energies that are no whole per cent
// or beyond full, a kind that is not its type's, a natives' owner that shows
// as "Händler", an owner whose colour slot 1 holds first, an owner without a
// player, 255 guns, a name of 24 bytes without a zero. Every other name has
// patterned bytes after its zero.
QByteArray oddFixture()
{
    IslandSpec one;
    one.cityOwners = {0, 4, 6, 0, 7, 7, 7, 7};
    QByteArray niemand = ship("Niemand", 80, 20, 31, 3, 9, 17, 2);
    niemand.replace(0, 24, QByteArray("Niemandsland im Nordmeer"));
    QByteArray lang = city(1, 3, 0, "Lang", true);
    lang.replace(135, 32, QByteArray("Langenhagen an der langen Leine!"));
    lang[4] = char(0xFF);
    const QByteArray vehicles =
        ship("Fregatte", 50, 60, 27, 1, 0, 1, 20) + ship("Kogge", 70, 80, 25, 1, 0, 333, 4) +
        ship("Karre", 90, 40, 37, 5, 2, 65535, 0) + ship("Schaluppe", 20, 30, 21, 4, 3, 800, 255) +
        ship("Haendler", 60, 70, 29, 2, 6, 3039, 1) + niemand;
    return ScenarioBuilder()
        .chunk("PLAYER4", players(Colours))
        .chunk("INSEL5", islandRecord(one))
        .chunk("INSELHAUS", tile(1, 0, 0, true, 0, 0) + tile(2, 1, 0, true, 1, 4))
        .chunk("INSELHAUS", tile(1103, 2, 3, true, 2, 6) + tile(501, 8, 2, true, 3, 0))
        .chunk("STADT4",
               city(1, 0, 0, "Nord") + city(1, 1, 4, "Vier") + city(1, 2, 6, "Sechs", true) + lang)
        .chunk("SHIP4", vehicles)
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

    void leavingWithoutEditsKeepsEveryByte_data();
    void leavingWithoutEditsKeepsEveryByte();
    void chosenPercentSurvivesStoreAndFill();
    void editorOfTheOtherKindIsEmptied_data();
    void editorOfTheOtherKindIsEmptied();
    void numericFieldsFilterAndClampVisibly_data();
    void numericFieldsFilterAndClampVisibly();

    void fillingCountsNoChange();
    void editorsWithoutRecordAreEmptyAndDisabled();

    void cityCommit_data();
    void cityCommit();
    void emptyCityNameBlocksTheCommit();
    void cityColourGivesCityAndBuildings_data();
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
    void upDownStepsWithKeysAndWheel();
    void unknownFigureKeepsFigureKindAndEnergy();

private:
    std::unique_ptr<RumoSzen> doc_;
    std::unique_ptr<CityEditor> cities_;
    std::unique_ptr<ShipEditor> ships_;

    bool loadFixture(const QByteArray &bytes);
    // A map page showing the document, counting changes as the window does.
    std::unique_ptr<MapPage> makePage();
    void select(MapPage &page, const void *object);
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

std::unique_ptr<MapPage> TestEditors::makePage()
{
    auto page = std::make_unique<MapPage>();
    page->attach(doc_.get());
    RumoSzen *doc = doc_.get();
    connect(page.get(), &MapPage::controlChanged, doc, [doc] { doc->SetModified(true); });
    return page;
}

void TestEditors::select(MapPage &page, const void *object)
{
    ObjectTree *tree = page.objectTree();
    tree->setCurrentItem(object ? tree->nodeOf(object) : nullptr);
}

void TestEditors::leavingWithoutEditsKeepsEveryByte_data()
{
    QTest::addColumn<bool>("isShip");
    QTest::addColumn<int>("index"); // vehicle index or city slot
    QTest::newRow("energy 1 of 3840") << true << 0;
    QTest::newRow("energy 333 of 2080") << true << 1;
    QTest::newRow("cart with energy 65535 of 448") << true << 2;
    QTest::newRow("kind not of its type, natives' owner, 255 guns") << true << 3;
    QTest::newRow("trader whose colour an earlier slot holds") << true << 4;
    QTest::newRow("owner without a player, name of 24 bytes") << true << 5;
    QTest::newRow("city of slot 4") << false << 1;
    QTest::newRow("city of the trader") << false << 2;
    QTest::newRow("name without zero, every flag bit") << false << 3;
}

// Selecting a record and leaving it for every other kind of node, again and
// again, then committing as a save does, changes no byte and counts no change.
void TestEditors::leavingWithoutEditsKeepsEveryByte()
{
    QFETCH(bool, isShip);
    QFETCH(int, index);
    QVERIFY(loadFixture(oddFixture()));
    const QByteArray before = saved(*doc_);
    auto page = makePage();
    ObjectTree *tree = page->objectTree();
    QTreeWidgetItem *node = tree->nodeOf(isShip ? vehicle(index).data() : city(index).data());
    const std::array<QTreeWidgetItem *, 5> elsewhere = {
        tree->nodeOf(city(0).data()), tree->nodeOf(vehicle(index == 0 ? 1 : 0).data()),
        tree->nodeOf(doc_->island(1)), tree->shipsNode(), nullptr};
    for (int round = 0; round < 3; ++round) {
        for (QTreeWidgetItem *other : elsewhere) {
            tree->setCurrentItem(node);
            tree->setCurrentItem(other);
        }
    }
    tree->setCurrentItem(node);
    page->commitEditors();
    QCOMPARE(saved(*doc_), before);
    QVERIFY(!doc_->isModified());
}

// The per cent chosen on the bar is what the bar shows after the energy was
// stored and read back, for every type.
void TestEditors::chosenPercentSurvivesStoreAndFill()
{
    for (int type = 0; type < ShipTypeTable::Count; ++type) {
        const quint16 full = ShipTypeTable::Row(type).fullEnergy;
        for (int percent = 0; percent <= 100; ++percent)
            QCOMPARE(ShipEditor::percentOfEnergy(ShipEditor::EnergyOfPercent(percent, full), full),
                     percent);
        QCOMPARE(ShipEditor::EnergyOfPercent(100, full), full);
        QCOMPARE(ShipEditor::EnergyOfPercent(0, full), quint16(0));
    }
}

void TestEditors::editorOfTheOtherKindIsEmptied_data()
{
    QTest::addColumn<bool>("fromShip");
    QTest::addColumn<int>("to"); // 0 the other kind, 1 the island, 2 nothing
    QTest::newRow("city to ship") << false << 0;
    QTest::newRow("city to island") << false << 1;
    QTest::newRow("city to nothing") << false << 2;
    QTest::newRow("ship to city") << true << 0;
    QTest::newRow("ship to island") << true << 1;
    QTest::newRow("ship to nothing") << true << 2;
}

// The edits made before the selection moves land in the record that was
// shown; afterwards that editor is empty and disabled, and working its
// controls anyway changes no record and opens no dialog.
void TestEditors::editorOfTheOtherKindIsEmptied()
{
    QFETCH(bool, fromShip);
    QFETCH(int, to);
    auto page = makePage();
    QSignalSpy stock(page.get(), &MapPage::stockRequested);
    QSignalSpy cargo(page.get(), &MapPage::cargoRequested);
    QWidget *left = fromShip ? static_cast<QWidget *>(page->findChild<ShipEditor *>())
                             : page->findChild<CityEditor *>();
    auto *name = control<QLineEdit>(*left, fromShip ? "editSchiffname" : "editStadtname");
    auto *colour = control<QComboBox>(*left, fromShip ? "comboSchifffarbe" : "comboStadtfarbe");
    auto *button = control<QPushButton>(*left, fromShip ? "btCargo" : "btWarenlager");

    select(*page, fromShip ? vehicle(1).data() : city(1).data());
    name->setText("Umbenannt");
    const std::array<const void *, 3> next = {fromShip ? city(0).data() : vehicle(0).data(),
                                              doc_->island(1), nullptr};
    select(*page, next[size_t(to)]);
    QCOMPARE(fromShip ? vehicle(1).name() : city(1).name(), QStringLiteral("Umbenannt"));

    QVERIFY(name->text().isEmpty());
    QCOMPARE(colour->currentIndex(), -1);
    const auto controls =
        control<QGroupBox>(*left, fromShip ? "gbSchiff" : "gbStadt")->findChildren<QWidget *>();
    for (const QWidget *c : controls)
        QVERIFY2(!c->isEnabled(), qPrintable(c->objectName()));

    const QByteArray before = saved(*doc_);
    name->setText("Verirrt");
    colour->setCurrentIndex(2);
    button->click();
    page->commitEditors();
    QCOMPARE(saved(*doc_), before);
    QCOMPARE(stock.count() + cargo.count(), 0);
}

void TestEditors::numericFieldsFilterAndClampVisibly_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QString>("whileTyping");
    QTest::addColumn<QString>("afterLeaving");
    QTest::addColumn<int>("stored");
    QTest::newRow("letters are refused") << "1a2b" << false << "12"
                                         << "12" << 12;
    QTest::newRow("a minus is refused") << "-5" << false << "5"
                                        << "5" << 5;
    QTest::newRow("above one byte") << "300" << false << "300"
                                    << "255" << 255;
    QTest::newRow("pasted text with letters") << "12a" << true << "20"
                                              << "20" << 20;
    QTest::newRow("pasted number") << "77" << true << "77"
                                   << "77" << 77;
    QTest::newRow("pasted beyond 64 bits")
        << "123456789012345678901234" << true << "123456789012345678901234"
        << "255" << 255;
}

// Guns: what may be typed or pasted, and the number shown once the user
// leaves the edit, which is the number stored.
void TestEditors::numericFieldsFilterAndClampVisibly()
{
    QFETCH(QString, typed);
    QFETCH(bool, pasted);
    QFETCH(QString, whileTyping);
    QFETCH(QString, afterLeaving);
    QFETCH(int, stored);
    ships_->fill(doc_.get(), vehicle(0));
    auto *guns = control<QLineEdit>(*ships_, "editSchiffkanonen");
    if (pasted) {
        // Paste is an insert through the validator; text it refuses is not
        // inserted at all.
        guns->selectAll();
        guns->insert(typed);
    } else {
        guns->clear();
        QTest::keyClicks(guns, typed);
    }
    QCOMPARE(guns->text(), whileTyping);
    QTest::keyClick(guns, Qt::Key_Return);
    QCOMPARE(guns->text(), afterLeaving);
    ships_->commit(doc_.get(), vehicle(0), {});
    QCOMPARE(vehicle(0).guns(), quint8(stored));
}

void TestEditors::fillingCountsNoChange()
{
    QSignalSpy renamed(ships_.get(), &ShipEditor::nameEdited);
    QSignalSpy cityOwner(cities_.get(), &CityEditor::ownerChanged);
    QSignalSpy shipOwner(ships_.get(), &ShipEditor::ownerChanged);
    for (int i = 0; i < 3; ++i) {
        cities_->fill(doc_.get(), city(i % 2));
        ships_->fill(doc_.get(), vehicle(i));
    }
    QVERIFY(!doc_->isModified());
    QCOMPARE(renamed.count() + cityOwner.count() + shipOwner.count(), 0);

    doc_->SetModified(true);
    cities_->fill(doc_.get(), city(0));
    ships_->fill(doc_.get(), vehicle(1));
    QCOMPARE(doc_->ModifiedCount(), 1);
}

void TestEditors::editorsWithoutRecordAreEmptyAndDisabled()
{
    cities_->fill(doc_.get(), city(1));
    ships_->fill(doc_.get(), vehicle(0));
    QCOMPARE(control<QLineEdit>(*cities_, "editStadtname")->text(), QString("Sued"));
    QVERIFY(control<QCheckBox>(*cities_, "cbBaustop")->isChecked());
    QVERIFY(!control<QLabel>(*ships_, "imSchiff")->isHidden());

    cities_->fill(doc_.get(), CityRecord());
    ships_->fill(nullptr, vehicle(0));
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
    cities_->fill(doc_.get(), city(0));
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
    cities_->commit(doc_.get(), city(0));

    QByteArray expected = scenario::city(1, 0, owner, "Nord");
    expected[4] = char(expected[4] | 1);
    expected.replace(135, 32, longName.left(31).toLatin1() + QByteArray(1, '\0'));
    QCOMPARE(bytesOf(city(0), CityRecord::Size), expected);
}

void TestEditors::emptyCityNameBlocksTheCommit()
{
    cities_->fill(doc_.get(), city(1));
    control<QLineEdit>(*cities_, "editStadtname")->clear();
    control<QCheckBox>(*cities_, "cbBaustop")->click();
    QVERIFY(doc_->isModified());
    cities_->commit(doc_.get(), city(1));
    QCOMPARE(bytesOf(city(1), CityRecord::Size), scenario::city(1, 1, 2, "Sued", true));
}

void TestEditors::cityColourGivesCityAndBuildings_data()
{
    QTest::addColumn<int>("colour");
    QTest::addColumn<int>("owner");
    QTest::newRow("Weiß: slot 4 is passed over for slot 5") << 3 << 5;
    QTest::newRow("Gelb: slot 2") << 2 << 2;
    QTest::newRow("Eingeborene: slot 3") << 5 << 3;
    QTest::newRow("Blau: nobody, nothing changes") << 1 << 0;
}

// The chosen colour names a player slot; the city, the island's owner entry
// and the player bits of the city's buildings on every layer go to it at
// once. The choice counts as an edit either way.
void TestEditors::cityColourGivesCityAndBuildings()
{
    QFETCH(int, colour);
    QFETCH(int, owner);
    cities_->fill(doc_.get(), city(0));
    QSignalSpy ownerSpy(cities_.get(), &CityEditor::ownerChanged);
    control<QComboBox>(*cities_, "comboStadtfarbe")->setCurrentIndex(colour);
    QCOMPARE(ownerSpy.count(), 1);
    QVERIFY(doc_->isModified());
    cities_->commit(doc_.get(), city(0));

    RumoSzen expected(QString(), nullptr);
    QVERIFY(load(expected, fixture(owner)));
    QCOMPARE(saved(*doc_), saved(expected));
}

void TestEditors::energyIsStoredInPerCentOfTheType()
{
    ships_->fill(doc_.get(), vehicle(0));
    auto *energy = control<QSlider>(*ships_, "tbEnergie");
    QCOMPARE(energy->value(), 100);
    energy->setValue(50);
    ships_->commit(doc_.get(), vehicle(0), {});
    QCOMPARE(vehicle(0).energy(), quint16(1920));

    ships_->fill(doc_.get(), vehicle(1));
    ships_->fill(doc_.get(), vehicle(0));
    QCOMPARE(energy->value(), 50);
}

void TestEditors::typeChangeAppliesAtOnce()
{
    ships_->fill(doc_.get(), vehicle(1));
    QCOMPARE(control<QSlider>(*ships_, "tbEnergie")->value(), 50);
    auto *picture = control<QLabel>(*ships_, "imSchiff");
    const QImage smallShip = picture->pixmap().toImage();

    control<QComboBox>(*ships_, "comboSchifftyp")->setCurrentIndex(6);
    QCOMPARE(vehicle(1).figure(), quint16(37));
    QCOMPARE(vehicle(1).kind(), quint8(5));
    QCOMPARE(vehicle(1).energy(), quint16(800));
    QVERIFY(doc_->isModified());
    QVERIFY(!picture->pixmap().isNull());
    QVERIFY(picture->pixmap().toImage() != smallShip);

    ships_->commit(doc_.get(), vehicle(1), {});
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
    QTest::newRow("natives show as Händler and stay without a choice") << 3 << 5 << 5 << 3 << 3;
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
    ships_->fill(doc_.get(), vehicle(0));
    auto *combo = control<QComboBox>(*ships_, "comboSchifffarbe");
    QCOMPARE(combo->currentIndex(), shown);

    QSignalSpy ownerSpy(ships_.get(), &ShipEditor::ownerChanged);
    combo->setCurrentIndex(chosen);
    QCOMPARE(vehicle(0).owner(), quint8(ownerAtOnce));
    QCOMPARE(ownerSpy.count(), ownerAtOnce != owner ? 1 : 0);
    ships_->commit(doc_.get(), vehicle(0), {});
    QCOMPARE(vehicle(0).owner(), quint8(ownerCommitted));
}

void TestEditors::nodeTextIsTheStoredName()
{
    ships_->fill(doc_.get(), vehicle(0));
    QSignalSpy renamed(ships_.get(), &ShipEditor::nameEdited);
    const QString thirty("Die schnelle Fregatte von Nord");
    QCOMPARE(thirty.size(), 30);
    // The edit keeps what the record can hold, and the tree node follows it.
    control<QLineEdit>(*ships_, "editSchiffname")->setText(thirty);
    QCOMPARE(renamed.count(), 1);
    QCOMPARE(renamed.at(0).at(0).toString(), thirty.left(23));

    ships_->commit(doc_.get(), vehicle(0), {});
    QCOMPARE(bytesOf(vehicle(0), 24), thirty.left(23).toLatin1() + QByteArray(1, '\0'));
    // An edited name is stored as the tree node shows it.
    control<QLineEdit>(*ships_, "editSchiffname")->setText("Fregatte II");
    ships_->commit(doc_.get(), vehicle(0), QStringLiteral("Knoten"));
    QCOMPARE(bytesOf(vehicle(0), 24), QByteArray("Knoten").leftJustified(24, '\0'));
}

void TestEditors::emptyShipNameBlocksTheCommit()
{
    ships_->fill(doc_.get(), vehicle(0));
    control<QLineEdit>(*ships_, "editSchiffname")->clear();
    control<QLineEdit>(*ships_, "editSchiffkanonen")->setText("99");
    control<QSlider>(*ships_, "tbEnergie")->setValue(10);
    ships_->commit(doc_.get(), vehicle(0), QStringLiteral("Fregatte"));
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
    ships_->fill(doc_.get(), vehicle(0));
    QCOMPARE(control<QLineEdit>(*ships_, "editSchiffkanonen")->text(), QString("20"));
    control<QLineEdit>(*ships_, "editSchiffkanonen")->setText(text);
    ships_->commit(doc_.get(), vehicle(0), {});
    QCOMPARE(vehicle(0).guns(), quint8(stored));
}

void TestEditors::upDownStepsWithinItsRange()
{
    ships_->fill(doc_.get(), vehicle(0));
    auto *guns = control<QLineEdit>(*ships_, "editSchiffkanonen");
    const auto buttons = control<QWidget>(*ships_, "UpDown1")->findChildren<QToolButton *>();
    QCOMPARE(buttons.size(), 2);
    QToolButton *up = buttons[0]->arrowType() == Qt::UpArrow ? buttons[0] : buttons[1];
    QToolButton *down = up == buttons[0] ? buttons[1] : buttons[0];

    // The arrows step through the whole byte: up from above 100 goes up.
    const QList<std::tuple<QString, QToolButton *, QString>> steps = {
        {"20", up, "21"},   {"101", up, "102"},   {"101", down, "100"},
        {"255", up, "255"}, {"300", down, "254"}, {"0", down, "0"}};
    for (const auto &[from, button, to] : steps) {
        guns->setText(from);
        button->click();
        QCOMPARE(guns->text(), to);
    }
}

// Like a spin box: Up/Down step by one, PageUp/PageDown by ten, the wheel by
// a notch (smaller turns add up), all within the range; a click on an arrow
// gives the edit the focus.
void TestEditors::upDownStepsWithKeysAndWheel()
{
    ships_->fill(doc_.get(), vehicle(0));
    auto *guns = control<QLineEdit>(*ships_, "editSchiffkanonen");
    auto *upDown = control<QWidget>(*ships_, "UpDown1");
    const QList<std::tuple<QString, Qt::Key, QString>> keys = {
        {"20", Qt::Key_Up, "21"},     {"20", Qt::Key_Down, "19"},     {"20", Qt::Key_PageUp, "30"},
        {"5", Qt::Key_PageDown, "0"}, {"250", Qt::Key_PageUp, "255"}, {"300", Qt::Key_Down, "254"}};
    for (const auto &[from, key, to] : keys) {
        guns->setText(from);
        QTest::keyClick(guns, key);
        QCOMPARE(guns->text(), to);
    }
    // Other keys stay the edit's.
    guns->setText("42");
    guns->setCursorPosition(2);
    QTest::keyClick(guns, Qt::Key_Left);
    QCOMPARE(guns->cursorPosition(), 1);
    QTest::keyClick(guns, Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(guns->text(), QStringLiteral("42"));

    auto wheel = [](QWidget *target, int delta) {
        QWheelEvent event(QPointF(2, 2), QPointF(2, 2), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
    };
    const QList<std::tuple<QString, QWidget *, QList<int>, QString>> turns = {
        {"20", guns, {120}, "21"},    {"20", guns, {-240}, "18"},
        {"20", guns, {60, 30}, "20"}, {"20", guns, {30}, "21"}, // the rest of the last turn counts
        {"254", guns, {360}, "255"},  {"20", upDown, {120}, "21"}};
    for (const auto &[from, target, deltas, to] : turns) {
        guns->setText(from);
        for (int delta : deltas)
            wheel(target, delta);
        QCOMPARE(guns->text(), to);
    }

    ships_->show();
    QVERIFY(QTest::qWaitForWindowActive(ships_.get()));
    guns->clearFocus();
    QTest::mouseClick(upDown->findChildren<QToolButton *>().first(), Qt::LeftButton);
    QTRY_VERIFY(guns->hasFocus());
}

void TestEditors::unknownFigureKeepsFigureKindAndEnergy()
{
    ships_->fill(doc_.get(), vehicle(2));
    QCOMPARE(control<QComboBox>(*ships_, "comboSchifftyp")->currentIndex(), -1);
    QVERIFY(control<QLabel>(*ships_, "imSchiff")->pixmap().isNull());
    control<QSlider>(*ships_, "tbEnergie")->setValue(30);
    ships_->commit(doc_.get(), vehicle(2), {});
    QCOMPARE(vehicle(2).figure(), quint16(99));
    QCOMPARE(vehicle(2).kind(), quint8(4));
    QCOMPARE(vehicle(2).energy(), quint16(1234));
}

QTEST_MAIN(TestEditors)
#include "tst_editors.moc"
