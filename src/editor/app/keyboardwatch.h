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
//   focus, where it cuts, and never reaches the quit action;
// - a text field of the watched window takes a shortcut key (Ctrl+Z) only
//   when a second handler says so; otherwise the key goes past it to the
//   window's shortcut (its undo action). A text field takes such keys for
//   itself whether or not it can use them.
// Arrow keys meant for other windows (a dialog, a menu) pass untouched.
class KeyboardWatch : public QObject {
    Q_OBJECT

public:
    // `window` is the watched top-level window; `use` gets the key, whether
    // Alt was held and the control the key reached, and answers whether it
    // used the key, which then reaches no control. `fieldTakes` gets a text
    // field and a key that the field would take instead of a shortcut, and
    // answers whether the field may; without it, fields take them all.
    KeyboardWatch(QWidget *window, std::function<bool(int key, bool alt, QWidget *to)> use,
                  std::function<bool(QWidget *field, QKeyCombination keys)> fieldTakes = {});

    // Whether `widget` takes typed text (a line edit, a text box, a spin box).
    static bool isTextField(const QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *window_;
    std::function<bool(int, bool, QWidget *)> use_;
    std::function<bool(QWidget *, QKeyCombination)> fieldTakes_;
};
