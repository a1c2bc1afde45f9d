#include "editor/app/keyboardwatch.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

KeyboardWatch::KeyboardWatch(QWidget *window, std::function<bool(int, bool, QWidget *)> use,
                             std::function<bool(QWidget *, QKeyCombination)> fieldTakes)
    : QObject(window), window_(window), use_(std::move(use)), fieldTakes_(std::move(fieldTakes))
{
    qApp->installEventFilter(this);
}

bool KeyboardWatch::isTextField(const QWidget *widget)
{
    return qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QTextEdit *>(widget) ||
           qobject_cast<const QPlainTextEdit *>(widget) ||
           qobject_cast<const QAbstractSpinBox *>(widget);
}

bool KeyboardWatch::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;

    if (type == QEvent::ShortcutOverride) {
        // An accepted override makes the key a plain key press for the
        // control, so the quit shortcut does not fire. This holds in the
        // tool windows too, where the main window's shortcuts also work.
        if (key->key() == Qt::Key_X && modifiers == Qt::ControlModifier && isTextField(widget))
            key->accept();
        // Kept from the field, the override stays unaccepted and the key
        // goes to the window's shortcut.
        return widget->window() == window_ && fieldTakes_ && isTextField(widget) &&
               !fieldTakes_(widget, key->keyCombination());
    }
    if (widget->window() != window_)
        return false;

    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        break;
    default:
        return false;
    }
    if (modifiers != Qt::NoModifier && modifiers != Qt::AltModifier)
        return false;
    return use_(key->key(), modifiers == Qt::AltModifier, widget);
}
