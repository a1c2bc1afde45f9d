#include "common/numerickeyfilter.h"

#include <QLineEdit>
#include <algorithm>

namespace {

// Digits only, after one leading minus when `signedField`.
bool wellFormed(const QString &text, bool signedField)
{
    QStringView digits(text);
    if (signedField && digits.startsWith(u'-'))
        digits = digits.mid(1);
    return std::all_of(digits.begin(), digits.end(),
                       [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The digits as a number; a number too long for 64 bits saturates, which
// lands it at the end of any range it is clamped into.
std::optional<qint64> parse(const QString &text)
{
    const bool negative = text.startsWith(QLatin1Char('-'));
    const QStringView digits = QStringView(text).mid(negative ? 1 : 0);
    if (digits.isEmpty())
        return std::nullopt;
    bool ok = false;
    const qint64 value = digits.toLongLong(&ok);
    if (!ok)
        return negative ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
    return negative ? -value : value;
}

} // namespace

NumericValidator::NumericValidator(qint64 min, qint64 max, QLineEdit *edit)
    : QValidator(edit), edit_(edit), min_(min), max_(std::max(min, max))
{
}

qint64 NumericValidator::clamp(qint64 value) const
{
    return std::clamp(value, min_, max_);
}

std::optional<qint64> NumericValidator::valueOf(const QString &text) const
{
    const QString trimmed = text.trimmed();
    if (!wellFormed(trimmed, min_ < 0))
        return std::nullopt;
    const std::optional<qint64> value = parse(trimmed);
    if (!value)
        return std::nullopt;
    return clamp(*value);
}

QValidator::State NumericValidator::validate(QString &input, int &) const
{
    if (!wellFormed(input, min_ < 0))
        return Invalid;
    const std::optional<qint64> value = parse(input);
    if (!value)
        return emptyValue_ ? Intermediate : Acceptable;
    return *value >= min_ && *value <= max_ ? Acceptable : Intermediate;
}

void NumericValidator::fixup(QString &input) const
{
    // Only what the user typed is corrected; a value the program showed
    // stays until the user changes it.
    if (!edit_->isModified())
        return;
    const std::optional<qint64> value = parse(input);
    if (value)
        input = QString::number(clamp(*value));
    else if (emptyValue_)
        input = QString::number(clamp(*emptyValue_));
}

NumericValidator *NumericKeyFilter::Install(QLineEdit *edit, qint64 min, qint64 max)
{
    // A validator checks every change, typed or pasted, where a key filter
    // would only see keys.
    auto *validator = new NumericValidator(min, max, edit);
    if (QObject *old = const_cast<QValidator *>(edit->validator()); old && old->parent() == edit)
        old->deleteLater();
    edit->setValidator(validator);
    return validator;
}

NumericValidator *NumericKeyFilter::Install(QLineEdit *edit, qint64 min, qint64 max,
                                            qint64 emptyValue)
{
    NumericValidator *validator = Install(edit, min, max);
    validator->setEmptyValue(emptyValue);
    return validator;
}

const NumericValidator *NumericKeyFilter::Of(const QLineEdit *edit)
{
    return qobject_cast<const NumericValidator *>(edit->validator());
}

std::optional<qint64> NumericKeyFilter::Settle(QLineEdit *edit)
{
    const NumericValidator *validator = Of(edit);
    const QString text = edit->text().trimmed();
    std::optional<qint64> value;
    if (validator) {
        value = validator->valueOf(text);
        if (!value && text.isEmpty() && validator->emptyValue())
            value = validator->clamp(*validator->emptyValue());
    } else if (wellFormed(text, true)) {
        value = parse(text);
    }
    if (value && QString::number(*value) != edit->text())
        edit->setText(QString::number(*value));
    return value;
}
