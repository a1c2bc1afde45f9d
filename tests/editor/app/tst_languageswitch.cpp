#include "core/common/language.h"
#include "core/document/rumoszen.h"
#include "editor/app/tmainform.h"
#include "editor/map/objecttree.h"
#include "support/scenariobuilder.h"
#include "support/tempfiles.h"
#include "support/ui/windowfixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QBuffer>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QToolBar>
#include <QUndoStack>
#include <QtTest>
#include <algorithm>

using namespace scenario;

namespace {

using Texts = QMap<QString, QString>;

// The texts of one editor below the map, keyed by kind and place, with the
// chosen item of each list.
void addEditorTexts(Texts &texts, const QWidget *editor)
{
    const QString at = editor->objectName() + QLatin1Char('/');
    const auto labels = editor->findChildren<QLabel *>();
    for (qsizetype i = 0; i < labels.size(); ++i)
        texts.insert(at + QStringLiteral("label%1").arg(i), labels[i]->text());
    for (const QGroupBox *group : editor->findChildren<QGroupBox *>())
        texts.insert(at + group->objectName(), group->title());
    for (const QAbstractButton *button : editor->findChildren<QAbstractButton *>())
        if (!button->objectName().isEmpty())
            texts.insert(at + button->objectName(), button->text());
    for (const QComboBox *combo : editor->findChildren<QComboBox *>()) {
        const QString name = at + combo->objectName();
        texts.insert(name + QStringLiteral(".current"), QString::number(combo->currentIndex()));
        for (int i = 0; i < combo->count(); ++i)
            texts.insert(name + QStringLiteral(".item%1").arg(i), combo->itemText(i));
    }
}

// Every text the window shows in the menus, the tool bar, the tabs, the
// object tree and the editors below the map.
Texts textsOf(const TMainForm &window)
{
    Texts texts;
    texts.insert(QStringLiteral("title"), window.windowTitle());
    for (const QMenu *menu : window.findChildren<QMenu *>())
        if (!menu->objectName().isEmpty())
            texts.insert(QStringLiteral("menu:") + menu->objectName(), menu->title());
    for (const QAction *action : window.findChildren<QAction *>())
        if (!action->objectName().isEmpty())
            texts.insert(QStringLiteral("action:") + action->objectName(),
                         action->text() + QLatin1Char('|') + action->toolTip() + QLatin1Char('|') +
                             action->statusTip());
    for (const QToolBar *bar : window.findChildren<QToolBar *>())
        texts.insert(QStringLiteral("toolbar:") + bar->objectName(), bar->windowTitle());
    for (const QTabWidget *tabs : window.findChildren<QTabWidget *>())
        for (int i = 0; i < tabs->count(); ++i)
            texts.insert(QStringLiteral("tab:%1/%2").arg(tabs->objectName()).arg(i),
                         tabs->tabText(i));
    for (const QWidget *button :
         {window.findChild<QWidget *>("btStaedte"), window.findChild<QWidget *>("btSchiffe"),
          window.findChild<QWidget *>("lbZoom")})
        texts.insert(QStringLiteral("tip:") + button->objectName(), button->toolTip());
    const auto *tree = window.findChild<ObjectTree *>("ObjectTree");
    for (int r = 0; r < tree->topLevelItemCount(); ++r) {
        const QTreeWidgetItem *root = tree->topLevelItem(r);
        texts.insert(QStringLiteral("tree:%1").arg(r), root->text(0));
        for (int i = 0; i < root->childCount(); ++i)
            texts.insert(QStringLiteral("node:%1/%2").arg(r).arg(i), root->child(i)->text(0));
    }
    addEditorTexts(texts, window.findChild<QWidget *>("CityEditor"));
    addEditorTexts(texts, window.findChild<QWidget *>("ShipEditor"));
    return texts;
}

} // namespace

class TestLanguageSwitch : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void switchingRetranslatesAndLeavesTheDocumentAlone();

private:
    void choose(const char *language)
    {
        window_->findChild<QAction *>(QLatin1String(language))->trigger();
        // Qt posts the language change to every window.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCoreApplication::processEvents();
    }
    QByteArray written() const
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        window_->document()->writeTo(buffer);
        return buffer.data();
    }

    RichScenario rich_;
};

void TestLanguageSwitch::initTestCase()
{
    // As the program starts: German with Qt's own German texts ("Strg+0").
    language::apply(language::Choice::German);
    setUpGame();
    rich_ = richScenario();
    rich_.install(*game_);
}

void TestLanguageSwitch::init()
{
    setUpWindow();
}

void TestLanguageSwitch::cleanup()
{
    choose("LanguageGermanAction");
    tearDownWindow();
}

