#include "editor/app/keyboardwatch.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

KeyboardWatch::KeyboardWatch(QWidget *window, std::function<bool(int)> use)
    : QObject(window), window_(window), use_(std::move(use))
{
    qApp->installEventFilter(this);
}

bool KeyboardWatch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        break;
    default:
        return false;
    }
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != window_ || key->modifiers() & ~Qt::KeypadModifier)
        return false;
    return use_(key->key());
}
