#pragma once

class QDialog;
class QLayout;
class QPushButton;

// The frame the stock and cargo dialogs share: the owner's arms and name on
// top, the goods in a grid, and the row "Alles leeren ... OK Abbruch" below.
// OK accepts the dialog and Abbruch rejects it; what "Alles leeren" does is
// the dialog's own.
struct GoodsDialogButtons {
    QPushButton *ok;
    QPushButton *empty;
    QPushButton *cancel;
};

// The buttons' captions come with retranslateGoodsDialog().
GoodsDialogButtons layOutGoodsDialog(QDialog *dialog, QLayout *header, QLayout *grid);
// Sets the buttons' captions in the current language.
void retranslateGoodsDialog(const GoodsDialogButtons &buttons);
