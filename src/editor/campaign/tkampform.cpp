#include "editor/campaign/tkampform.h"

#include "core/campaign/gametextcodec.h"
#include "core/common/messages.h"
#include "core/common/numbers.h"
#include "core/game/gamepath.h"
#include "editor/widgets/ansitextguard.h"
#include "editor/widgets/prompts.h"
#include "editor/widgets/updown.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

TKampForm::TKampForm(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("KampForm"));
    auto *form = form_ = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    numberField_ = makeNumberField();
    auto *numberLabel = new QLabel(this);
    numberLabel->setBuddy(editKampnr_);
    form->addRow(numberLabel, numberField_);
    form->addItem(new QSpacerItem(0, 4, QSizePolicy::Minimum, QSizePolicy::Fixed));
    for (int k = 0; k < LinesPerEntry; ++k) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("editKamp%1").arg(k + 1));
        AnsiTextGuard::install(edit);
        form->addRow(QStringLiteral("%1.").arg(k + 1), edit);
        lines_[size_t(k)] = edit;
    }

    auto *save = save_ = new QPushButton(this);
    save->setObjectName(QStringLiteral("btnKampSave"));
    connect(save, &QPushButton::clicked, this, &TKampForm::save);
    auto *close = close_ = new QPushButton(this);
    close->setObjectName(QStringLiteral("Button1"));
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    // Escape closes the window like a dialog's cancel button.
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::hide);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(buttons);
    resize(480, 260);

    // Every change of the number shows its entry, whether typed, stepped or
    // set by the program.
    connect(editKampnr_, &QLineEdit::textChanged, this, &TKampForm::showEntry);
    retranslateUi();
}

void TKampForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void TKampForm::retranslateUi()
{
    setWindowTitle(tr("Installierte Kampagnen"));
    if (auto *label = qobject_cast<QLabel *>(form_->labelForField(numberField_)))
        label->setText(tr("Kampagne Nr."));
    save_->setText(tr("Speichern"));
    close_->setText(tr("Schließen"));
}

QWidget *TKampForm::makeNumberField()
{
    auto *field = new QWidget(this);
    editKampnr_ = new QLineEdit(QStringLiteral("0"), field);
    editKampnr_->setObjectName(QStringLiteral("editKampnr"));
    editKampnr_->setFixedWidth(
        editKampnr_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 14);
    editKampnr_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    // The up-down reads whatever the edit holds, so a number typed beyond its
    // range steps back into it; it also steps with the arrow keys and the
    // wheel.
    upDown_ = new UpDown(editKampnr_, 0, NumberMax, field);
    upDown_->setObjectName(QStringLiteral("UpDown1"));

    auto *row = new QHBoxLayout(field);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    row->addWidget(editKampnr_);
    row->addWidget(upDown_);
    row->addStretch(1);
    return field;
}

void TKampForm::open(const QString &number)
{
    show();
    raise();
    activateWindow();
    editKampnr_->setFocus();

    list_.reset();
    Result<QStringList> loaded = GameTextCodec::loadCampaignList(GamePath());
    if (!loaded) {
        Prompts::current().message(this, loaded.error());
        return;
    }
    list_ = std::move(loaded).value();
    // The same text again changes nothing, so it would not show the entry
    // of the list just loaded.
    if (editKampnr_->text() == number)
        showEntry();
    else
        editKampnr_->setText(number);
}

std::optional<qsizetype> TKampForm::chosenEntry() const
{
    const std::optional<qint64> n = ParseWholeNumber(editKampnr_->text());
    if (!list_ || !n || *n < 0 || *n >= list_->size() / LinesPerEntry)
        return std::nullopt;
    return qsizetype(*n);
}

void TKampForm::showEntry()
{
    for (QLineEdit *edit : lines_)
        edit->clear();
    if (!list_)
        return;
    // No integer or a negative one names no entry; the number stays as typed
    // so the user can correct it.
    const std::optional<qint64> n = ParseWholeNumber(editKampnr_->text());
    if (!n || *n < 0)
        return;

    const qsizetype entries = list_->size() / LinesPerEntry;
    if (*n < entries) {
        for (int k = 0; k < LinesPerEntry; ++k)
            lines_[size_t(k)]->setText(list_->at(*n * LinesPerEntry + k));
        fitLines();
        // A line still too long for its field shows its beginning, not its
        // end.
        for (QLineEdit *line : lines_) {
            if (line->fontMetrics().horizontalAdvance(line->text()) > line->width() - 16)
                line->setCursorPosition(0);
        }
    } else {
        // Beyond the last entry: the last one, or no number when there is none.
        // The new text shows its entry through the change signal.
        editKampnr_->setText(entries > 0 ? QString::number(entries - 1) : QString());
    }
}

// Wide enough for the longest line of the entry, within the screen; the
// window only grows, so stepping through the entries does not make it jump.
void TKampForm::fitLines()
{
    int widest = 0;
    for (const QLineEdit *line : lines_)
        widest = std::max(widest, line->fontMetrics().horizontalAdvance(line->text()));
    layout()->activate();
    // Beside the text a line edit needs room for its frame and margins.
    const int wanted = width() - lines_[0]->width() + widest + 16;
    int limit = wanted;
    if (const QScreen *shown = screen())
        limit = shown->availableGeometry().width() * 9 / 10;
    if (wanted > width())
        resize(std::min(wanted, limit), height());
}

void TKampForm::save()
{
    if (!list_)
        return;
    const std::optional<qsizetype> entry = chosenEntry();
    if (!entry) {
        Prompts::current().message(this, msg::noCampaignEntry());
        return;
    }

    QStringList updated = *list_;
    for (int k = 0; k < LinesPerEntry; ++k)
        updated[*entry * LinesPerEntry + k] = lines_[size_t(k)]->text();
    if (const Result<void> stored = GameTextCodec::storeCampaignList(GamePath(), updated);
        !stored) {
        Prompts::current().message(this, stored.error());
        return;
    }
    // The list follows the file: a failed store keeps it as it was, while the
    // fields still hold the edits for another try.
    list_ = std::move(updated);
}
