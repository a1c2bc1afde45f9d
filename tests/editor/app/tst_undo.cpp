#include "core/common/ansitext.h"
#include "core/document/rumoszen.h"
#include "core/goods/shiprecord.h"
#include "core/islands/cityrecord.h"
#include "core/map/worldrenderer.h"
#include "core/players/missionrecord.h"
#include "core/players/playerrecord.h"
#include "editor/app/tmainform.h"
#include "editor/campaign/tkampform.h"
#include "editor/map/mapview.h"
#include "editor/map/objecttree.h"
#include "editor/widgets/numerickeyfilter.h"
#include "support/gameinstallation.h"
#include "support/scenariobuilder.h"
#include "support/tempfiles.h"
#include "support/ui/scriptedprompts.h"
#include "support/ui/windowfixture.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>
#include <QtTest>
#include <functional>

using namespace scenario;

namespace {

void mouse(QWidget *w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// What a line edit or text box shows.
QString textOf(const QWidget *field)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(field))
        return line->text();
    return static_cast<const QPlainTextEdit *>(field)->toPlainText();
}

// Types `text` character by character as a keyboard would, whatever the
// characters (QTest types Latin-1 only).
void typeText(QWidget *field, const QString &text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &release);
    }
}

// Shows the page or tab that holds `widget`, through every stack of pages
// around it.
void reveal(QWidget *widget)
{
    for (QWidget *w = widget; w && w->parentWidget(); w = w->parentWidget()) {
        if (auto *stack = qobject_cast<QStackedWidget *>(w->parentWidget()))
            stack->setCurrentWidget(w);
    }
}

// The longest name or text that each record field holds.
const QHash<QString, int> kRecordChars = {{"editName", PlayerRecord::NameChars},
                                          {"editStadtname", CityRecord::NameChars},
                                          {"editSchiffname", ShipRecord::NameChars},
                                          {"Memo1", MissionRecord::TextChars}};

} // namespace

class TestUndo : public QObject, private WindowFixture {
    Q_OBJECT

public:
    // One kind of edit, made through the window, and what the controls
    // show of it.
    struct Edit {
        QString step;
        // Shows the page and selects the object of the edit.
        std::function<void(TestUndo &)> prepare;
        std::function<void(TestUndo &)> act;
        std::function<QString(TestUndo &)> shown;
    };
    static const QList<std::pair<const char *, Edit>> &edits();

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void everyEditIsOneStep_data();
    void everyEditIsOneStep();
    void undoingEveryEditSavesTheFileAsRead();
    void savingMarksTheCleanState();
    void loadingEmptiesTheStack();
    void textFieldTakesCtrlZFirst();
    void everyTextFieldIsOneStep_data();
    void everyTextFieldIsOneStep();
    void typingBackToTheStartLeavesNoStep_data();
    void typingBackToTheStartLeavesNoStep();
    void ctrlZWithoutTypingTakesTheDocumentsStep();
    void renamedCityRenamesItsNode();
    void charactersTheGameCannotHoldStayOut_data();
    void charactersTheGameCannotHoldStayOut();

public:
    template <typename T> T *control(const char *name) const
    {
        T *found = window_->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QAction *action(const char *name) const { return control<QAction>(name); }
    RumoSzen *doc() const { return window_->document(); }
    Insel *island(int n) const { return doc()->island(n); }
    ObjectTree *tree() const { return control<ObjectTree>("ObjectTree"); }
    void showPage(int index) { control<QTabWidget>("MainPageControl")->setCurrentIndex(index); }
    // What a save would write now.
    QByteArray written() const
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        doc()->writeTo(buffer);
        return buffer.data();
    }
    // Replaces the field's text by typing, then leaves the field.
    void type(QWidget *field, const QString &text)
    {
        field->setFocus();
        if (auto *line = qobject_cast<QLineEdit *>(field))
            line->selectAll();
        else if (auto *plain = qobject_cast<QPlainTextEdit *>(field))
            plain->selectAll();
        QTest::keyClicks(field, text);
        leave();
    }
    // The tab bar of the pages takes no typing and is always shown.
    QWidget *neutral() const { return control<QTabWidget>("MainPageControl")->tabBar(); }
    void leave() { neutral()->setFocus(); }
    void select(const void *object) { tree()->setCurrentItem(tree()->nodeOf(object)); }
    CityRecord ahlstadt() const { return island(1)->cityInSlot(0); }
    void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2)); }
    // The next item of a combo box, chosen with the keyboard.
    void nextItem(const char *combo)
    {
        auto *box = control<QComboBox>(combo);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Down);
        leave();
    }
    QPoint pixelOf(QPoint tile) const
    {
        auto *map = control<MapView>("PaintBox1");
        return {tile.x() * map->width() / World::Width + map->width() / World::Width / 2 + 1,
                tile.y() * map->height() / World::Height + map->height() / World::Height / 2 + 1};
    }
    QString currentText() const
    {
        return tree()->currentItem() ? tree()->currentItem()->text(0) : QString();
    }
    void make(const Edit &e)
    {
        e.prepare(*this);
        e.act(*this);
    }
    // The title's change mark.
    bool titleModified() const { return window_->isWindowModified(); }
    QMenu *editMenu() const { return window_->menuBar()->findChild<QMenu *>("EditMenu"); }
    // The text fields of the page, editor or dialog `host`.
    static QList<QWidget *> textFieldsOf(const QWidget *host)
    {
        QList<QWidget *> fields;
        for (QLineEdit *line : host->findChildren<QLineEdit *>())
            if (!line->isReadOnly())
                fields << line;
        for (QPlainTextEdit *plain : host->findChildren<QPlainTextEdit *>())
            fields << plain;
        return fields;
    }
    // Every check box of `host` ticked and saved: every field it enables can
    // be typed into, and the title is clean.
    void tickAll(const QWidget *host)
    {
        for (int round = 0; round < 3; ++round)
            for (QCheckBox *box : host->findChildren<QCheckBox *>())
                if (!box->isChecked() && box->isEnabled())
                    box->click();
        action("SaveAction")->trigger();
    }

