#pragma once

#include "islands/cityrecord.h"

#include <QDialog>
#include <array>

class AmountField;
class ListImage;
class QLabel;
class QPushButton;
class RumoSzen;

// "Warenlager": the stock of the trading post of a city, in whole tons, one
// row for each of the 23 goods. Modal and reused; OK writes the rows into
// the trading post, "Abbruch" leaves it alone.
class TWareForm : public QDialog {
    Q_OBJECT

public:
    // A stock amount is 32 bits of 1/32 ton.
    static constexpr quint32 MaxTons = 0xFFFFFFFFu / 32;

    explicit TWareForm(QWidget *parent = nullptr);

    // Shows the stock of the trading post of `city` (null: no city) and
    // returns true when closed with OK; then the rows have been stored, if
    // the city has a trading post. Without one the rows keep their text,
    // cannot be edited and nothing is stored. Never marks the document.
    bool Execute(RumoSzen *doc, CityRecord city);
    // Shows the coat of arms and the name of `city` again; called when the
    // city's owner changes.
    void Refresh(RumoSzen *doc, CityRecord city);

private:
    void btLeerenClick();

    static constexpr int Rows = 23;
    ListImage *picOwner_ = nullptr;
    QLabel *lbOwner_ = nullptr;
    std::array<AmountField *, Rows> rows_{};
    QPushButton *btOk_ = nullptr;
    QPushButton *btLeeren_ = nullptr;
    QPushButton *btCancel_ = nullptr;
};
