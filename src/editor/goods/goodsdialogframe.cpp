#include "editor/goods/goodsdialogframe.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

GoodsDialogButtons layOutGoodsDialog(QDialog *dialog, QLayout *header, QLayout *grid)
{
    auto button = [dialog](const char *name) {
        auto *b = new QPushButton(dialog);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    const GoodsDialogButtons buttons{button("btOk"), button("btLeeren"), button("btCancel")};
    buttons.ok->setDefault(true);
    auto *row = new QHBoxLayout;
    row->addWidget(buttons.empty);
    row->addStretch(1);
    row->addWidget(buttons.ok);
    row->addWidget(buttons.cancel);

    auto *layout = new QVBoxLayout(dialog);
    layout->addLayout(header);
    layout->addSpacing(4);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QObject::connect(buttons.ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return buttons;
}

void retranslateGoodsDialog(const GoodsDialogButtons &buttons)
{
    buttons.ok->setText(QCoreApplication::translate("GoodsDialogFrame", "OK"));
    buttons.empty->setText(QCoreApplication::translate("GoodsDialogFrame", "Alles leeren"));
    buttons.cancel->setText(QCoreApplication::translate("GoodsDialogFrame", "Abbruch"));
}
