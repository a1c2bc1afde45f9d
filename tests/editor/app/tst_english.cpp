// Under English, no control of the editor shows German: every page with its
// tabs, the editors beside the map for every object, the dialogs they open,
// the menus, and the messages the editor gives. The scenario's own names and
// texts are data and not looked at.

#include "core/common/language.h"
#include "support/scenariobuilder.h"
#include "support/tempfiles.h"
#include "support/ui/windowfixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace {

// Words a German text cannot do without and English never uses, and the
// letters only German writes. ("mit" is left out: the game's island
// templates are named by their size, "mit" among them, and the template
// dialog shows those names.)
const QRegularExpression kGerman(
    QStringLiteral("[äöüÄÖÜß]|\\b(Insel|Inseln|Stadt|Kontor|Kontore|Karren|Schiff|Schiffe|Spieler|"
                   "Auftrag|Aufträge|Waren|Warenlager|Datei|Bearbeiten|Ansicht|Hilfe|Speichern|"
                   "Beenden|Einwohner|Abbrechen|Schließen|Einstellungen|Karte|Menge|Anzeigen|"
                   "Wiederherstellen|Szenario|Szenarien|Spielstand|Kampagne|Schalter|Gebäude|"
                   "Vorlage|Klima|Farbe|Konto|Sprache|Werkzeuge|Ziel|Gruppe|Stufe|Keine|Kein|"
                   "und|der|die|das|nicht|ist|eine|ein|für|oder|wenn|wird|von|zu|auf)\\b"));

// What `widget` itself shows in words: captions, hints and the entries of
// lists. What the user types (line edits, text boxes) is data.
QStringList textsOf(const QWidget *widget)
{
    QStringList texts{widget->windowTitle(), widget->toolTip(), widget->statusTip(),
                      widget->whatsThis()};
    if (auto *label = qobject_cast<const QLabel *>(widget))
        texts << label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        texts << button->text();
    if (auto *box = qobject_cast<const QGroupBox *>(widget))
        texts << box->title();
    if (auto *edit = qobject_cast<const QLineEdit *>(widget))
        texts << edit->placeholderText();
    if (auto *tabs = qobject_cast<const QTabBar *>(widget)) {
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i) << tabs->tabToolTip(i);
    }
    if (auto *combo = qobject_cast<const QComboBox *>(widget); combo && !combo->isEditable()) {
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
    }
    if (auto *list = qobject_cast<const QListWidget *>(widget)) {
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text() << list->item(i)->toolTip();
    }
    if (auto *tree = qobject_cast<const QTreeWidget *>(widget)) {
        for (int c = 0; c < tree->columnCount(); ++c)
            texts << tree->headerItem()->text(c);
        for (QTreeWidgetItemIterator it(const_cast<QTreeWidget *>(tree)); *it; ++it) {
            for (int c = 0; c < tree->columnCount(); ++c)
                texts << (*it)->text(c) << (*it)->toolTip(c);
        }
    }
    if (auto *menu = qobject_cast<const QMenu *>(widget))
        texts << menu->title();
    for (const QAction *action : widget->actions())
        texts << action->text() << action->toolTip() << action->statusTip();
    return texts;
}

// Every German-looking text of `top` and its children, with where it stands.
QStringList germanIn(const QWidget *top)
{
    QStringList found;
    QList<const QWidget *> widgets{top};
    for (const QWidget *child : top->findChildren<QWidget *>())
        widgets << child;
    for (const QWidget *widget : widgets) {
        for (const QString &text : textsOf(widget)) {
            if (text.contains(kGerman))
                found << QStringLiteral("%1 (%2): %3")
                             .arg(widget->objectName(),
                                  QString::fromLatin1(widget->metaObject()->className()), text);
        }
    }
    return found;
}

} // namespace

class TestEnglish : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { setUpWindow(); }
    void cleanup();
    void theGermanWordListFindsGerman();
    void englishShowsNoGerman();

private:
    // Notes the German of the modal dialog that opens next, then closes it
    // with its button `close`, or cancels it when `close` is null.
    void lookAtNextDialog(const char *close);
    void note(const QStringList &german);

    QStringList german_;
};

void TestEnglish::initTestCase()
{
    setUpGame();
    scenario::richScenario().install(*game_);
}

void TestEnglish::cleanup()
{
    language::apply(language::Choice::German);
    tearDownWindow();
}

