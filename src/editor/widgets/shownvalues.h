#pragma once

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVariant>
#include <QWidget>
#include <initializer_list>

// What the controls of a page showed when the page was filled from its
// record. A page writes a field back only when its control now shows
// something else: a record may hold values that no control can show exactly
// (a colour without an item, a level between two positions of the track bar,
// a text with bare CR line breaks), and merely showing and storing such a
// record must not change a byte of it.
class ShownValues {
public:
    // Remembers the value of every editing control inside `page`.
    void rememberAll(const QWidget *page)
    {
        shown_.clear();
        for (const QWidget *control : page->findChildren<QWidget *>())
            if (const QVariant value = valueOf(control); value.isValid())
                shown_.insert(control, value);
    }

    // The user changed `control` since the page was filled. A control that
    // was never remembered counts as changed, so nothing is lost by leaving
    // one out.
    bool changed(const QObject *control) const
    {
        const auto it = shown_.constFind(control);
        return it == shown_.cend() || *it != valueOf(control);
    }
    bool anyChanged(std::initializer_list<const QObject *> controls) const
    {
        for (const QObject *control : controls)
            if (changed(control))
                return true;
        return false;
    }
    // Whether any remembered control changed.
    bool anyChanged() const
    {
        for (auto it = shown_.cbegin(); it != shown_.cend(); ++it)
            if (*it != valueOf(it.key()))
                return true;
        return false;
    }

private:
    static QVariant valueOf(const QObject *control)
    {
        if (const auto *edit = qobject_cast<const QLineEdit *>(control))
            return edit->text();
        if (const auto *memo = qobject_cast<const QPlainTextEdit *>(control))
            return memo->toPlainText();
        if (const auto *box = qobject_cast<const QComboBox *>(control))
            return box->currentIndex();
        if (const auto *slider = qobject_cast<const QAbstractSlider *>(control))
            return slider->value();
        if (const auto *button = qobject_cast<const QAbstractButton *>(control);
            button && button->isCheckable())
            return button->isChecked();
        return {};
    }

    QHash<const QObject *, QVariant> shown_;
};
