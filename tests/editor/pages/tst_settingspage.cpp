#include "core/document/rumoszen.h"
#include "editor/pages/tabsettings.h"
#include "editor/widgets/numerickeyfilter.h"
#include "editor/widgets/updown.h"
#include "support/documentio.h"
#include "support/scenariobuilder.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QtEndian>
#include <QtTest>

using namespace scenario;

namespace {

QByteArray int32(qint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

void put32(QByteArray &b, int offset, quint32 v)
{
    qToLittleEndian(v, b.data() + offset);
}

// The TIMERS payload of a saved file.
QByteArray timersOf(const QByteArray &file)
{
    const qsizetype at = file.indexOf("TIMERS");
    return at < 0 ? QByteArray() : file.mid(at + 20, 664);
}

quint32 fieldOf(const QByteArray &payload, int offset, int width)
{
    return width == 1 ? quint8(payload.at(offset))
                      : qFromLittleEndian<quint32>(payload.constData() + offset);
}

// A page filled from a loaded document, saved the way the main window saves.
struct Fixture {
    RumoSzen doc{QString(), nullptr};
    TabSettings page;

    explicit Fixture(const QByteArray &file)
    {
        if (!load(doc, file))
            qFatal("test scenario did not load");
        page.ShowSettings(doc);
    }
    void reload(const QByteArray &file)
    {
        if (!load(doc, file))
            qFatal("test scenario did not load");
        page.ShowSettings(doc);
    }
    QByteArray save()
    {
        page.CommitSettings(doc);
        return saved(doc);
    }
    template <typename T> T *find(const char *name) const
    {
        auto *w = page.findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("control %s missing", name);
        return w;
    }
    QLineEdit *edit(const char *name) const { return find<QLineEdit>(name); }
};

} // namespace

class SettingsPageTest : public QObject {
    Q_OBJECT

private slots:
    void unchangedPageWritesSettingsBackByteForByte();
    void unchangedOddSettingsKeepEveryByte_data();
    void unchangedOddSettingsKeepEveryByte();
    void pastedTextIsFiltered_data();
    void pastedTextIsFiltered();
    void outOfRangeIsClampedWhenLeaving_data();
    void outOfRangeIsClampedWhenLeaving();
    void shownValueStaysUntilTheUserEdits();
    void upDownStepsWithinTheFieldsRange_data();
    void upDownStepsWithinTheFieldsRange();
    void typedNumbersAreStoredInTheirFields_data();
    void typedNumbersAreStoredInTheirFields();
    void switchButtonFlipsOnlyItsBit_data();
    void switchButtonFlipsOnlyItsBit();
    void hiddenIdentifiersShownUnsignedAndKept();
    void campaignMembershipFollowsTheBox();
    void switchHintsFollowButtonState();
    void numericEditsTakeDigitsOnly();
    void editsAndClicksReportChanges();
    void scenarioNameShownOnlyWhenPresent();
};

void SettingsPageTest::unchangedPageWritesSettingsBackByteForByte()
{
    const QByteArray file = chunk("TIMERS", settings(40, 0x2AB));
    Fixture f(file);
    QCOMPARE(f.save(), file);
}

void SettingsPageTest::unchangedOddSettingsKeepEveryByte_data()
{
    QTest::addColumn<QByteArray>("file");

    QByteArray full = settings(0xFFFFFFFF, 0xFFFFFFFF);
    for (int offset : {165, 166, 167})
        full[offset] = char(0xFF);
    put32(full, 172, 0xFFFFFFFF);
    put32(full, 188, 0x80000000);
    QTest::newRow("every bit set") << chunk("TIMERS", full);

    QByteArray empty = settings(0, 0);
    for (int offset : {165, 166, 167})
        empty[offset] = 0;
    put32(empty, 172, 0);
    put32(empty, 188, 0);
    QTest::newRow("every field zero") << chunk("TIMERS", empty);
    QTest::newRow("only bits of no switch") << chunk("TIMERS", settings(33, 0xFFFFFCB2));
    QTest::newRow("largest campaign")
        << chunk("SZENE_KAMPAGNE", int32(2147483647)) + chunk("TIMERS", settings(1, 0x155));
    QTest::newRow("campaign 0") << chunk("SZENE_KAMPAGNE", int32(0)) + minimalScenario();
}

// Showing and committing the page without an edit gives back the file.
void SettingsPageTest::unchangedOddSettingsKeepEveryByte()
{
    QFETCH(QByteArray, file);
    Fixture f(file);
    QCOMPARE(f.save().toHex(), file.toHex());
    // A second commit of the same page changes nothing either.
    QCOMPARE(f.save().toHex(), file.toHex());
}

void SettingsPageTest::pastedTextIsFiltered_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");

