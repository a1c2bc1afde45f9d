#include "editor/pages/tabsettings.h"

#include "core/document/rumoszen.h"
#include "editor/widgets/numerickeyfilter.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <limits>

namespace {

struct SwitchEntry {
    const char *button;
    const char *action;
    const char *picture; // ":/switches/<picture>-down.svg" and "-up.svg"
    ScenarioSettings::Switch bit;
    const char *hintDown; // untranslated, shown through tr()
    const char *hintUp;
};

// The switch buttons from left to right.
constexpr std::array<SwitchEntry, 6> Switches{{
    {"btnErz", "SwitchErz", "erz", ScenarioSettings::EndlessOre,
     QT_TRANSLATE_NOOP("TabSettings", "Große Erzvorkommen sind unerschöpflich"),
     QT_TRANSLATE_NOOP("TabSettings", "Große Erzvorkommen sind erschöpflich")},
    {"btnDuerren", "SwitchDuerren", "duerren", ScenarioSettings::NoDroughts,
     QT_TRANSLATE_NOOP("TabSettings", "Dürren sind nicht möglich"),
     QT_TRANSLATE_NOOP("TabSettings", "Dürren sind möglich")},
    {"btnPiraten", "SwitchPiraten", "piraten", ScenarioSettings::NoPirates,
     QT_TRANSLATE_NOOP("TabSettings", "Piraten erscheinen nicht wieder"),
     QT_TRANSLATE_NOOP("TabSettings", "Piraten erscheinen wieder")},
    {"btnVulkan", "SwitchVulkane", "vulkan", ScenarioSettings::NoVolcanoes,
     QT_TRANSLATE_NOOP("TabSettings", "Vulkane brechen nicht aus"),
     QT_TRANSLATE_NOOP("TabSettings", "Vulkane brechen aus")},
    {"btnHaendler", "SwitchHaendler", "haendler", ScenarioSettings::NoTrader,
     QT_TRANSLATE_NOOP("TabSettings", "Fliegender Händler erscheint nicht"),
     QT_TRANSLATE_NOOP("TabSettings", "Fliegender Händler erscheint")},
    {"btnWaffen", "SwitchWaffen", "waffen", ScenarioSettings::NoWeapons,
     QT_TRANSLATE_NOOP("TabSettings", "Militäroptionen aus"),
     QT_TRANSLATE_NOOP("TabSettings", "Militäroptionen ein")},
}};

// The order in which the main window lists the switch actions.
constexpr std::array<const char *, 6> ActionOrder{"SwitchPiraten", "SwitchDuerren",
                                                  "SwitchErz",     "SwitchHaendler",
                                                  "SwitchVulkane", "SwitchWaffen"};

// The button shows the "down" picture while its switch is on. Pictures that
// are not in the resources leave the icon empty.
QIcon switchIcon(const char *picture)
{
    QIcon icon;
    const QString base = QStringLiteral(":/switches/") + QLatin1String(picture);
    const QString down = base + QStringLiteral("-down.svg");
    const QString up = base + QStringLiteral("-up.svg");
    if (QFile::exists(down))
        icon.addFile(down, QSize(), QIcon::Normal, QIcon::On);
    if (QFile::exists(up))
        icon.addFile(up, QSize(), QIcon::Normal, QIcon::Off);
    return icon;
}

constexpr qint64 ByteMax = 255;
constexpr qint64 UnsignedMax = NumericKeyFilter::UnsignedMax;
// What an empty ship limit stands for.
constexpr qint64 DefaultShips = 33;

// The edit's number within its field's range (the edit then shows it), or
// `fallback` when it holds none.
qint64 WholeNumberOr(QLineEdit *edit, qint64 fallback)
{
    return NumericKeyFilter::Settle(edit).value_or(fallback);
}

QGroupBox *group(const char *name)
{
    auto *box = new QGroupBox;
    box->setObjectName(QLatin1String(name));
    return box;
}

// Adds a form row for `field` whose caption retranslateUi() sets.
void addRow(QFormLayout *form, QWidget *field)
{
    auto *label = new QLabel;
    label->setBuddy(field);
    form->addRow(label, field);
}
void addRow(QFormLayout *form, QLayout *field)
{
    form->addRow(new QLabel, field);
}

// Sets the caption of the form row that holds `field`.
template <typename Field> void setRowLabel(QFormLayout *form, Field *field, const QString &text)
{
    if (auto *label = qobject_cast<QLabel *>(form->labelForField(field)))
        label->setText(text);
}

} // namespace

TabSettings::TabSettings(QWidget *parent) : DocumentPage(parent)
{
    setObjectName(QStringLiteral("TabSettings"));

    // One column of groups at the top left; the stretches keep it from
    // spreading over a wide window.
    auto *column = new QVBoxLayout;
    column->addWidget(buildSwitches());
    column->addWidget(buildShips());
    column->addWidget(buildMission());
    column->addWidget(buildLevel());
    column->addWidget(buildCampaign());
    column->addWidget(buildScenarioName());
    column->addStretch(1);

    auto *page = new QHBoxLayout(this);
    page->addLayout(column);
    page->addStretch(1);

    retranslateUi();
}

