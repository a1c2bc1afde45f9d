#include "goods/amountfield.h"

#include "common/numerickeyfilter.h"
#include "common/updown.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <algorithm>

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
    QStringView digits = QStringView(text).trimmed();
    bool negative = false;
    if (!digits.isEmpty() && (digits.front() == u'+' || digits.front() == u'-')) {
        negative = digits.front() == u'-';
        digits = digits.mid(1);
    }
    const bool number = !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) {
        return c >= u'0' && c <= u'9';
    });
    if (!number || negative)
        return 0;
    // Leading zeros aside, more than ten digits is beyond every limit.
    while (digits.size() > 1 && digits.front() == u'0')
        digits = digits.mid(1);
    if (digits.size() > 10)
        return maxTons;
    return quint32(std::min<qulonglong>(digits.toULongLong(), maxTons));
}