    QTest::newRow("letter after digits") << "editSchiffe"
                                         << ""
                                         << "12a"
                                         << "";
    QTest::newRow("minus") << "editSchiffe"
                           << ""
                           << "-5"
                           << "";
    QTest::newRow("hexadecimal") << "editSchiffe"
                                 << "1"
                                 << "$FF"
                                 << "1";
    QTest::newRow("digits") << "editSchiffe"
                            << "1"
                            << "34"
                            << "134";
    QTest::newRow("blank inside") << "editKampagne"
                                  << "7"
                                  << "1 2"
                                  << "7";
    QTest::newRow("campaign digits") << "editKampagne"
                                     << ""
                                     << "42"
                                     << "42";
}

void SettingsPageTest::pastedTextIsFiltered()
{
    QFETCH(QString, edit);
    QFETCH(QString, before);
    QFETCH(QString, pasted);
    QFETCH(QString, after);

    Fixture f(minimalScenario());
    f.find<QCheckBox>("cbKampagne")->click();
    QLineEdit *field = f.edit(edit.toLatin1().constData());
    field->setText(before);
    QGuiApplication::clipboard()->setText(pasted);
    field->paste();
    QCOMPARE(field->text(), after);
}

void SettingsPageTest::outOfRangeIsClampedWhenLeaving_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byReturn");
    QTest::addColumn<QString>("shown");

    QTest::newRow("ships beyond 32 bits, Return") << "editSchiffe"
                                                  << "99999999999" << true << "4294967295";
    QTest::newRow("ships beyond 32 bits, focus leaves") << "editSchiffe"
                                                        << "4294967296" << false << "4294967295";
    QTest::newRow("emptied ships show the default") << "editSchiffe"
                                                    << "" << false << "33";
    QTest::newRow("campaign beyond int32") << "editKampagne"
                                           << "3000000000" << false << "2147483647";
    QTest::newRow("campaign in range") << "editKampagne"
                                       << "0815" << true << "0815";
}

// The field shows the clamped number as soon as the user leaves it, and the
// save stores what the field shows.
void SettingsPageTest::outOfRangeIsClampedWhenLeaving()
{
    QFETCH(QString, edit);
    QFETCH(QString, typed);
    QFETCH(bool, byReturn);
    QFETCH(QString, shown);

    Fixture f(minimalScenario());
    f.find<QCheckBox>("cbKampagne")->click();
    QLineEdit *field = f.edit(edit.toLatin1().constData());
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, typed);
    QCOMPARE(field->text(), typed);
    if (byReturn) {
        QTest::keyClick(field, Qt::Key_Return);
    } else {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(field, &out);
    }
    QCOMPARE(field->text(), shown);

    const QByteArray file = f.save();
    if (edit == "editSchiffe")
        QCOMPARE(fieldOf(timersOf(file), 192, 4), shown.toUInt());
    else
        QCOMPARE(f.doc.CampaignNumber(), shown.toInt());
}

// A value beyond the range that the program put into a numeric edit (a
// stored 101 in a 0..100 field) survives the user passing through the field;
// only an edit pulls it into the range.
void SettingsPageTest::shownValueStaysUntilTheUserEdits()
{
    QLineEdit edit;
    NumericKeyFilter::install(&edit, 0, 100);
    edit.setText(QStringLiteral("101"));
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&edit, &out);
    QTest::keyClick(&edit, Qt::Key_Return);
    QCOMPARE(edit.text(), QStringLiteral("101"));

    QTest::keyClick(&edit, Qt::Key_End);
    QTest::keyClicks(&edit, QStringLiteral("7"));
    QCOMPARE(edit.text(), QStringLiteral("1017"));
    QApplication::sendEvent(&edit, &out);
    QCOMPARE(edit.text(), QStringLiteral("100"));
}