private:
    void open();

    RichScenario rich_;
    QString path_;
};

const QList<std::pair<const char *, TestUndo::Edit>> &TestUndo::edits()
{
    using T = TestUndo;
    static const QList<std::pair<const char *, Edit>> list{
        {"island drag",
         {QStringLiteral("Insel 2 verschieben"), [](T &t) { t.showPage(0); },
          [](T &t) {
              auto *map = t.control<MapView>("PaintBox1");
              mouse(map, QEvent::MouseButtonPress, t.pixelOf({103, 42}), Qt::LeftButton,
                    Qt::LeftButton);
              mouse(map, QEvent::MouseMove, t.pixelOf({106, 43}), Qt::NoButton, Qt::LeftButton);
              mouse(map, QEvent::MouseMove, t.pixelOf({110, 45}), Qt::NoButton, Qt::LeftButton);
              mouse(map, QEvent::MouseButtonRelease, t.pixelOf({110, 45}), Qt::LeftButton,
                    Qt::NoButton);
          },
          [](T &t) {
              return QStringLiteral("%1/%2").arg(t.island(2)->x()).arg(t.island(2)->y());
          }}},
        {"arrow key",
         {QStringLiteral("Insel 3 verschieben"),
          [](T &t) {
              t.showPage(0);
              t.select(t.island(3));
          },
          [](T &t) {
              auto *map = t.control<MapView>("PaintBox1");
              map->setFocus();
              QTest::keyClick(map, Qt::Key_Left);
          },
          [](T &t) { return QString::number(t.island(3)->x()); }}},
        {"island deletion",
         {QStringLiteral("Insel 3 löschen"),
          [](T &t) {
              t.showPage(0);
              t.select(t.island(3));
          },
          [](T &t) { t.action("DeleteIslandAction")->trigger(); },
          [](T &t) {
              return QStringLiteral("%1 %2")
                  .arg(t.island(3) != nullptr)
                  .arg(t.tree()->islandsNode()->childCount());
          }}},
        {"settings text field",
         {QStringLiteral("Maximale Anzahl Schiffe ändern"), [](T &t) { t.showPage(1); },
          [](T &t) { t.type(t.control<QLineEdit>("editSchiffe"), QStringLiteral("77")); },
          [](T &t) { return t.control<QLineEdit>("editSchiffe")->text(); }}},
        {"settings check box",
         {QStringLiteral("Kampagnenzugehörigkeit ändern"), [](T &t) { t.showPage(1); },
          [](T &t) { t.click(t.control<QCheckBox>("cbKampagne")); },
          [](T &t) {
              return QStringLiteral("%1 %2")
                  .arg(t.control<QCheckBox>("cbKampagne")->isChecked())
                  .arg(t.control<QLineEdit>("editKampagne")->isEnabled());
          }}},
        {"settings switch",
         {QStringLiteral("Schalter Erzvorkommen umschalten"), [](T &t) { t.showPage(1); },
          [](T &t) { QTest::mouseClick(t.control<QToolButton>("btnErz"), Qt::LeftButton); },
          [](T &t) { return QString::number(t.action("SwitchErz")->isChecked()); }}},
        {"player combo box",
         {QStringLiteral("Spielerart ändern"), [](T &t) { t.showPage(3); },
          [](T &t) { t.nextItem("comboKind"); },
          [](T &t) { return QString::number(t.control<QComboBox>("comboKind")->currentIndex()); }}},
        {"player text field",
         {QStringLiteral("Spielername ändern"), [](T &t) { t.showPage(3); },
          [](T &t) { t.type(t.control<QLineEdit>("editName"), QStringLiteral("Kapitaen")); },
          [](T &t) { return t.control<QLineEdit>("editName")->text(); }}},
        {"mission text",
         {QStringLiteral("Auftragstext ändern"), [](T &t) { t.showPage(2); },
          [](T &t) {
              t.type(t.control<QPlainTextEdit>("Memo1"), QStringLiteral("Erobere Borkum."));
          },
          [](T &t) { return t.control<QPlainTextEdit>("Memo1")->toPlainText(); }}},
        {"city editor field",
         {QStringLiteral("Stadtname ändern"),
          [](T &t) {
              t.showPage(0);
              t.select(t.ahlstadt().data());
          },
          [](T &t) { t.type(t.control<QLineEdit>("editStadtname"), QStringLiteral("Neustadt")); },
          [](T &t) {
              return t.control<QLineEdit>("editStadtname")->text() + QLatin1Char(' ') +
                     t.ahlstadt().name();
          }}},
        {"city owner colour",
         {QStringLiteral("Stadtfarbe ändern"),
          [](T &t) {
              t.showPage(0);
              t.select(t.ahlstadt().data());
          },
          [](T &t) { t.nextItem("comboStadtfarbe"); },
          [](T &t) {
              return QStringLiteral("%1 %2")
                  .arg(t.control<QComboBox>("comboStadtfarbe")->currentIndex())
                  .arg(t.island(1)->layers()[1]->tile(0).player());
          }}},
        {"ship editor field",
         {QStringLiteral("Schiffsname ändern"),
          [](T &t) {
              t.showPage(0);
              t.select(t.doc()->Ships()[0].data());
          },
          [](T &t) { t.type(t.control<QLineEdit>("editSchiffname"), QStringLiteral("Moewe")); },
          [](T &t) { return t.control<QLineEdit>("editSchiffname")->text(); }}},
        {"stock dialog OK",
         {QStringLiteral("Warenlager ändern"),
          [](T &t) {
              t.showPage(0);
              t.select(t.ahlstadt().data());
          },
          [](T &t) {
              QTimer::singleShot(0, [&t] {
                  auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
                  QVERIFY(dialog);
                  dialog->findChild<QPushButton *>("btLeeren")->click();
                  dialog->findChild<QPushButton *>("btOk")->click();
              });
              t.control<QPushButton>("btWarenlager")->click();
          },
          [](T &t) {
              const TradingPostRecord post = t.doc()->tradingPostOf(t.ahlstadt());
              return QString::number(qHash(QByteArrayView(post.data(), TradingPostRecord::Size))) +
                     QLatin1Char(' ') + t.currentText();
          }}},
    };
    return list;
}

