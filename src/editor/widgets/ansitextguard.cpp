#include "editor/widgets/ansitextguard.h"

#include "core/common/ansitext.h"
#include "core/common/messages.h"

#include <QCoreApplication>
#include <QEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolTip>
#include <QValidator>

namespace {

// The characters of `text` that Windows-1252 cannot hold, each once.
QStringList refusedIn(QStringView text)
{
    QStringList refused;
    ansi::encodable(text, &refused);
    return refused;
}

// Watches one field: refuses typed characters and tells the user why.
class Guard : public QObject {
public:
    explicit Guard(QWidget *field) : QObject(field), field_(field), toolTip_(field->toolTip())
    {
        field->installEventFilter(this);
    }

    // The characters of `text` that were replaced, and by what, told.
    void tellReplaced(QStringView text)
    {
        QList<std::pair<QString, QString>> replacements;
        for (const QString &character : refusedIn(text))
            replacements.append({character, ansi::encodable(character)});
        tell(msg::charactersReplaced(replacements));
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress: {
            const QString typed = static_cast<QKeyEvent *>(event)->text();
            if (ansi::canEncode(typed))
                return false;
            tell(msg::charactersRefused(refusedIn(typed)));
            return true;
        }
        case QEvent::InputMethod: {
            // What an input method composed reaches the field without the
            // characters it cannot take.
            auto *input = static_cast<QInputMethodEvent *>(event);
            if (ansi::canEncode(input->commitString()))
                return false;
            const QStringList refused = refusedIn(input->commitString());
            QString kept = input->commitString();
            for (const QString &character : refused)
                kept.remove(character);
            QInputMethodEvent filtered(input->preeditString(), input->attributes());
            filtered.setCommitString(kept, input->replacementStart(), input->replacementLength());
            QCoreApplication::sendEvent(field_, &filtered);
            tell(msg::charactersRefused(refused));
            return true;
        }
        case QEvent::FocusOut:
            if (told_) {
                field_->setToolTip(toolTip_);
                told_ = false;
            }
            return false;
        default:
            return false;
        }
    }

private:
    void tell(const QString &message)
    {
        field_->setToolTip(message);
        told_ = true;
        QToolTip::showText(field_->mapToGlobal(QPoint(0, field_->height())), message, field_);
    }

    QWidget *field_;
    // The field's own tooltip, back when the user leaves the field.
    QString toolTip_;
    bool told_ = false;
};

// A line edit validates every change, typed, pasted or dropped; what reaches
// it here is not typed (the guard refused that) and is replaced.
class AnsiValidator : public QValidator {
public:
    AnsiValidator(Guard *guard, QObject *parent) : QValidator(parent), guard_(guard) {}

    State validate(QString &input, int &pos) const override
    {
        if (ansi::canEncode(input))
            return Acceptable;
        guard_->tellReplaced(input);
        pos = int(ansi::encodable(QStringView(input).left(pos)).size());
        input = ansi::encodable(input);
        return Acceptable;
    }

private:
    Guard *guard_;
};

} // namespace

namespace AnsiTextGuard {

void install(QLineEdit *field)
{
    auto *guard = new Guard(field);
    field->setValidator(new AnsiValidator(guard, field));
}

void install(QPlainTextEdit *field)
{
    auto *guard = new Guard(field);
    // Pasted or dropped text is in the document before this hears of it; the
    // replacement joins the same edit, so the field's own undo takes back
    // both at once.
    QObject::connect(field, &QPlainTextEdit::textChanged, guard, [field, guard] {
        const QString text = field->toPlainText();
        if (ansi::canEncode(text))
            return;
        QTextCursor cursor(field->document());
        cursor.joinPreviousEditBlock();
        // From the end, so that the places before stay where they are.
        for (qsizetype end = text.size(); end > 0;) {
            qsizetype start = end - 1;
            if (start > 0 && text[start].isLowSurrogate() && text[start - 1].isHighSurrogate())
                --start;
            const QStringView character = QStringView(text).sliced(start, end - start);
            if (!ansi::canEncode(character)) {
                cursor.setPosition(int(start));
                cursor.setPosition(int(end), QTextCursor::KeepAnchor);
                cursor.insertText(ansi::encodable(character));
            }
            end = start;
        }
        cursor.endEditBlock();
        guard->tellReplaced(text);
    });
}

} // namespace AnsiTextGuard