void TestEnglish::note(const QStringList &german)
{
    for (const QString &line : german) {
        if (!german_.contains(line))
            german_ << line;
    }
}

void TestEnglish::lookAtNextDialog(const char *close)
{
    QTimer::singleShot(0, qApp, [this, close] {
        QWidget *dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        note(germanIn(dialog));
        if (!close) {
            qobject_cast<QDialog *>(dialog)->reject();
            return;
        }
        auto *button = dialog->findChild<QAbstractButton *>(close);
        QVERIFY2(button, close);
        button->click();
    });
}

// The check itself: German captions are found, English ones and the
// scenario's names pass.
void TestEnglish::theGermanWordListFindsGerman()
{
    for (const char *german : {"&Datei", "Insel löschen", "Speichern unter...", "Spieler 3",
                               "Größe", "Der Computerspieler wird sauer, wenn..."})
        QVERIFY2(QString::fromUtf8(german).contains(kGerman), german);
    for (const char *english : {"&File", "Delete Island", "Save As...", "Player 3", "Ahlstadt",
                                "Seeadler", "Borkum", "Brimtest"})
        QVERIFY2(!QString::fromUtf8(english).contains(kGerman), english);
}

void TestEnglish::englishShowsNoGerman()
{
    // The window is made under English, as at a start on an English desktop.
    language::apply(language::Choice::English);
    window_ = std::make_unique<TMainForm>();
    const QString path = dir_->filePath(QStringLiteral("rich.szs"));
    testfiles::write(path, scenario::richScenario().file);
    window_->show();
    note(germanIn(window_.get())); // the start screen
    QVERIFY(window_->openScenario(path));
    note(germanIn(window_.get()));

    // Every object on the map with its editor, and the goods dialogs.
    auto *pages = window_->findChild<QTabWidget *>("MainPageControl");
    auto *tree = window_->findChild<QTreeWidget *>("ObjectTree");
    QVERIFY(pages && tree);
    pages->setCurrentIndex(0);
    QList<QTreeWidgetItem *> items;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        items << *it;
    for (QTreeWidgetItem *item : items) {
        tree->setCurrentItem(item);
        note(germanIn(window_.get()));
        for (const char *name : {"btWarenlager", "btCargo"}) {
            auto *button = window_->findChild<QAbstractButton *>(name);
            if (button && button->isEnabled() && button->isVisibleTo(window_.get())) {
                lookAtNextDialog("btOk");
                button->click();
            }
        }
    }
    tree->setCurrentItem(nullptr);

    // Every tab of every page, with the players' unlocked buildings.
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        for (auto *tabs : pages->widget(page)->findChildren<QTabBar *>()) {
            for (int t = 0; t < tabs->count(); ++t) {
                tabs->setCurrentIndex(t);
                note(germanIn(window_.get()));
                if (auto *unlocked = pages->widget(page)->findChild<QAbstractButton *>("Button1");
                    unlocked && unlocked->isEnabled()) {
                    unlocked->click();
                    for (auto *dialog : window_->findChildren<QDialog *>()) {
                        if (dialog->isVisible())
                            note(germanIn(dialog));
                    }
                    if (auto *close = window_->findChild<QAbstractButton *>("CloseButton"))
                        close->click();
                }
            }
        }
    }
    pages->setCurrentIndex(0);

    // The check's findings and the island templates.
    window_->findChild<QAction *>("CheckAction")->trigger();
    note(germanIn(window_->findChild<QDockWidget *>("CheckDock")));
    tree->setCurrentItem(items.value(0));
    lookAtNextDialog(nullptr);
    window_->findChild<QAction *>("InsertIslandAction")->trigger();

    // The help and the about box.
    lookAtNextDialog(nullptr);
    window_->findChild<QAction *>("HelpAction")->trigger();
    window_->findChild<QAction *>("AboutAction")->trigger();

    // The messages and questions on the way.
    for (const QString &shown : prompts_->shown) {
        if (shown.contains(kGerman))
            note({QStringLiteral("prompt: ") + shown});
    }
    // One line each: a message of QtTest's would be cut short.
    for (const QString &line : german_)
        qInfo().noquote() << "German:" << line;
    QVERIFY2(german_.isEmpty(), qPrintable(QStringLiteral("%1 German texts").arg(german_.size())));
}

QTEST_MAIN(TestEnglish)
#include "tst_english.moc"