void TestUndo::initTestCase()
{
    setUpGame();
    rich_ = richScenario();
    rich_.install(*game_);
}

void TestUndo::init()
{
    setUpWindow();
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    path_ = dir_->filePath("Spielstand.szs");
    testfiles::write(path_, rich_.file);
    open();
}

void TestUndo::open()
{
    QVERIFY(window_->openScenario(path_));
    QCOMPARE(written(), rich_.saved);
}

void TestUndo::cleanup()
{
    tearDownWindow();
}

void TestUndo::everyEditIsOneStep_data()
{
    QTest::addColumn<int>("edit");
    for (int i = 0; i < edits().size(); ++i)
        QTest::newRow(edits()[i].first) << i;
}

// Each kind of edit is one step named in the menu; undo brings back the
// bytes and the controls as read and the title without "*", redo the edit.
void TestUndo::everyEditIsOneStep()
{
    QFETCH(int, edit);
    const Edit &e = edits()[edit].second;
    e.prepare(*this);
    const QString before = e.shown(*this);
    e.act(*this);
    const QString after = e.shown(*this);
    QVERIFY2(after != before, qPrintable(after));
    QUndoStack *stack = doc()->undoStack();
    QCOMPARE(stack->count(), 1);
    QCOMPARE(action("UndoAction")->text(), QStringLiteral("Rückgängig: ") + e.step);
    const QByteArray edited = written();
    QVERIFY(edited != rich_.saved);
    QVERIFY(titleModified());

    action("UndoAction")->trigger();
    QCOMPARE(written(), rich_.saved);
    QCOMPARE(e.shown(*this), before);
    QVERIFY(!doc()->isModified());
    QVERIFY(!titleModified());
    QVERIFY(!action("UndoAction")->isEnabled());
    QCOMPARE(action("RedoAction")->text(), QStringLiteral("Wiederherstellen: ") + e.step);

    action("RedoAction")->trigger();
    QCOMPARE(written(), edited);
    QCOMPARE(e.shown(*this), after);
    QVERIFY(titleModified());
    QCOMPARE(stack->count(), 1);
}

