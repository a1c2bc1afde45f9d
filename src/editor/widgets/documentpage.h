#pragma once

// A page of the main window that shows records of the open scenario and
// writes them back: the players page and the missions page. The main window
// attaches the document after every load, commits the page when it is left
// and before every save, and detaches it when the document is discarded.

#include <QWidget>

class RumoSzen;

class DocumentPage : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Shows the first tab of the document's records; nullptr empties the
    // page's link to a discarded document. Never counts as a change.
    virtual void Attach(RumoSzen *doc) = 0;
    // Writes the controls of the current tab into the records.
    virtual void Commit() = 0;

signals:
    // A control's value changed: one change of the document.
    void controlChanged();
};
