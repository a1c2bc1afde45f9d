#include "common/numerickeyfilter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

void NumericKeyFilter::Install(QLineEdit *edit)
{
    static auto *filter = new NumericKeyFilter(QCoreApplication::instance());
    edit->installEventFilter(filter);
}

bool NumericKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QString text = key->text();
        // Keys that type a character: only digits get through.
        if (!text.isEmpty() && text.at(0).isPrint() && !key->matches(QKeySequence::Paste))
            return !(text.size() == 1 && text.at(0) >= QLatin1Char('0') &&
                     text.at(0) <= QLatin1Char('9'));
    }
    return QObject::eventFilter(watched, event);
}
