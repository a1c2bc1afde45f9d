#pragma once

// A page of the main window that shows records of the open scenario and
// writes them back: the map, settings, players and missions pages. The main
// window attaches the document after every load, commits the page before
// every recorded edit, when it is left and before every save, refreshes it
// after undo and redo, and detaches it when the document is discarded.

#include <QPointer>
#include <QWidget>
#include <utility>

class RumoSzen;

class DocumentPage : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Shows the first tab of the document's records; nullptr empties the
    // page's link to a discarded document. Never counts as a change.
    virtual void attach(RumoSzen *doc) = 0;
    // Writes the controls of the current tab into the records.
    virtual void commit() = 0;
    // Shows the records again, on the tab shown, after undo or redo changed
    // them. Never counts as a change.
    virtual void refresh() = 0;

    // The control whose edit the next controlChanged is, where the page
    // knows it better than the input the user gave last (a button whose edit
    // ends with a message); null otherwise. Taken once. The main window names
    // the step after it.
    const QWidget *takeStepControl() { return std::exchange(stepControl_, nullptr); }

signals:
    // A control's value changed: one change of the document.
    void controlChanged();

protected:
    void stepBy(const QWidget *control) { stepControl_ = control; }

private:
    QPointer<const QWidget> stepControl_;
};
