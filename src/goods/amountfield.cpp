#include "goods/amountfield.h"

#include "common/numbers.h"
#include "common/numerickeyfilter.h"
#include "common/updown.h"

#include <QHBoxLayout>
#include <QLineEdit>

AmountField::AmountField(const QString &editName, QWidget *parent) : QWidget(parent)
{
    edit_ = new QLineEdit(QStringLiteral("0"), this);
    edit_->setObjectName(editName);
    edit_->setAlignment(Qt::AlignRight);
    edit_->setFixedWidth(edit_->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
    NumericKeyFilter::Install(edit_);

    auto *upDown = new UpDown(edit_, 0, StepMax, this);
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

QString AmountField::text() const
{
    return edit_->text();
}

quint32 AmountField::TonsOf(const QString &text, quint32 maxTons)
{
    return ClampedDecimal(text, maxTons);
}
