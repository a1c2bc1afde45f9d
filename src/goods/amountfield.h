#pragma once

#include <QWidget>

class QLineEdit;

// An amount of goods in whole tons: a numeric edit with an up-down beside
// it. The up-down steps within 0..100 and starts from whatever the edit
// holds; typed numbers may be larger, the dialog limits them when it stores.
class AmountField : public QWidget {
    Q_OBJECT

public:
    static constexpr int StepMax = 100;

    // The edit is called `editName` (edWare02, ...), the up-down the same
    // with "ud" in front of the noun (udWare02, ...).
    AmountField(const QString &editName, QWidget *parent = nullptr);

    QLineEdit *edit() const { return edit_; }
    void setTons(quint32 tons);
    // The typed tons, clamped to 0..maxTons; 0 when the text is no number.
    quint32 tons(quint32 maxTons) const { return TonsOf(text(), maxTons); }
    QString text() const;

    // A decimal number within 0..maxTons: negative numbers give 0, numbers
    // too large give maxTons (never their low bits), other text gives 0.
    static quint32 TonsOf(const QString &text, quint32 maxTons);

private:
    QLineEdit *edit_ = nullptr;
};
