#include "editor/app/helpdialog.h"

#include "core/common/messages.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// The README as installed beside the program, if there is one.
QString installedReadme()
{
    QStringList candidates;
    const QString app = QCoreApplication::applicationDirPath();
    candidates << app + QStringLiteral("/../share/doc/marbolt/README.md");
    for (const QString &data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        candidates << data + QStringLiteral("/doc/marbolt/README.md");
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return QDir::cleanPath(candidate);
    }
    return {};
}

} // namespace

QList<HelpShortcut> helpShortcuts()
{
    const auto ctrl = [](Qt::Key key) { return QKeySequence(Qt::CTRL | key); };
    const auto ctrlShift = [](Qt::Key key) { return QKeySequence(Qt::CTRL | Qt::SHIFT | key); };
    // Marked for the catalog here, translated as the list is made.
    const auto what = [](const char *text) {
        return QCoreApplication::translate("HelpDialog", text);
    };
    return {
        {ctrl(Qt::Key_O), what(QT_TRANSLATE_NOOP("HelpDialog", "Szenario öffnen"))},
        {ctrl(Qt::Key_S), what(QT_TRANSLATE_NOOP("HelpDialog", "Speichern"))},
        {ctrlShift(Qt::Key_S),
         what(QT_TRANSLATE_NOOP("HelpDialog", "Speichern unter neuem Namen"))},
        {ctrl(Qt::Key_R),
         what(QT_TRANSLATE_NOOP("HelpDialog", "Änderungen seit dem letzten Speichern verwerfen"))},
        {ctrl(Qt::Key_Q), what(QT_TRANSLATE_NOOP("HelpDialog", "Beenden"))},
        {ctrl(Qt::Key_X),
         what(QT_TRANSLATE_NOOP("HelpDialog", "Beenden (in einem Textfeld: ausschneiden)"))},
        {QKeySequence(Qt::Key_F7), what(QT_TRANSLATE_NOOP("HelpDialog", "Szenario prüfen"))},
        {ctrl(Qt::Key_Z),
         what(QT_TRANSLATE_NOOP("HelpDialog", "Letzten Schritt rückgängig machen"))},
        {ctrlShift(Qt::Key_Z), what(QT_TRANSLATE_NOOP("HelpDialog", "Schritt wiederherstellen"))},
        {ctrl(Qt::Key_Y), what(QT_TRANSLATE_NOOP("HelpDialog", "Schritt wiederherstellen"))},
        {ctrl(Qt::Key_Plus), what(QT_TRANSLATE_NOOP("HelpDialog", "Karte vergrößern"))},
        {ctrl(Qt::Key_Equal), what(QT_TRANSLATE_NOOP("HelpDialog", "Karte vergrößern"))},
        {ctrl(Qt::Key_Minus), what(QT_TRANSLATE_NOOP("HelpDialog", "Karte verkleinern"))},
        {ctrl(Qt::Key_0), what(QT_TRANSLATE_NOOP("HelpDialog", "Ganze Karte zeigen"))},
        {QKeySequence(Qt::Key_F1), what(QT_TRANSLATE_NOOP("HelpDialog", "Hilfe"))},
    };
}

void showHelpDialog(QWidget *parent)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("HelpDialog"));
    dialog.setWindowTitle(msg::helpTitle());
    auto *layout = new QVBoxLayout(&dialog);
    auto *text = new QTextBrowser(&dialog);
    text->setObjectName(QStringLiteral("HelpText"));
    text->setOpenExternalLinks(true);
    const QString readme = installedReadme();
    if (readme.isEmpty())
        text->setHtml(msg::builtInHelp());
    else
        text->setSource(QUrl::fromLocalFile(readme), QTextDocument::MarkdownResource);
    auto *keys = new QTreeWidget(&dialog);
    keys->setObjectName(QStringLiteral("HelpShortcuts"));
    keys->setRootIsDecorated(false);
    keys->setHeaderLabels({QCoreApplication::translate("HelpDialog", "Taste"),
                           QCoreApplication::translate("HelpDialog", "Wirkung")});
    for (const HelpShortcut &shortcut : helpShortcuts())
        new QTreeWidgetItem(keys,
                            {shortcut.keys.toString(QKeySequence::NativeText), shortcut.what});
    keys->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    auto *tabs = new QTabWidget(&dialog);
    tabs->addTab(text, QCoreApplication::translate("HelpDialog", "Hilfe"));
    tabs->addTab(keys, QCoreApplication::translate("HelpDialog", "Tastenkürzel"));
    layout->addWidget(tabs);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(640, 520);
    dialog.exec();
}