void TabSettings::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    DocumentPage::changeEvent(event);
}

void TabSettings::retranslateUi()
{
    grpSchalter_->setTitle(tr("Schalter"));
    for (const SwitchControl &control : switches_)
        updateSwitchHint(control);

    gbSchiffe_->setTitle(tr("Schiffe"));
    setRowLabel(shipsForm_, editSchiffe_, tr("Maximale Anzahl Schiffe"));

    // The identifiers' own names, for the hidden groups.
    gbMission_->setTitle(tr("Mission"));
    setRowLabel(missionForm_, editMissNr_, tr("MissNr"));
    setRowLabel(missionForm_, editMissSubNr_, tr("MissSubNr"));
    setRowLabel(missionForm_, editGameId_, tr("GameId"));
    gbLevel_->setTitle(tr("Level"));
    setRowLabel(levelForm_, editTutorflg_, tr("Tutorflg"));
    setRowLabel(levelForm_, editCompLevel_, tr("CompLevel"));

    grpKampagne_->setTitle(tr("Kampagne"));
    cbKampagne_->setText(tr("Gehört zu Kampagne"));
    btnKampagne_->setText(tr("Kampagnen..."));
    setRowLabel(campaignForm_, campaignNumber_, tr("Nummer"));

    gbSzenName_->setTitle(tr("Szenario (nur bei Savegames)"));
    editSzenName_->setToolTip(tr("Name des Szenarios"));
}

QLineEdit *TabSettings::addNumberEdit(const char *name, int digits, qint64 max)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (digits + 2) +
                        12);
    // The hidden identifiers get the same validator: its range is what
    // keeps a number from losing its high bits in a narrow field.
    NumericKeyFilter::install(edit, 0, max);
    connect(edit, &QLineEdit::textChanged, this, &TabSettings::controlChanged);
    return edit;
}

QGroupBox *TabSettings::buildSwitches()
{
    auto *box = grpSchalter_ = group("grpSchalter");
    auto *row = new QHBoxLayout(box);
    for (std::size_t i = 0; i < Switches.size(); ++i) {
        const SwitchEntry &entry = Switches[i];
        SwitchControl &control = switches_[i];
        control.bit = entry.bit;
        control.hintDown = entry.hintDown;
        control.hintUp = entry.hintUp;

        // Each switch toggles on its own; none excludes another.
        control.action = new QAction(this);
        control.action->setObjectName(QLatin1String(entry.action));
        control.action->setCheckable(true);
        control.action->setIcon(switchIcon(entry.picture));
        connect(control.action, &QAction::toggled, this, [&control] { updateSwitchHint(control); });
        connect(control.action, &QAction::triggered, this, &TabSettings::controlChanged);

        auto *button = new QToolButton;
        button->setObjectName(QLatin1String(entry.button));
        button->setAutoRaise(true);
        button->setFixedSize(46, 45);
        button->setIconSize(QSize(36, 36));
        button->setDefaultAction(control.action);
        row->addWidget(button);
    }
    row->addStretch(1);
    return box;
}

QGroupBox *TabSettings::buildShips()
{
    auto *box = gbSchiffe_ = group("Schiffe");
    auto *form = shipsForm_ = new QFormLayout(box);
    editSchiffe_ = addNumberEdit("editSchiffe", 10, UnsignedMax);
    // An emptied field means the game's usual limit; the field says so as
    // soon as the user leaves it.
    NumericKeyFilter::install(editSchiffe_, 0, UnsignedMax, DefaultShips);
    editSchiffe_->setText(QStringLiteral("0"));
    addRow(form, editSchiffe_);
    return box;
}

// Mission and level identifiers are not offered for editing, but they stay
// on the page so that they travel through show and commit like the others.
QGroupBox *TabSettings::buildMission()
{
    auto *box = gbMission_ = group("GroupBox2");
    auto *form = missionForm_ = new QFormLayout(box);
    editMissNr_ = addNumberEdit("editMissNr", 3, ByteMax);
    editMissSubNr_ = addNumberEdit("editMissSubNr", 10, UnsignedMax);
    editGameId_ = addNumberEdit("editGameId", 10, UnsignedMax);
    for (QLineEdit *edit : {editMissNr_, editMissSubNr_, editGameId_})
        addRow(form, edit);
    box->hide();
    return box;
}

QGroupBox *TabSettings::buildLevel()
{
    auto *box = gbLevel_ = group("GroupBox3");
    auto *form = levelForm_ = new QFormLayout(box);
    editTutorflg_ = addNumberEdit("editTutorflg", 3, ByteMax);
    editCompLevel_ = addNumberEdit("editCompLevel", 3, ByteMax);
    for (QLineEdit *edit : {editTutorflg_, editCompLevel_})
        addRow(form, edit);
    box->hide();
    return box;
}