// All the edits one after another, then undone in reverse: the save writes
// the file as read; redone: the same bytes as the edits made directly.
void TestUndo::undoingEveryEditSavesTheFileAsRead()
{
    for (const auto &[name, e] : edits()) {
        if (QByteArrayView(name) == "island deletion")
            continue; // island 3 stays for the arrow key; island 2 goes instead
        make(e);
    }
    select(island(2));
    action("DeleteIslandAction")->trigger();
    QVERIFY(!island(2));
    const int steps = int(edits().size());
    QCOMPARE(doc()->undoStack()->count(), steps);
    const QByteArray edited = written();

    for (int i = 0; i < steps; ++i)
        action("UndoAction")->trigger();
    QVERIFY(!action("UndoAction")->isEnabled());
    QCOMPARE(written(), rich_.saved);
    QVERIFY(!doc()->isModified());
    prompts_->files << Prompts::FileChoice{dir_->filePath("Zurueck.szs"), 0};
    action("SaveAsAction")->trigger();
    QCOMPARE(testfiles::read(dir_->filePath("Zurueck.szs")), rich_.saved);

    for (int i = 0; i < steps; ++i)
        action("RedoAction")->trigger();
    QVERIFY(!action("RedoAction")->isEnabled());
    QCOMPARE(written(), edited);
    QCOMPARE(doc()->ModifiedCount(), steps);
}

// The saved state is the clean one: undo leaves it, redo returns to it; an
// edit after undoing past it leaves it for good.
void TestUndo::savingMarksTheCleanState()
{
    make(edits()[3].second); // the ship limit
    make(edits()[1].second); // an island step
    action("SaveAction")->trigger();
    QVERIFY(!titleModified());
    QVERIFY(!action("SaveAction")->isEnabled());

    action("UndoAction")->trigger();
    QVERIFY(titleModified());
    QVERIFY(action("SaveAction")->isEnabled());
    action("RedoAction")->trigger();
    QVERIFY(!titleModified());
    QCOMPARE(written(), testfiles::read(path_));

    action("UndoAction")->trigger();
    action("UndoAction")->trigger();
    QCOMPARE(doc()->ModifiedCount(), 2);
    make(edits()[0].second); // the drag replaces both undone steps
    QVERIFY(!action("RedoAction")->isEnabled());
    action("UndoAction")->trigger();
    QCOMPARE(written(), rich_.saved);
    QVERIFY(titleModified()); // the saved file holds the two lost steps
}

