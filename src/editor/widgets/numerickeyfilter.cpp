#include "editor/widgets/numerickeyfilter.h"

#include "core/common/numbers.h"

#include <QLineEdit>
#include <algorithm>

namespace {

// Digits only, after one leading minus when `signedField`.
bool wellFormed(QStringView text, bool signedField)
{
    if (signedField && text.startsWith(u'-'))
        text = text.mid(1);
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Digits, perhaps after a minus, as a number; a number too long for 64 bits
// saturates, which lands it at the end of any range it is clamped into.
std::optional<qint64> parseDigits(QStringView text)
{
    const bool negative = text.startsWith(u'-');
    const QStringView digits = text.mid(negative ? 1 : 0);
    if (digits.isEmpty())
        return std::nullopt;
    bool ok = false;
    const qint64 value = digits.toLongLong(&ok);
    if (!ok)
        return negative ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
    return negative ? -value : value;
}

// Beside the typed digits this reads every form the program itself may have
// put into an edit: a sign, blanks around, "$" or "0x" for hexadecimal.
std::optional<qint64> readNumber(const QString &text, qint64 min, qint64 max)
{
    std::optional<qint64> value = ParseWholeNumber(text);
    if (!value && wellFormed(QStringView(text).trimmed(), true))
        value = parseDigits(QStringView(text).trimmed());
    if (!value)
        return std::nullopt;
    return std::clamp(*value, min, max);
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
    return readNumber(text, min_, max_);
}

QValidator::State NumericValidator::validate(QString &input, int &) const
{
    if (!wellFormed(input, min_ < 0))
        return Invalid;
    const std::optional<qint64> value = parseDigits(input);
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
    if (const std::optional<qint64> value = parseDigits(input))
        input = QString::number(clamp(*value));
    else if (emptyValue_)
        input = QString::number(clamp(*emptyValue_));
}

NumericValidator *NumericKeyFilter::install(QLineEdit *edit, qint64 min, qint64 max)
{
    // A validator checks every change, typed or pasted, where a key filter
    // would only see keys.
    auto *validator = new NumericValidator(min, max, edit);
    if (const QValidator *old = edit->validator(); old && old->parent() == edit)
        const_cast<QValidator *>(old)->deleteLater();
    edit->setValidator(validator);
    return validator;
}

NumericValidator *NumericKeyFilter::install(QLineEdit *edit, qint64 min, qint64 max,
                                            qint64 emptyValue)
{
    NumericValidator *validator = install(edit, min, max);
    validator->setEmptyValue(emptyValue);
    return validator;
}

const NumericValidator *NumericKeyFilter::of(const QLineEdit *edit)
{
    return qobject_cast<const NumericValidator *>(edit->validator());
}

std::optional<qint64> NumericKeyFilter::Settle(QLineEdit *edit)
{
    const NumericValidator *validator = of(edit);
    std::optional<qint64> value;
    if (!validator) {
        value = readNumber(edit->text(), std::numeric_limits<qint64>::min(),
                           std::numeric_limits<qint64>::max());
    } else {
        value = validator->valueOf(edit->text());
        if (!value && edit->text().trimmed().isEmpty() && validator->emptyValue())
            value = validator->clamp(*validator->emptyValue());
    }
    // What the user is typing stays as typed (the edit is read with every
    // change of it); leaving the edit pulls it into the range.
    if (value && QString::number(*value) != edit->text() &&
        !edit->property(TypingProperty).toBool())
        edit->setText(QString::number(*value));
    return value;
}