void SettingsPageTest::upDownStepsWithinTheFieldsRange_data()
{
    QTest::addColumn<int>("fieldMax");
    QTest::addColumn<int>("stepMax");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("after");

    QTest::newRow("up inside") << 255 << 100 << "5" << 1 << "6";
    QTest::newRow("down from beyond the range") << 255 << 100 << "101" << -1 << "99";
    QTest::newRow("up from beyond the range") << 255 << 100 << "101" << 1 << "100";
    QTest::newRow("down at 0") << 255 << 100 << "0" << -1 << "0";
    QTest::newRow("field narrower than the arrows") << 10 << 100 << "10" << 1 << "10";
    QTest::newRow("empty starts at the bottom") << 255 << 100 << "" << 1 << "1";
}

// A step is a user edit: it counts as modified and stays within both the
// arrows' and the field's range.
void SettingsPageTest::upDownStepsWithinTheFieldsRange()
{
    QFETCH(int, fieldMax);
    QFETCH(int, stepMax);
    QFETCH(QString, start);
    QFETCH(int, step);
    QFETCH(QString, after);

    QLineEdit edit;
    NumericKeyFilter::install(&edit, 0, fieldMax);
    UpDown arrows(&edit, 0, stepMax);
    edit.setText(start);
    QVERIFY(!edit.isModified());
    arrows.stepBy(step);
    QCOMPARE(edit.text(), after);
    QVERIFY(edit.isModified());
}

void SettingsPageTest::typedNumbersAreStoredInTheirFields_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("width");
    QTest::addColumn<quint32>("stored");

    QTest::newRow("ships emptied") << "editSchiffe"
                                   << "" << 192 << 4 << 33u;
    QTest::newRow("ships no number") << "editSchiffe"
                                     << "abc" << 192 << 4 << 33u;
    QTest::newRow("ships below the range") << "editSchiffe"
                                           << " -1" << 192 << 4 << 0u;
    QTest::newRow("ships largest") << "editSchiffe"
                                   << "4294967295" << 192 << 4 << 0xFFFFFFFFu;
    QTest::newRow("game id $") << "editGameId"
                               << "$FF" << 172 << 4 << 0xFFu;
    QTest::newRow("game id empty") << "editGameId"
                                   << "" << 172 << 4 << 0u;
    QTest::newRow("sub number 0x") << "editMissSubNr"
                                   << "0x10" << 188 << 4 << 0x10u;
    QTest::newRow("mission $") << "editMissNr"
                               << "$FF" << 167 << 1 << 0xFFu;
    QTest::newRow("mission no number") << "editMissNr"
                                       << "x1" << 167 << 1 << 0u;
    QTest::newRow("tutorial 0x") << "editTutorflg"
                                 << "0x10" << 165 << 1 << 0x10u;
    QTest::newRow("level below a byte") << "editCompLevel"
                                        << " -1" << 166 << 1 << 0u;
    QTest::newRow("level beyond a byte") << "editCompLevel"
                                         << "300" << 166 << 1 << 255u;
}

void SettingsPageTest::typedNumbersAreStoredInTheirFields()
{
    QFETCH(QString, edit);
    QFETCH(QString, text);
    QFETCH(int, offset);
    QFETCH(int, width);
    QFETCH(quint32, stored);

    const QByteArray before = settings(40, 0x2AB);
    Fixture f(chunk("TIMERS", before));
    f.edit(edit.toLatin1().constData())->setText(text);
    const QByteArray after = timersOf(f.save());

    QCOMPARE(fieldOf(after, offset, width), stored);
    // Nothing else of the record moved.
    QCOMPARE(after.left(offset), before.left(offset));
    QCOMPARE(after.mid(offset + width), before.mid(offset + width));
}

