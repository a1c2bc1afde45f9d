#include "editor/app/editrecorder.h"

#include "core/document/rumoszen.h"
#include "editor/app/stepnames.h"
#include "editor/widgets/numerickeyfilter.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextEdit>
#include <QUndoStack>
#include <utility>

namespace {

// A field whose typing is one step from entering to leaving it.
bool isTextField(const QWidget *widget)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(widget))
        return !line->isReadOnly();
    if (const auto *plain = qobject_cast<const QPlainTextEdit *>(widget))
        return !plain->isReadOnly();
    if (const auto *rich = qobject_cast<const QTextEdit *>(widget))
        return !rich->isReadOnly();
    return false;
}

// The input that shows which control the user works in.
bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::ContextMenu:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

} // namespace

EditRecorder::EditRecorder(QWidget *window, std::function<void()> commit)
    : QObject(window), window_(window), commit_(std::move(commit))
{
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &EditRecorder::focusChanged);
}

EditRecorder::~EditRecorder()
{
    qApp->removeEventFilter(this);
}

void EditRecorder::setDocument(RumoSzen *doc)
{
    doc_ = doc;
    enter(nullptr);
    lastInput_ = nullptr;
}

void EditRecorder::controlChanged(const QString &named)
{
    if (!doc_ || quiet_)
        return;
    // Changes that come with typing (a level typed moves its bar too) are
    // part of the typing.
    if (field_ && textOf(field_) != fieldText_) {
        record();
        return;
    }
    record(named.isEmpty() ? StepNames::of(lastInput_) : named);
    lastInput_ = nullptr;
}

void EditRecorder::record(const QString &text)
{
    if (!doc_ || quiet_)
        return;
    const bool typing = field_ && textOf(field_) != fieldText_;
    QUndoStack *stack = doc_->undoStack();
    // The typing's step carries its key as its id; later pieces merge into
    // it as long as it is on top.
    const bool stepOnTop =
        stack->index() > 0 && stack->command(stack->index() - 1)->id() == typing_;
    if (typing && stepOnTop && textOf(field_) == startText_) {
        // Typing that came back to where it began takes its step away: undone,
        // the step puts back every byte the typing wrote (a record's bytes
        // behind a name's end included), and it leaves nothing to redo.
        stack->undo();
        auto *nothing = new QUndoCommand;
        nothing->setObsolete(true);
        stack->push(nothing);
    }
    if (typing)
        field_->setProperty(NumericKeyFilter::TypingProperty, true);
    commitPages();
    if (typing)
        field_->setProperty(NumericKeyFilter::TypingProperty, QVariant());
    if (typing) {
        if (doc_->recordChanges(StepNames::of(field_), typing_))
            typed_ = true;
    } else {
        doc_->recordChanges(text);
    }
    fieldText_ = textOf(field_);
}

void EditRecorder::endTyping()
{
    enter(nullptr);
}

bool EditRecorder::fieldTakesKey(const QWidget *field, bool back) const
{
    if (!field || field != field_ || !typed_)
        return false;
    if (const auto *line = qobject_cast<const QLineEdit *>(field))
        return back ? line->isUndoAvailable() : line->isRedoAvailable();
    const QTextDocument *text = nullptr;
    if (const auto *plain = qobject_cast<const QPlainTextEdit *>(field))
        text = plain->document();
    else if (const auto *rich = qobject_cast<const QTextEdit *>(field))
        text = rich->document();
    return text && (back ? text->isUndoAvailable() : text->isRedoAvailable());
}

EditRecorder::Quiet::Quiet(EditRecorder &recorder)
    : recorder_(recorder), was_(std::exchange(recorder.quiet_, true))
{
}

EditRecorder::Quiet::~Quiet()
{
    recorder_.quiet_ = was_;
    // What a filled field shows is no typing.
    recorder_.fieldText_ = textOf(recorder_.field_);
}

bool EditRecorder::eventFilter(QObject *watched, QEvent *event)
{
    if (!isInput(event->type()) || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    // An event that a child left passes its parents too; the child is the
    // control.
    if (lastInput_ && lastInput_ != widget && widget->isAncestorOf(lastInput_))
        return false;
    if (QWidget *field = fieldOf(widget); field != field_)
        enter(field);
    lastInput_ = widget;
    return false;
}

void EditRecorder::focusChanged(QWidget *, QWidget *now)
{
    // The focus going nowhere (another application, a menu) leaves the
    // field as it was; going to another control leaves it.
    if (now && field_ && fieldOf(now) != field_)
        enter(nullptr);
}

void EditRecorder::enter(QWidget *field)
{
    field_ = field;
    ++typing_;
    fieldText_ = startText_ = textOf(field);
    typed_ = false;
}

QString EditRecorder::textOf(const QWidget *field)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(field))
        return line->text();
    if (const auto *plain = qobject_cast<const QPlainTextEdit *>(field))
        return plain->toPlainText();
    if (const auto *rich = qobject_cast<const QTextEdit *>(field))
        return rich->toPlainText();
    return QString();
}

QWidget *EditRecorder::fieldOf(QWidget *widget) const
{
    // Up through the windows too: a field's context menu is a window of its
    // own whose parent is the field.
    for (QWidget *w = widget; w && w != window_; w = w->parentWidget()) {
        if (isTextField(w))
            return w->window() == window_ ? w : nullptr;
    }
    return nullptr;
}

void EditRecorder::commitPages()
{
    // What the commit shows in the controls (a number pulled into its range)
    // is none of the user's edits.
    const Quiet quiet(*this);
    commit_();
}