void TestUndo::loadingEmptiesTheStack()
{
    make(edits()[2].second);
    QCOMPARE(doc()->undoStack()->count(), 1);
    prompts_->answers << Prompts::Answer::No;
    open();
    QCOMPARE(doc()->undoStack()->count(), 0);
    QVERIFY(!action("UndoAction")->isEnabled());
    QVERIFY(!action("RedoAction")->isEnabled());
    QCOMPARE(action("UndoAction")->text(), QStringLiteral("Rückgängig"));

    // The same document object read again has no steps left either.
    make(edits()[1].second);
    QVERIFY(doc()->Load(path_));
    QCOMPARE(doc()->undoStack()->count(), 0);
}

// While a text field has the focus, Ctrl+Z takes back its typing; in other
// controls it undoes the last step. Ctrl+Y and Ctrl+Shift+Z redo.
void TestUndo::textFieldTakesCtrlZFirst()
{
    make(edits()[1].second); // island 3 one tile left
    showPage(3);
    auto *name = control<QLineEdit>("editName");
    const QString shown = name->text();
    name->setFocus();
    name->end(false);
    QTest::keyClicks(name, QStringLiteral("xy"));
    QCOMPARE(action("UndoAction")->text(), QStringLiteral("Rückgängig: Spielername ändern"));
    QVERIFY(titleModified());
    QTest::keySequence(name, QKeySequence::Undo);
    QCOMPARE(name->text(), shown);
    QCOMPARE(island(3)->x(), 299);
    leave();
    QCOMPARE(doc()->undoStack()->count(), 1); // the typing came to nothing
    QCOMPARE(doc()->ModifiedCount(), 1);

    // Opening the menu makes the typing a step, which the menu names.
    name->setFocus();
    name->end(false);
    QTest::keyClicks(name, QStringLiteral("z"));
    auto *menu = window_->menuBar()->findChild<QMenu *>("EditMenu");
    QVERIFY(menu);
    QMetaObject::invokeMethod(menu, "aboutToShow");
    QCOMPARE(doc()->undoStack()->count(), 2);
    QCOMPARE(menu->actions().first()->text(), QStringLiteral("Rückgängig: Spielername ändern"));
    leave();

    QTest::keySequence(neutral(), QKeySequence::Undo);
    QCOMPARE(name->text(), shown);
    QTest::keySequence(neutral(), QKeySequence::Undo);
    QCOMPARE(island(3)->x(), 300);
    QCOMPARE(control<QTabWidget>("MainPageControl")->currentIndex(), 0);
    QTest::keyClick(neutral(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(island(3)->x(), 299);
    QTest::keyClick(neutral(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(name->text(), shown + QLatin1Char('z'));
    QCOMPARE(control<QTabWidget>("MainPageControl")->currentIndex(), 3);
}

// What to type into `field` so that its record changes: another number
// within the field's range, a level, or a name longer than its record holds.
static QString typedFor(const QWidget *field)
{
    const int limit = kRecordChars.value(field->objectName(), -1);
    if (limit >= 0)
        return QStringLiteral("Marbolt ").repeated(limit / 8 + 2).left(limit + 5);
    const auto *line = qobject_cast<const QLineEdit *>(field);
    if (!line)
        return QString();
    if (const NumericValidator *numbers = NumericKeyFilter::of(line)) {
        const std::optional<qint64> now = numbers->valueOf(line->text());
        for (qint64 candidate : {qint64(7), qint64(8), numbers->minimum(), numbers->maximum()}) {
            if (candidate >= numbers->minimum() && candidate <= numbers->maximum() &&
                candidate != now)
                return QString::number(candidate);
        }
    }
    // A level of the players' moods, typed as a number of groups.
    return line->text().startsWith(QLatin1Char('2')) ? QStringLiteral("3") : QStringLiteral("2");
}

void TestUndo::everyTextFieldIsOneStep_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("object");
    // The button that opens a dialog holding the fields; empty for fields
    // in the window.
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<int>("fields");
    QTest::newRow("settings page") << "TabSettings" << 1 << ""
                                   << "" << 7;
    QTest::newRow("missions page") << "TabAuftraege" << 2 << ""
                                   << "" << 18;
    QTest::newRow("players page") << "TabSpieler" << 3 << ""
                                  << "" << 14;
    QTest::newRow("city editor") << "CityEditor" << 0 << "city"
                                 << "" << 1;
    QTest::newRow("ship editor") << "ShipEditor" << 0 << "ship"
                                 << "" << 2;
    QTest::newRow("stock dialog") << "" << 0 << "city"
                                  << "btWarenlager" << 20;
    QTest::newRow("cargo dialog") << "" << 0 << "ship"
                                  << "btCargo" << 1;
}

// Typing in a text field, in pieces with a look at the menu in between, and
// leaving it is exactly one step: undone once, the record bytes, the title
// and the stack are as before. A name or text field holds no more than its
// record, and what it shows is stored whole.
void TestUndo::everyTextFieldIsOneStep()
{
    QFETCH(QString, host);
    QFETCH(int, page);
    QFETCH(QString, object);
    QFETCH(QString, dialog);
    QFETCH(int, fields);
    showPage(page);
    if (object == QLatin1String("city"))
        select(ahlstadt().data());
    else if (object == QLatin1String("ship"))
        select(doc()->Ships()[0].data());
    QUndoStack *stack = doc()->undoStack();

    if (!dialog.isEmpty()) {
        const int index = stack->index();
        int typed = 0;
        QTimer::singleShot(0, [&typed] {
            auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(box);
            for (QWidget *field : textFieldsOf(box)) {
                if (!field->isEnabled())
                    continue;
                field->setFocus();
                static_cast<QLineEdit *>(field)->selectAll();
                QTest::keyClicks(field, typedFor(field));
                ++typed;
            }
            box->findChild<QPushButton *>("btOk")->click();
        });
        control<QPushButton>(dialog.toLatin1().constData())->click();
        QVERIFY2(typed >= fields, qPrintable(QString::number(typed)));
        QCOMPARE(stack->index(), index + 1);
        action("UndoAction")->trigger();
        QCOMPARE(written(), rich_.saved);
        QVERIFY(!titleModified());
        QCOMPARE(stack->index(), index);
        return;
    }

    const QWidget *shown = control<QWidget>(host.toLatin1().constData());
    tickAll(shown);
    const QList<QWidget *> found = textFieldsOf(shown);
    QVERIFY2(found.size() >= fields, qPrintable(QString::number(found.size())));
    for (QWidget *field : found) {
        const QString name = field->objectName();
        reveal(field);
        QVERIFY2(field->isEnabled(), qPrintable(name));
        const QByteArray before = written();
        const int index = stack->index();
        QVERIFY2(!titleModified(), qPrintable(name));

        const QString typed = typedFor(field);
        field->setFocus();
        if (auto *line = qobject_cast<QLineEdit *>(field))
            line->selectAll();
        else
            static_cast<QPlainTextEdit *>(field)->selectAll();
        QTest::keyClicks(field, typed.left(1));
        QMetaObject::invokeMethod(editMenu(), "aboutToShow");
        if (auto *memo = qobject_cast<QPlainTextEdit *>(field)) {
            // Most of a long text at once, as pasted; its end typed.
            memo->insertPlainText(typed.mid(1, typed.size() - 21));
            QTest::keyClicks(field, typed.right(20));
        } else {
            QTest::keyClicks(field, typed.mid(1));
        }
        leave();
        QVERIFY2(stack->index() == index + 1,
                 qPrintable(QStringLiteral("%1: %2 steps").arg(name).arg(stack->index() - index)));

        const int limit = kRecordChars.value(name, -1);
        const auto *line = qobject_cast<const QLineEdit *>(field);
        const bool nameField = !line || (!NumericKeyFilter::of(line) && line->maxLength() < 32767);
        QVERIFY2(nameField == (limit >= 0), qPrintable(name + QStringLiteral(": no record limit")));
        if (limit >= 0) {
            if (line)
                QCOMPARE(line->maxLength(), limit);
            QCOMPARE(textOf(field).size(), limit);
            QVERIFY2(written().contains(ansi::fromUnicode(textOf(field)) + '\0'), qPrintable(name));
        }

        action("UndoAction")->trigger();
        QVERIFY2(written() == before, qPrintable(name));
        QVERIFY2(!titleModified(), qPrintable(name));
        QCOMPARE(stack->index(), index);
    }
}

void TestUndo::typingBackToTheStartLeavesNoStep_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("typed");
    QTest::newRow("777 typed into the balance") << "editMoney"
                                                << "50000"
                                                << "777";
    QTest::newRow("name cut with the context menu") << "editName"
                                                    << "Kapitaen"
                                                    << "";
}

// Ctrl+Z in the field takes back what was typed there since it was entered,
// whatever came between the keys, and no step is left behind.
void TestUndo::typingBackToTheStartLeavesNoStep()
{
    QFETCH(QString, field);
    QFETCH(QString, start);
    QFETCH(QString, typed);
    showPage(3);
    auto *edit = control<QLineEdit>(field.toLatin1().constData());
    type(edit, start);
    action("SaveAction")->trigger();
    QVERIFY(!titleModified());
    const QByteArray saved = written();
    QUndoStack *stack = doc()->undoStack();
    const int index = stack->index();

    edit->setFocus();
    edit->selectAll();
    if (typed.isEmpty()) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4),
                                edit->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(edit, &event);
        auto *menu = edit->findChild<QMenu *>();
        QVERIFY(menu);
        for (QAction *entry : menu->actions()) {
            const QString caption = entry->text().remove(QLatin1Char('&'));
            if (caption.startsWith(QLatin1String("Cut")) ||
                caption.startsWith(QLatin1String("Ausschneiden")))
                entry->trigger();
        }
        menu->close();
        QCOMPARE(edit->text(), QString());
    } else {
        QTest::keyClicks(edit, typed.left(1));
        QMetaObject::invokeMethod(editMenu(), "aboutToShow");
        QTest::keyClicks(edit, typed.mid(1));
        QCOMPARE(edit->text(), typed);
    }
    QCOMPARE(stack->index(), index + 1);
    QVERIFY(titleModified());

    QTest::keySequence(edit, QKeySequence::Undo);
    QCOMPARE(edit->text(), start);
    leave();
    QCOMPARE(stack->index(), index);
    QCOMPARE(written(), saved);
    QVERIFY(!titleModified());
}