// German → English → German: the window speaks English in between and
// exactly today's German after, while the document, its bytes, its changed
// state and its steps stay as they were; the selected city keeps its editor.
void TestLanguageSwitch::switchingRetranslatesAndLeavesTheDocumentAlone()
{
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    const QString path = dir_->filePath("Sprachen.szs");
    testfiles::write(path, rich_.file);
    QVERIFY(window_->openScenario(path));

    // A saved step on the stack, and a city in its editor.
    auto *tree = window_->findChild<ObjectTree *>("ObjectTree");
    const uchar *city = window_->document()->island(1)->cityInSlot(0).data();
    tree->setCurrentItem(tree->nodeOf(city));
    auto *name = window_->findChild<QLineEdit *>("editStadtname");
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "Ahlhafen");
    tree->setFocus();
    window_->findChild<QAction *>("SaveAction")->trigger();
    RumoSzen *doc = window_->document();
    QUndoStack *stack = doc->undoStack();
    QVERIFY(!doc->isModified());
    QCOMPARE(stack->count(), 1);
    const QByteArray bytes = written();
    const QString title = window_->windowTitle();

    const Texts german = textsOf(*window_);
    QCOMPARE(german.value("menu:MainMenu1"), QStringLiteral("&Datei"));
    QCOMPARE(german.value("CityEditor/gbStadt"), QStringLiteral("Ausgewählte Stadt"));
    QCOMPARE(german.value("action:UndoAction").section('|', 0, 0),
             QStringLiteral("Rückgängig: Stadtname ändern"));

    choose("LanguageEnglishAction");
    const Texts english = textsOf(*window_);
    const QList<std::pair<const char *, const char *>> expected = {
        {"menu:MainMenu1", "&File"},
        {"menu:RecentMenu", "Open &Recent"},
        {"menu:EditMenu", "&Edit"},
        {"menu:ViewMenu", "&View"},
        {"menu:LanguageMenu", "&Language"},
        {"menu:HelpMenu", "&Help"},
        {"action:OpenAction", "&Open...|Open|Opens an existing file"},
        {"action:ExitAction", "E&xit|Exit|Quits the program"},
        {"tab:MainPageControl/0", "Map"},
        {"tab:MainPageControl/2", "Missions"},
        {"tab:pcKarte/1", "Ship/Cart"},
        {"CityEditor/gbStadt", "Selected City"},
        {"CityEditor/cbBaustop", "Construction stop (?)"},
        {"CityEditor/btWarenlager", "Stock..."},
        {"ShipEditor/gbSchiff", "Selected Ship"},
        {"ShipEditor/btCargo", "Cargo..."},
        {"tip:btStaedte", "Show cities"},
    };
    for (const auto &[key, text] : expected)
        QCOMPARE(english.value(QLatin1String(key)), QString::fromUtf8(text));
    // No caption of the menus, the tool bar, the tabs, the tree's roots or
    // the editors stays German. Names and numbers read the same in both
    // languages; the files' and the document's names are no captions, and
    // the steps' names keep the language they were made in.
    static const QStringList sameInBoth = {QStringLiteral("Name"), QStringLiteral("0"),
                                           QStringLiteral("100%")};
    static const QStringList notCaptions = {QStringLiteral("title"),
                                            QStringLiteral("node:"),
                                            QStringLiteral("action:RecentFile"),
                                            QStringLiteral("action:Language"),
                                            QStringLiteral("action:UndoAction"),
                                            QStringLiteral("action:RedoAction")};
    for (auto it = german.cbegin(); it != german.cend(); ++it) {
        const bool caption =
            std::none_of(notCaptions.cbegin(), notCaptions.cend(),
                         [&](const QString &prefix) { return it.key().startsWith(prefix); }) &&
            !it.key().contains(QLatin1Char('.'));
        if (caption && !it->isEmpty() && !sameInBoth.contains(*it))
            QVERIFY2(english.value(it.key()) != *it, qPrintable(it.key() + " = " + *it));
    }
    QCOMPARE(english.value("CityEditor/comboStadtfarbe.current"),
             german.value("CityEditor/comboStadtfarbe.current"));
    QCOMPARE(window_->windowTitle(), title);
    QVERIFY(!doc->isModified());
    QVERIFY(!window_->isWindowModified());
    QCOMPARE(stack->count(), 1);
    QCOMPARE(stack->index(), 1);
    QCOMPARE(written(), bytes);
    QCOMPARE(window_->findChild<QLineEdit *>("editStadtname")->text(), QStringLiteral("Ahlhafen"));

    choose("LanguageGermanAction");
    const Texts back = textsOf(*window_);
    for (auto it = german.cbegin(); it != german.cend(); ++it)
        QCOMPARE(back.value(it.key()), *it);
    QCOMPARE(back.size(), german.size());
    QVERIFY(!doc->isModified());
    QCOMPARE(stack->count(), 1);
    QCOMPARE(stack->index(), 1);
    QCOMPARE(written(), bytes);
}

QTEST_MAIN(TestLanguageSwitch)
#include "tst_languageswitch.moc"
