#pragma once

#include <QWidget>

class QLineEdit;

// An amount of goods in whole tons: a numeric edit with an up-down beside
// it. The edit takes 0..maxTons, what the record's field can hold; a larger
// number typed or pasted is pulled back to maxTons, where the user sees it,
// as soon as the user leaves the edit.
class AmountField : public QWidget {
    Q_OBJECT

public:
    // The edit is called `editName` (edWare02, ...), the up-down the same
    // with "ud" in front of the noun (udWare02, ...).
    AmountField(const QString &editName, quint32 maxTons, QWidget *parent = nullptr);

    QLineEdit *edit() const { return edit_; }
    void setTons(quint32 tons);
    // The tons the edit holds, clamped to 0..maxTons, 0 when it holds no
    // number; the edit then shows the number read.
    quint32 tons() const;
    QString text() const;

private:
    QLineEdit *edit_ = nullptr;
};
