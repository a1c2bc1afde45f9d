#pragma once

#include "core/check/scenariocheck.h"

#include <QDockWidget>
#include <QList>

class QTreeWidget;
class QTreeWidgetItem;

// The findings of the scenario check, one line each with a picture of its
// severity, beside the main window's pages. Activating a finding (double
// click or Enter) asks the window to show its object.
class CheckDock : public QDockWidget {
    Q_OBJECT

public:
    explicit CheckDock(QWidget *parent = nullptr);

    // Lists `findings`; "Keine Befunde" when there are none.
    void Show(const QList<Finding> &findings);
    // Lists nothing (no scenario is open).
    void Clear();

    QTreeWidget *list() const { return list_; }

signals:
    void objectRequested(const CheckObject &object);

private:
    void activated(QTreeWidgetItem *item);

    QTreeWidget *list_;
    QList<Finding> findings_;
};
