#pragma once

#include <QObject>
#include <QStringList>

class QMenu;
class QSettings;
class QWidget;

// The "Zuletzt geöffnet" list: the last files opened or saved, newest first,
// shown in a menu and kept in the settings when the window has them.
class RecentFiles : public QObject {
    Q_OBJECT

public:
    static constexpr int MaxFiles = 8;

    // Fills `menu` from `settings` (may be null: then nothing is kept);
    // notices about files that are gone go to `window`.
    RecentFiles(QMenu *menu, QSettings *settings, QWidget *window);

    QStringList files() const { return files_; }
    // `path` becomes the newest entry.
    void remember(const QString &path);

signals:
    // An entry of the menu was chosen and its file still exists.
    void openRequested(const QString &path);

private:
    void fillMenu();
    void open(const QString &path);
    void store();

    QMenu *menu_;
    QSettings *settings_;
    QWidget *window_;
    QStringList files_;
};
