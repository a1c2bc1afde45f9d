#pragma once

#include <QStatusBar>

class QFontMetrics;
class QLabel;

// The main window's status line: the open file's path, shortened to fit its
// panel, the tile under the mouse and a third panel, at the fixed widths of
// the original window.
class StatusLine : public QStatusBar {
    Q_OBJECT

public:
    explicit StatusLine(QWidget *parent = nullptr);

    // The first panel shows `path` in the system's separators, shortened.
    void showPath(const QString &path);
    // The second panel: tile coordinates ("120 / 45"); empty clears it.
    void showTile(const QString &text);
    // Every panel empty, as without a document.
    void clearPanels();

    // Shortens `path` for a field `width` pixels wide in `metrics`: leading
    // folders give way to "..." one by one.
    static QString shortenPath(const QString &path, int width, const QFontMetrics &metrics);

private:
    QLabel *panels_[3] = {};
};