// Ctrl+Z in a field with nothing of its own to take back takes the
// document's last step; Ctrl+Y there redoes it.
void TestUndo::ctrlZWithoutTypingTakesTheDocumentsStep()
{
    showPage(2);
    auto *memo = control<QPlainTextEdit>("Memo1");
    const QString first = memo->toPlainText();
    QUndoStack *stack = doc()->undoStack();
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    QTest::keyClicks(memo, QStringLiteral(" Schnell!"));
    QCOMPARE(stack->index(), 1);

    auto *missions = control<QTabBar>("AuftragTabControl");
    QTest::mouseClick(missions, Qt::LeftButton, {}, missions->tabRect(1).center());
    QCOMPARE(missions->currentIndex(), 1);
    QTest::mouseClick(memo->viewport(), Qt::LeftButton);
    QVERIFY(memo->hasFocus());
    QCOMPARE(memo->toPlainText(), QStringLiteral("Handle mit Tabak."));

    QTest::keySequence(memo, QKeySequence::Undo);
    QCOMPARE(stack->index(), 0);
    QCOMPARE(missions->currentIndex(), 0);
    QCOMPARE(memo->toPlainText(), first);
    QVERIFY(!titleModified());
    QCOMPARE(written(), rich_.saved);

    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(stack->index(), 1);
    QCOMPARE(memo->toPlainText(), first + QStringLiteral(" Schnell!"));
}

