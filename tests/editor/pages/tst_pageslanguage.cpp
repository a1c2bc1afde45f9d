#include "core/common/language.h"
#include "core/document/rumoszen.h"
#include "editor/app/tmainform.h"
#include "support/gameinstallation.h"
#include "support/scenariobuilder.h"
#include "support/tempfiles.h"
#include "support/ui/scriptedprompts.h"
#include "support/ui/windowfixture.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QUndoStack>
#include <QtTest>

using namespace scenario;

namespace {

// What a control holds that the document decides: its value, never its
// caption.
QString valueOf(const QWidget *widget)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->text();
    if (const auto *memo = qobject_cast<const QPlainTextEdit *>(widget))
        return memo->toPlainText();
    if (const auto *box = qobject_cast<const QComboBox *>(widget))
        return QString::number(box->currentIndex());
    if (const auto *slider = qobject_cast<const QAbstractSlider *>(widget))
        return QString::number(slider->value());
    if (const auto *tabs = qobject_cast<const QTabBar *>(widget))
        return QString::number(tabs->currentIndex());
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget);
        button && button->isCheckable())
        return button->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
    return {};
}

// Every text the controls of the settings, missions and players pages show
// (with the unlocked-buildings dialog), with their values and enabled
// states, one line per control. Scroll bars and the tab bars' scroll buttons
// follow the layout and are left out.
QStringList shownTexts(const QWidget *window, bool captions)
{
    QList<const QWidget *> widgets;
    for (const char *page : {"TabSettings", "TabAuftraege", "TabSpieler"}) {
        const auto *root = window->findChild<QWidget *>(QLatin1String(page));
        if (!root)
            return {QStringLiteral("no page ") + QLatin1String(page)};
        widgets << root;
        for (const QWidget *widget : root->findChildren<QWidget *>())
            widgets << widget;
    }
    QStringList lines;
    for (const QWidget *widget : widgets) {
        if (qobject_cast<const QScrollBar *>(widget) ||
            qobject_cast<const QTabBar *>(widget->parentWidget()))
            continue;
        QStringList line{
            QLatin1String(widget->metaObject()->className()), widget->objectName(), valueOf(widget),
            widget->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled")};
        if (captions) {
            line << widget->toolTip() << widget->windowTitle();
            if (const auto *label = qobject_cast<const QLabel *>(widget))
                line << label->text();
            if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
                line << button->text();
            if (const auto *group = qobject_cast<const QGroupBox *>(widget))
                line << group->title();
            if (const auto *tabs = qobject_cast<const QTabBar *>(widget))
                for (int tab = 0; tab < tabs->count(); ++tab)
                    line << tabs->tabText(tab) << tabs->tabToolTip(tab);
            if (const auto *box = qobject_cast<const QComboBox *>(widget))
                for (int item = 0; item < box->count(); ++item)
                    line << box->itemText(item);
        }
        lines << line.join(QLatin1Char('|'));
    }
    // Sorted: raising a widget changes the order of its parent's children.
    lines.sort();
    return lines;
}

void switchTo(language::Choice choice)
{
    language::apply(choice);
    // The widgets hear of the new language through posted events.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

} // namespace

class TestPagesLanguage : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void languageSwitchKeepsDocumentAndValues_data();
    void languageSwitchKeepsDocumentAndValues();

private:
    RichScenario rich_;
};

void TestPagesLanguage::initTestCase()
{
    setUpGame();
    rich_ = richScenario();
    rich_.install(*game_);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestPagesLanguage::init()
{
    setUpWindow();
}

void TestPagesLanguage::cleanup()
{
    switchTo(language::Choice::German);
    tearDownWindow();
}

// The pages refill what they show from the document in the new language:
// under English and back under German every value, selection and enabled
// state stays, the document gains neither a change nor an undo step, and
// German gives back exactly the German texts of before.
void TestPagesLanguage::languageSwitchKeepsDocumentAndValues_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("settings shown") << 1;
    QTest::newRow("missions shown") << 2;
    QTest::newRow("players shown") << 3;
}

void TestPagesLanguage::languageSwitchKeepsDocumentAndValues()
{
    QFETCH(int, page);
    const QString path = dir_->filePath("sprache.szs");
    testfiles::write(path, rich_.file);
    QVERIFY(window_->openScenario(path));
    window_->show();
    // The first page shown builds all of them.
    control<QTabWidget>("MainPageControl")->setCurrentIndex(1);
    // Tabs away from the first, so that a refill that loses them shows.
    control<QTabBar>("SpielerTabControl")->setCurrentIndex(2);
    control<QTabBar>("AuftragTabControl")->setCurrentIndex(1);
    control<QTabWidget>("AuftragPageControl")->setCurrentIndex(1);
    control<QTabWidget>("MainPageControl")->setCurrentIndex(page);
    RumoSzen *doc = window_->document();
    QVERIFY(!doc->isModified());
    const int steps = doc->undoStack()->count();
    const QStringList german = shownTexts(window_.get(), true);
    const QStringList values = shownTexts(window_.get(), false);

    switchTo(language::Choice::English);
    QCOMPARE(control<QTabBar>("SpielerTabControl")->tabText(2), QStringLiteral("Player 3"));
    QCOMPARE(control<QTabBar>("AuftragTabControl")->tabText(1), QStringLiteral("Mission 2"));
    QCOMPARE(control<QGroupBox>("gbStadt1")->title(), QStringLiteral("First City"));
    QCOMPARE(control<QCheckBox>("cbKampagne")->text(), QStringLiteral("Belongs to a campaign"));
    QCOMPARE(control<QCheckBox>("cbInfra02")->text(), QStringLiteral("School"));
    QCOMPARE(shownTexts(window_.get(), false), values);
    QVERIFY(!doc->isModified());
    QCOMPARE(doc->undoStack()->count(), steps);

    switchTo(language::Choice::German);
    QCOMPARE(shownTexts(window_.get(), true), german);
    QVERIFY(!doc->isModified());
    QVERIFY(!window_->isWindowModified());
    QCOMPARE(doc->undoStack()->count(), steps);
}

QTEST_MAIN(TestPagesLanguage)
#include "tst_pageslanguage.moc"