void SettingsPageTest::switchButtonFlipsOnlyItsBit_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<quint32>("bit");

    QTest::newRow("Piraten") << "btnPiraten" << 0x001u;
    QTest::newRow("Duerren") << "btnDuerren" << 0x004u;
    QTest::newRow("Erz") << "btnErz" << 0x008u;
    QTest::newRow("Haendler") << "btnHaendler" << 0x040u;
    QTest::newRow("Vulkan") << "btnVulkan" << 0x100u;
    QTest::newRow("Waffen") << "btnWaffen" << 0x200u;
}

void SettingsPageTest::switchButtonFlipsOnlyItsBit()
{
    QFETCH(QString, button);
    QFETCH(quint32, bit);

    // Some of the six switches on, some off, and bits of no switch around them.
    const quint32 word = 0xF00002B6;
    Fixture f(chunk("TIMERS", settings(33, word)));
    auto *b = f.find<QToolButton>(button.toLatin1().constData());
    QCOMPARE(b->isChecked(), (word & bit) != 0);
    QCOMPARE(b->size(), QSize(46, 45));

    b->click();
    QCOMPARE(b->isChecked(), (word & bit) == 0);
    QCOMPARE(fieldOf(timersOf(f.save()), 168, 4), word ^ bit);
}

void SettingsPageTest::hiddenIdentifiersShownUnsignedAndKept()
{
    QByteArray timers = settings(0xFFFFFFFE, 0x2AA);
    put32(timers, 172, 0x80000001);
    put32(timers, 188, 0xFFFFFFFF);
    timers[165] = char(200);
    timers[166] = char(255);
    timers[167] = char(7);
    const QByteArray file = chunk("TIMERS", timers);
    Fixture f(file);
    f.page.show();

    QVERIFY(!f.find<QGroupBox>("GroupBox2")->isVisible());
    QVERIFY(!f.find<QGroupBox>("GroupBox3")->isVisible());
    QVERIFY(f.find<QGroupBox>("grpKampagne")->isVisible());
    QCOMPARE(f.edit("editGameId")->text(), QStringLiteral("2147483649"));
    QCOMPARE(f.edit("editMissSubNr")->text(), QStringLiteral("4294967295"));
    QCOMPARE(f.edit("editSchiffe")->text(), QStringLiteral("4294967294"));
    QCOMPARE(f.edit("editTutorflg")->text(), QStringLiteral("200"));
    QCOMPARE(f.edit("editCompLevel")->text(), QStringLiteral("255"));
    QCOMPARE(f.edit("editMissNr")->text(), QStringLiteral("7"));
    QCOMPARE(f.save(), file);
}

void SettingsPageTest::campaignMembershipFollowsTheBox()
{
    Fixture f(minimalScenario());
    auto *box = f.find<QCheckBox>("cbKampagne");
    auto *number = f.edit("editKampagne");
    auto *editor = f.find<QPushButton>("btnKampagne");
    QVERIFY(!box->isChecked());
    QVERIFY(!number->isEnabled());
    QVERIFY(!editor->isEnabled());

    // Ticked with no number: campaign 0, written first.
    box->click();
    QVERIFY(number->isEnabled());
    QVERIFY(editor->isEnabled());
    const QByteArray member = f.save();
    QCOMPARE(member, chunk("SZENE_KAMPAGNE", int32(0)) + minimalScenario());

    // The number goes to the campaign editor as typed.
    number->setText(QStringLiteral("12"));
    QSignalSpy requested(&f.page, &TabSettings::campaignEditorRequested);
    editor->click();
    QCOMPARE(requested.count(), 1);
    QCOMPARE(requested.at(0).at(0).toString(), QStringLiteral("12"));
    QCOMPARE(f.page.campaignNumberText(), QStringLiteral("12"));

    f.reload(chunk("SZENE_KAMPAGNE", int32(5)) + minimalScenario());
    QVERIFY(box->isChecked());
    QCOMPARE(number->text(), QStringLiteral("5"));
    QVERIFY(number->isEnabled());
    QVERIFY(editor->isEnabled());

    // Cleared: the campaign chunk is gone and the next load shows no campaign.
    box->click();
    QVERIFY(!number->isEnabled());
    QVERIFY(!editor->isEnabled());
    const QByteArray alone = f.save();
    QCOMPARE(alone, minimalScenario());
    f.reload(alone);
    QVERIFY(!box->isChecked());
    QVERIFY(number->text().isEmpty());
    QVERIFY(!number->isEnabled());
    QVERIFY(!editor->isEnabled());
}

