#include "editor/widgets/amountfield.h"

#include "editor/widgets/numerickeyfilter.h"
#include "editor/widgets/updown.h"

#include <QHBoxLayout>
#include <QLineEdit>

AmountField::AmountField(const QString &editName, quint32 maxTons, QWidget *parent)
    : QWidget(parent)
{
    edit_ = new QLineEdit(QStringLiteral("0"), this);
    edit_->setObjectName(editName);
    edit_->setAlignment(Qt::AlignRight);
    edit_->setFixedWidth(edit_->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
    // An emptied edit shows 0 when left, the amount it stands for.
    NumericKeyFilter::install(edit_, 0, maxTons, 0);

    // The arrows step through the whole range of the field: arrows that
    // stopped at 100 would pull a larger stock down to 100 at the first
    // click up.
    auto *upDown = new UpDown(edit_, 0, int(maxTons), this);
    upDown->setObjectName(QStringLiteral("ud") + editName.mid(2));

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    row->addWidget(edit_);
    row->addWidget(upDown);
}

void AmountField::setTons(quint32 tons)
{
    edit_->setText(QString::number(tons));
}

quint32 AmountField::tons() const
{
    return quint32(NumericKeyFilter::Settle(edit_).value_or(0));
}

QString AmountField::text() const
{
    return edit_->text();
}