// The city's node in the object tree follows its name as it is typed, and
// undo and redo.
void TestUndo::renamedCityRenamesItsNode()
{
    showPage(0);
    const uchar *city = ahlstadt().data();
    select(city);
    auto *name = control<QLineEdit>("editStadtname");
    name->setFocus();
    name->selectAll();
    typeText(name, QStringLiteral("Marbolt-Süd"));
    QCOMPARE(tree()->nodeOf(city)->text(0), QStringLiteral("Marbolt-Süd"));
    leave();
    QCOMPARE(tree()->nodeOf(city)->text(0), QStringLiteral("Marbolt-Süd"));
    QCOMPARE(action("UndoAction")->text(), QStringLiteral("Rückgängig: Stadtname ändern"));
    action("UndoAction")->trigger();
    QCOMPARE(tree()->nodeOf(city)->text(0), QStringLiteral("Ahlstadt"));
    action("RedoAction")->trigger();
    QCOMPARE(tree()->nodeOf(city)->text(0), QStringLiteral("Marbolt-Süd"));
    QCOMPARE(name->text(), QStringLiteral("Marbolt-Süd"));
}

void TestUndo::charactersTheGameCannotHoldStayOut_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("object");
    QTest::newRow("player name") << "editName" << 3 << "";
    QTest::newRow("mission text") << "Memo1" << 2 << "";
    QTest::newRow("city name") << "editStadtname" << 0 << "city";
    QTest::newRow("ship name") << "editSchiffname" << 0 << "ship";
    QTest::newRow("campaign line") << "editKamp1" << -1 << "";
}

