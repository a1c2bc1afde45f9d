#pragma once

#include <QObject>

class QLineEdit;

// Lets only the digits 0 to 9 and backspace through to a numeric edit; every
// other typed character is swallowed. Editing keys (arrows, delete, shortcuts)
// pass as usual.
class NumericKeyFilter : public QObject {
    Q_OBJECT

public:
    // Installs the one shared filter on `edit`.
    static void Install(QLineEdit *edit);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
