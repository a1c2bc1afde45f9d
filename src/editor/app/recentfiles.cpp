#include "editor/app/recentfiles.h"

#include "core/common/messages.h"
#include "editor/widgets/prompts.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace {
const QString kRecentKey = QStringLiteral("files/recent");
}

RecentFiles::RecentFiles(QMenu *menu, QSettings *settings, QWidget *window)
    : QObject(menu), menu_(menu), settings_(settings), window_(window)
{
    if (settings_)
        files_ = settings_->value(kRecentKey).toStringList();
    fillMenu();
}

void RecentFiles::remember(const QString &path)
{
    const QString file = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    files_.removeAll(file);
    files_.prepend(file);
    while (files_.size() > MaxFiles)
        files_.removeLast();
    store();
    fillMenu();
}

void RecentFiles::store()
{
    if (settings_)
        settings_->setValue(kRecentKey, files_);
}

void RecentFiles::fillMenu()
{
    // An entry may be the one being triggered: it goes once that is over.
    for (QAction *old : menu_->actions()) {
        menu_->removeAction(old);
        old->deleteLater();
    }
    for (qsizetype i = 0; i < files_.size(); ++i) {
        const QString &path = files_[i];
        // "&1 Inselreich.szs", the folder in the tool tip.
        QAction *entry = menu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            QFileInfo(path).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"))));
        entry->setObjectName(QStringLiteral("RecentFile%1").arg(i + 1));
        entry->setToolTip(QDir::toNativeSeparators(path));
        entry->setStatusTip(QDir::toNativeSeparators(path));
        connect(entry, &QAction::triggered, this, [this, path] { open(path); });
    }
    menu_->setEnabled(!files_.isEmpty());
}

void RecentFiles::open(const QString &path)
{
    // Files that are gone leave the list, and the user learns which.
    QStringList gone;
    for (const QString &file : std::as_const(files_)) {
        if (!QFileInfo(file).isFile())
            gone << file;
    }
    if (!gone.isEmpty()) {
        for (const QString &file : gone)
            files_.removeAll(file);
        store();
        fillMenu();
        QStringList shown;
        for (const QString &file : gone)
            shown << QDir::toNativeSeparators(file);
        Prompts::current().message(window_, msg::recentFilesGone(shown));
    }
    if (QFileInfo(path).isFile())
        emit openRequested(path);
}