// A character that Windows-1252 cannot hold is refused where it is typed (on
// the keyboard or through an input method), pasted ones are replaced, and
// the field's tooltip says which and why; what the field then shows is what
// is stored.
void TestUndo::charactersTheGameCannotHoldStayOut()
{
    QFETCH(QString, field);
    QFETCH(int, page);
    QFETCH(QString, object);
    TKampForm campaigns;
    QWidget *edit = nullptr;
    if (page < 0) {
        campaigns.show();
        edit = campaigns.findChild<QLineEdit *>(field);
    } else {
        showPage(page);
        if (object == QLatin1String("city"))
            select(ahlstadt().data());
        else if (object == QLatin1String("ship"))
            select(doc()->Ships()[0].data());
        edit = control<QWidget>(field.toLatin1().constData());
    }
    QVERIFY(edit);
    edit->setFocus();
    auto *line = qobject_cast<QLineEdit *>(edit);
    auto *memo = qobject_cast<QPlainTextEdit *>(edit);
    if (line)
        line->selectAll();
    else
        memo->selectAll();

    typeText(edit, QStringLiteral("Łódź"));
    QCOMPARE(textOf(edit), QStringLiteral("ód"));
    QVERIFY2(edit->toolTip().contains(QStringLiteral("„ź“")), qPrintable(edit->toolTip()));
    QVERIFY(edit->toolTip().contains(QStringLiteral("Windows-1252")));

    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("źle"));
    QApplication::sendEvent(edit, &composed);
    QCOMPARE(textOf(edit), QStringLiteral("ódle"));

    QGuiApplication::clipboard()->setText(QStringLiteral(" Łódź"));
    if (line)
        line->paste();
    else
        memo->paste();
    QCOMPARE(textOf(edit), QStringLiteral("ódle ?ódz"));
    QVERIFY2(edit->toolTip().contains(QStringLiteral("„Ł“ durch „?“, „ź“ durch „z“")),
             qPrintable(edit->toolTip()));

    if (page >= 0) {
        leave();
        QVERIFY(edit->toolTip().isEmpty() || !edit->toolTip().contains(QStringLiteral("1252")));
        QVERIFY(written().contains(QByteArray("\xF3"
                                              "dle ?\xF3"
                                              "dz") +
                                   '\0'));
    }
}

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
