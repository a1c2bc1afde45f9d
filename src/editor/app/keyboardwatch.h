#pragma once

#include <QObject>
#include <functional>

// Watches the arrow keys for the whole application, whichever control of the
// watched window has the focus, and hands them to a handler that may use
// them up. Keys meant for other windows (a dialog, a menu) pass untouched.
class KeyboardWatch : public QObject {
    Q_OBJECT

public:
    // `window` is the watched top-level window; `use` answers whether it used
    // the key, which then reaches no control.
    KeyboardWatch(QWidget *window, std::function<bool(int key)> use);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *window_;
    std::function<bool(int)> use_;
};