void SettingsPageTest::switchHintsFollowButtonState()
{
    Fixture f(chunk("TIMERS", settings(33, 0x001)));
    auto *pirates = f.find<QToolButton>("btnPiraten");
    auto *droughts = f.find<QToolButton>("btnDuerren");
    const QString piratesStay = QStringLiteral("Piraten erscheinen nicht wieder");
    const QString piratesReturn = QStringLiteral("Piraten erscheinen wieder");

    QCOMPARE(pirates->toolTip(), piratesStay);
    QCOMPARE(pirates->defaultAction()->statusTip(), piratesStay);
    QCOMPARE(droughts->toolTip(), QStringLiteral("Dürren sind möglich"));

    pirates->click();
    droughts->click();
    QCOMPARE(pirates->toolTip(), piratesReturn);
    QCOMPARE(pirates->defaultAction()->statusTip(), piratesReturn);
    QCOMPARE(droughts->toolTip(), QStringLiteral("Dürren sind nicht möglich"));

    // A load sets the hints as well.
    f.reload(minimalScenario()); // 0x2AA: pirates off, ore on
    QCOMPARE(pirates->toolTip(), piratesReturn);
    QCOMPARE(f.find<QToolButton>("btnErz")->toolTip(),
             QStringLiteral("Große Erzvorkommen sind unerschöpflich"));

    QStringList actions;
    for (const QAction *a : f.page.switchActions())
        actions << a->objectName();
    QCOMPARE(actions, (QStringList{"SwitchPiraten", "SwitchDuerren", "SwitchErz", "SwitchHaendler",
                                   "SwitchVulkane", "SwitchWaffen"}));
}

void SettingsPageTest::numericEditsTakeDigitsOnly()
{
    Fixture f(minimalScenario());
    f.find<QCheckBox>("cbKampagne")->click();
    for (const char *name : {"editSchiffe", "editKampagne"}) {
        QLineEdit *edit = f.edit(name);
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("1a2 -$"));
        QCOMPARE(edit->text(), QStringLiteral("12"));
    }
}

void SettingsPageTest::editsAndClicksReportChanges()
{
    Fixture f(minimalScenario());
    QSignalSpy changed(&f.page, &TabSettings::controlChanged);

    QTest::keyClicks(f.edit("editSchiffe"), QStringLiteral("7"));
    QCOMPARE(changed.count(), 1);
    f.edit("editGameId")->setText(QStringLiteral("9"));
    QCOMPARE(changed.count(), 2);
    f.find<QCheckBox>("cbKampagne")->click();
    QCOMPARE(changed.count(), 3);
    QTest::keyClicks(f.edit("editKampagne"), QStringLiteral("3"));
    QCOMPARE(changed.count(), 4);
    f.find<QToolButton>("btnVulkan")->click();
    QCOMPARE(changed.count(), 5);
    f.page.switchActions().at(0)->trigger();
    QCOMPARE(changed.count(), 6);
}

void SettingsPageTest::scenarioNameShownOnlyWhenPresent()
{
    Fixture f(ScenarioBuilder().chunk("NAME", "Brimtest").chunk("TIMERS", settings()).bytes());
    QLineEdit *name = f.edit("editSzenName");
    QCOMPARE(name->text(), QStringLiteral("Brimtest"));
    QVERIFY(name->isReadOnly());

    f.reload(minimalScenario());
    QVERIFY(name->text().isEmpty());
}

QTEST_MAIN(SettingsPageTest)
#include "tst_settingspage.moc"
