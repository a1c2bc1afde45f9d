#pragma once

#include <QValidator>
#include <limits>
#include <optional>

class QLineEdit;

// What a numeric edit accepts: digits only, with a leading minus only when
// the field's range goes below zero. Typing or pasting anything else is
// refused as a whole. A number outside the range may stand while the user
// types (so that 150 can be typed into a 100..200 field); when the user
// leaves the edit or presses Return it is pulled into the range and the edit
// shows the result at once. Text the program put there (a stored value beyond
// the range) is left as it is until the user edits it.
class NumericValidator : public QValidator {
    Q_OBJECT

public:
    NumericValidator(qint64 min, qint64 max, QLineEdit *edit);

    qint64 minimum() const { return min_; }
    qint64 maximum() const { return max_; }
    // The number an emptied edit turns into when the user leaves it; none
    // leaves it empty (the page then stores its own default).
    void setEmptyValue(std::optional<qint64> value) { emptyValue_ = value; }
    std::optional<qint64> emptyValue() const { return emptyValue_; }

    // `value` pulled into min..max.
    qint64 clamp(qint64 value) const;
    // The text as a number of this field, pulled into the range; nothing
    // when it holds no number. Beside digits this reads the forms the
    // program itself may have put there: a sign, blanks, "$" or "0x".
    std::optional<qint64> valueOf(const QString &text) const;

    State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;

private:
    QLineEdit *edit_;
    qint64 min_;
    qint64 max_;
    std::optional<qint64> emptyValue_;
};

// The one way to make a line edit numeric.
class NumericKeyFilter {
public:
    static constexpr qint64 UnsignedMax = std::numeric_limits<quint32>::max();
    // Set on an edit while what the user is typing there is read: Settle
    // then leaves its text as typed.
    static constexpr const char *TypingProperty = "typing";

    // Installs a NumericValidator for min..max on `edit` (replacing any
    // validator it had) and returns it.
    static NumericValidator *install(QLineEdit *edit, qint64 min = 0, qint64 max = UnsignedMax);
    // The same; an emptied edit shows `emptyValue` when the user leaves it.
    static NumericValidator *install(QLineEdit *edit, qint64 min, qint64 max, qint64 emptyValue);

    // The validator installed on `edit`, nullptr when it is no numeric edit.
    static const NumericValidator *of(const QLineEdit *edit);

    // The edit's number, pulled into its range; when that changes the text
    // the program put there, the edit shows the result (so what is stored is
    // what the user sees). Text that the user is typing stays until the user
    // leaves the edit, which pulls it into the range. An emptied edit gives its
    // empty value, if it has one. Nothing when the edit holds no number. An
    // edit without a numeric validator is read over the whole qint64 range.
    static std::optional<qint64> Settle(QLineEdit *edit);
};
