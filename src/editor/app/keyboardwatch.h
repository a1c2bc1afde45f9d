#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Watches the keyboard for the whole application, whichever control of the
// watched window has the focus:
// - arrow keys go to a handler that may use them up: plain ones as they reach
//   a control (the handler decides which control may give them away), with
//   Alt from any control of the window;
// - Ctrl+X, the old quit shortcut, stays with a text field that has the
//   focus, where it cuts, and never reaches the quit action.
// Arrow keys meant for other windows (a dialog, a menu) pass untouched.
class KeyboardWatch : public QObject {
    Q_OBJECT

public:
    // `window` is the watched top-level window; `use` gets the key, whether
    // Alt was held and the control the key reached, and answers whether it
    // used the key, which then reaches no control.
    KeyboardWatch(QWidget *window, std::function<bool(int key, bool alt, QWidget *to)> use);

    // Whether `widget` takes typed text (a line edit, a text box, a spin box).
    static bool IsTextField(const QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *window_;
    std::function<bool(int, bool, QWidget *)> use_;
};