QGroupBox *TabSettings::buildCampaign()
{
    auto *box = grpKampagne_ = group("grpKampagne");
    auto *form = campaignForm_ = new QFormLayout(box);

    cbKampagne_ = new QCheckBox;
    cbKampagne_->setObjectName(QStringLiteral("cbKampagne"));
    connect(cbKampagne_, &QCheckBox::clicked, this, &TabSettings::cbKampagneClick);
    form->addRow(cbKampagne_);

    editKampagne_ = addNumberEdit("editKampagne", 6, std::numeric_limits<qint32>::max());
    btnKampagne_ = new QPushButton;
    btnKampagne_->setObjectName(QStringLiteral("btnKampagne"));
    connect(btnKampagne_, &QPushButton::clicked, this,
            [this] { emit campaignEditorRequested(editKampagne_->text()); });
    auto *number = new QHBoxLayout;
    number->addWidget(editKampagne_);
    number->addWidget(btnKampagne_);
    number->addStretch(1);
    campaignNumber_ = number;
    addRow(form, number);

    setCampaignControlsEnabled(false);
    return box;
}

QGroupBox *TabSettings::buildScenarioName()
{
    auto *box = gbSzenName_ = group("GroupBox21");
    auto *layout = new QVBoxLayout(box);
    editSzenName_ = new QLineEdit;
    editSzenName_->setObjectName(QStringLiteral("editSzenName"));
    editSzenName_->setReadOnly(true);
    layout->addWidget(editSzenName_);
    return box;
}

void TabSettings::updateSwitchHint(const SwitchControl &control)
{
    const QString hint = QCoreApplication::translate(
        "TabSettings", control.action->isChecked() ? control.hintDown : control.hintUp);
    control.action->setToolTip(hint);
    control.action->setStatusTip(hint);
}

void TabSettings::cbKampagneClick()
{
    setCampaignControlsEnabled(cbKampagne_->isChecked());
    emit controlChanged();
}

void TabSettings::setCampaignControlsEnabled(bool enabled)
{
    editKampagne_->setEnabled(enabled);
    btnKampagne_->setEnabled(enabled);
}

void TabSettings::attach(RumoSzen *doc)
{
    doc_ = doc;
    if (doc_)
        ShowSettings(*doc_);
}

void TabSettings::refresh()
{
    if (doc_)
        ShowSettings(*doc_);
}

void TabSettings::commit()
{
    if (doc_)
        CommitSettings(*doc_);
}

void TabSettings::ShowSettings(RumoSzen &doc)
{
    const ScenarioSettings settings = doc.settings();
    editSchiffe_->setText(QString::number(settings.maxShips()));
    editMissSubNr_->setText(QString::number(settings.missionSubNumber()));
    editGameId_->setText(QString::number(settings.gameId()));
    editMissNr_->setText(QString::number(settings.missionNumber()));
    editTutorflg_->setText(QString::number(settings.tutorFlag()));
    editCompLevel_->setText(QString::number(settings.computerLevel()));

    const int campaign = doc.CampaignNumber();
    const bool member = campaign >= 0;
    cbKampagne_->setChecked(member);
    editKampagne_->setText(member ? QString::number(campaign) : QString());
    setCampaignControlsEnabled(member);

    for (const SwitchControl &control : switches_)
        control.action->setChecked(settings.isSet(control.bit));

    editSzenName_->setText(doc.scenarioName());
    shown_.rememberAll(this);
}

void TabSettings::CommitSettings(RumoSzen &doc)
{
    // Only what the user changed is written: the record keeps every value
    // the page merely showed, whatever the page would make of it.
    ScenarioSettings settings = doc.settings();
    if (shown_.changed(editSchiffe_))
        settings.setMaxShips(quint32(WholeNumberOr(editSchiffe_, DefaultShips)));
    if (shown_.changed(editMissNr_))
        settings.setMissionNumber(quint8(WholeNumberOr(editMissNr_, 0)));
    if (shown_.changed(editTutorflg_))
        settings.setTutorFlag(quint8(WholeNumberOr(editTutorflg_, 0)));
    if (shown_.changed(editCompLevel_))
        settings.setComputerLevel(quint8(WholeNumberOr(editCompLevel_, 0)));
    if (shown_.changed(editMissSubNr_))
        settings.setMissionSubNumber(quint32(WholeNumberOr(editMissSubNr_, 0)));
    if (shown_.changed(editGameId_))
        settings.setGameId(quint32(WholeNumberOr(editGameId_, 0)));
    // Each switch owns exactly its bit.
    for (const SwitchControl &control : switches_)
        settings.setSwitch(control.bit, control.action->isChecked());

    if (shown_.anyChanged({cbKampagne_, editKampagne_})) {
        // The number edit's range is that of the file's int32.
        const int campaign = cbKampagne_->isChecked() ? int(WholeNumberOr(editKampagne_, 0)) : -1;
        doc.setCampaignNumber(campaign);
    }
    // The record now holds what the page shows.
    shown_.rememberAll(this);
}

QList<QAction *> TabSettings::switchActions() const
{
    QList<QAction *> actions;
    for (const char *name : ActionOrder)
        for (const SwitchControl &control : switches_)
            if (control.action->objectName() == QLatin1String(name))
                actions.append(control.action);
    return actions;
}

QString TabSettings::campaignNumberText() const
{
    return editKampagne_->text();
}
