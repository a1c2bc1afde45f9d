#pragma once

#include "core/islands/cityrecord.h"

#include <QDialog>
#include <array>

class AmountField;
class ListImage;
class QGroupBox;
class QLabel;
class QPushButton;
class RumoSzen;

// "Warenlager": the stock of the trading post of a city, in whole tons, one
// row for each of the 23 goods. Modal and reused; OK writes the changed rows
// into the trading post, "Abbruch" leaves it alone.
class TWareForm : public QDialog {
    Q_OBJECT

public:
    // A stock amount is 32 bits of 1/32 ton.
    static constexpr quint32 MaxTons = 0xFFFFFFFFu / 32;

    explicit TWareForm(QWidget *parent = nullptr);

    // Shows the stock of the trading post of `city` and, on OK, stores the
    // rows the user changed. True when that changed the trading post (the
    // caller then marks the document). A city without a trading post gets a
    // message instead of the dialog; without a city nothing is shown. Never
    // marks the document itself.
    bool execute(RumoSzen *doc, CityRecord city);
    // Shows the coat of arms and the name of `city` again; called when the
    // city's owner changes.
    void refresh(RumoSzen *doc, CityRecord city);

protected:
    void changeEvent(QEvent *event) override;

private:
    void btLeerenClick();
    void retranslateUi();

    static constexpr int Rows = 23;
    // The goods' groups, captioned with their names.
    std::array<QGroupBox *, Rows> groups_{};
    ListImage *picOwner_ = nullptr;
    QLabel *lbOwner_ = nullptr;
    std::array<AmountField *, Rows> rows_{};
    // The tons each row showed when the dialog opened.
    std::array<quint32, Rows> shown_{};
    // "Alles leeren" was clicked since: rows at 0 are stored even where they
    // showed 0, so fractions below a ton go too.
    bool emptied_ = false;
    QPushButton *btOk_ = nullptr;
    QPushButton *btLeeren_ = nullptr;
    QPushButton *btCancel_ = nullptr;
};
