#pragma once

#include "core/check/scenariocheck.h"

#include <QDockWidget>
#include <QList>
#include <QPointer>
#include <QTimer>

class QTreeWidget;
class QTreeWidgetItem;
class RumoSzen;

// The findings of the scenario check, one line each with a picture of its
// severity, beside the main window's pages. Activating a finding (double
// click or Enter) asks the window to show its object. While it is shown the
// list follows the open document: each step of its undo stack (an edit, an
// undo, a redo) checks it again once the event loop is idle, so a fixed
// finding goes without another "Szenario prüfen".
class CheckDock : public QDockWidget {
    Q_OBJECT

public:
    explicit CheckDock(QWidget *parent = nullptr);

    // Lists `findings`; "Keine Befunde" when there are none.
    void showFindings(const QList<Finding> &findings);
    // Lists nothing (no scenario is open).
    void clear();
    // Follows `doc` (none: lists nothing): a dock that is showing checks it
    // now and after each of its steps; a hidden one when it is shown again.
    void follow(RumoSzen *doc);

    QTreeWidget *list() const { return list_; }

signals:
    void objectRequested(const ObjectRef &object);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void activated(QTreeWidgetItem *item);
    // Checks the document again soon, or once the dock is shown.
    void recheck();

    QTreeWidget *list_;
    QList<Finding> findings_;
    QPointer<RumoSzen> doc_;
    // Gathers the steps of one burst (a held arrow key) into one check.
    QTimer recheck_;
    // The list no longer tells of the document as it is.
    bool stale_ = false;
};
