#include "editor/pages/tabspieler.h"

#include "core/common/messages.h"
#include "core/document/rumoszen.h"
#include "editor/app/prompts.h"
#include "editor/goods/tfreiform.h"
#include "editor/pages/grouppicturerow.h"
#include "editor/widgets/leveltrackbar.h"
#include "editor/widgets/numerickeyfilter.h"
#include "editor/widgets/playercolouricon.h"
#include "editor/widgets/svgpixmap.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>
#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr QSize ThumbSize(57, 61);

// The level text as the user types it: either decimal separator, blanks
// around it allowed.
std::optional<double> parseLevel(QString text)
{
    text = text.trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Track bar position 100..500 to the stored level 0..128 and back.
quint8 levelOfPosition(int position)
{
    return quint8((position - 100) * 32 / 100);
}
int positionOfLevel(quint8 level)
{
    return 100 + level * 100 / 32;
}

QGroupBox *group(const char *title)
{
    return new QGroupBox(QString::fromUtf8(title));
}

// The counters and inhabitant thresholds are 16-bit fields.
constexpr qint64 CounterMax = 0xFFFF;

// The edit's number within its range (the edit then shows it); 0 when it
// holds none.
qint64 numberOf(QLineEdit *edit)
{
    return NumericKeyFilter::Settle(edit).value_or(0);
}

} // namespace

TabSpieler::TabSpieler(QWidget *parent) : DocumentPage(parent)
{
    setObjectName(QStringLiteral("TabSpieler"));
    for (int i = 0; i < int(thumbs_.size()); ++i)
        thumbs_[size_t(i)] = SvgPixmap(QStringLiteral(":/thumbs/%1.svg").arg(i), ThumbSize);

    freiForm_ = new TFreiForm(this);
    connect(freiForm_, &TFreiForm::controlChanged, this, &TabSpieler::changed);

    tabs_ = new QTabBar;
    tabs_->setObjectName(QStringLiteral("SpielerTabControl"));
    tabs_->setExpanding(false);
    for (int slot = 0; slot < PlayerRecord::Count; ++slot)
        tabs_->addTab(QStringLiteral("Spieler %1").arg(slot + 1));
    connect(tabs_, &QTabBar::currentChanged, this, &TabSpieler::SpielerTabControlChange);

    auto *counters = new QGridLayout;
    counters->addWidget(
        buildCounterPair("Denkmäler", {"editDenkanz", "Erhalten", PlayerRecord::MonumentsReceived},
                         {"editDenkbauanz", "Gebaut", PlayerRecord::MonumentsBuilt}),
        0, 0);
    counters->addWidget(
        buildCounterPair("Triumphbögen",
                         {"editTriumphanz", "Erhalten", PlayerRecord::ArchesReceived},
                         {"editTriumphbauanz", "Gebaut", PlayerRecord::ArchesBuilt}),
        0, 1);
    counters->addWidget(
        buildCounterPair("Soldaten",
                         {"editKillsoldatanz", "Besiegt", PlayerRecord::SoldiersDefeated},
                         {"editLosssoldatanz", "Verloren", PlayerRecord::SoldiersLost}),
        1, 0);
    counters->addWidget(buildCounterPair("Schiffe",
                                         {"editKillshipanz", "Versenkt", PlayerRecord::ShipsSunk},
                                         {"editLossshipanz", "Gesunken", PlayerRecord::ShipsLost}),
                        1, 1);

    auto *left = new QVBoxLayout;
    left->addWidget(buildGeneral());
    left->addLayout(counters);
    left->addWidget(buildBuildings());
    left->addWidget(buildUnlocked());
    left->addStretch(1);

    auto *right = new QVBoxLayout;
    right->addWidget(buildMoodA());
    right->addWidget(buildMoodB());
    right->addWidget(buildGoods());
    right->addStretch(1);

    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 0);
    columns->addLayout(right, 1);

    auto *page = new QVBoxLayout(this);
    page->addWidget(tabs_);
    page->addLayout(columns, 1);
}

QLineEdit *TabSpieler::numberEdit(const char *name, qint64 min, qint64 max)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12);
    NumericKeyFilter::Install(edit, min, max);
    connect(edit, &QLineEdit::textChanged, this, &TabSpieler::changed);
    return edit;
}

QGroupBox *TabSpieler::buildGeneral()
{
    auto *box = group("Allgemeines");
    auto *form = new QFormLayout(box);

    editName_ = new QLineEdit;
    editName_->setObjectName(QStringLiteral("editName"));
    editName_->setMaxLength(PlayerRecord::NameChars);
    connect(editName_, &QLineEdit::textChanged, this, &TabSpieler::changed);

    comboKind_ = new QComboBox;
    comboKind_->setObjectName(QStringLiteral("comboKind"));
    for (int item = 0; item < PlayerKind::Count; ++item)
        comboKind_->addItem(PlayerKind::Name(item));
    connect(comboKind_, &QComboBox::currentIndexChanged, this, &TabSpieler::changed);

    comboPlayerColor_ = new QComboBox;
    comboPlayerColor_->setObjectName(QStringLiteral("comboPlayerColor"));
    for (int code = 0; code < PlayerColour::Count; ++code)
        comboPlayerColor_->addItem(PlayerColourIcon(code), PlayerColour::Name(code));
    connect(comboPlayerColor_, &QComboBox::currentIndexChanged, this, &TabSpieler::changed);

    // The balance may be negative, so its edit takes a leading minus: every
    // balance the page shows can be typed back.
    editMoney_ = numberEdit("editMoney", std::numeric_limits<qint32>::min(),
                            std::numeric_limits<qint32>::max());

    form->addRow(QStringLiteral("Name"), editName_);
    form->addRow(QStringLiteral("Art"), comboKind_);
    form->addRow(QStringLiteral("Farbe"), comboPlayerColor_);
    form->addRow(QStringLiteral("Konto"), editMoney_);
    return box;
}

QGroupBox *TabSpieler::buildCounterPair(const char *title, const CounterSpec &first,
                                        const CounterSpec &second)
{
    auto *box = group(title);
    auto *form = new QFormLayout(box);
    for (const CounterSpec *entry : {&first, &second}) {
        QLineEdit *edit = numberEdit(entry->name, 0, CounterMax);
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
        form->addRow(QString::fromUtf8(entry->label), edit);
        counters_.append({edit, entry->counter});
    }
    return box;
}

QGroupBox *TabSpieler::buildBuildings()
{
    auto *box = group("Errichtete Bauten");
    auto *row = new QHBoxLayout(box);
    cbSchlossbau_ = new QCheckBox(QStringLiteral("Schloss"));
    cbSchlossbau_->setObjectName(QStringLiteral("cbSchlossbau"));
    cbKathedralebau_ = new QCheckBox(QStringLiteral("Kathedrale"));
    cbKathedralebau_->setObjectName(QStringLiteral("cbKathedralebau"));
    for (QCheckBox *check : {cbSchlossbau_, cbKathedralebau_}) {
        connect(check, &QCheckBox::toggled, this, &TabSpieler::changed);
        row->addWidget(check);
    }
    row->addStretch(1);
    return box;
}

void TabSpieler::buildLevelGoal(LevelGoal &goal, const char *check, const QString &caption,
                                const char *bar, const char *edit, const char *label,
                                const char *thumb)
{
    goal.check = new QCheckBox(caption);
    goal.check->setObjectName(QLatin1String(check));
    goal.bar = new LevelTrackBar;
    goal.bar->setObjectName(QLatin1String(bar));
    goal.bar->setMinimumWidth(220);
    goal.edit = new QLineEdit;
    goal.edit->setObjectName(QLatin1String(edit));
    goal.edit->setMaximumWidth(
        goal.edit->fontMetrics().horizontalAdvance(QStringLiteral("00,000")) + 12);
    goal.label1 = new QLabel(QStringLiteral("Stufe"));
    goal.label1->setObjectName(QLatin1String(label) + QLatin1Char('1'));
    goal.label1->setBuddy(goal.edit);
    goal.label2 = new QLabel(QStringLiteral("BGRUPPE"));
    goal.label2->setObjectName(QLatin1String(label) + QLatin1Char('2'));
    goal.label2->setVisible(false);
    goal.thumb = new QLabel;
    goal.thumb->setObjectName(QLatin1String(thumb));
    goal.thumb->setFixedSize(ThumbSize);
    goal.thumb->setProperty("picture", -1);

    connect(goal.bar, &QSlider::valueChanged, this, [this, &goal] { levelBarChanged(goal); });
    connect(goal.edit, &QLineEdit::textChanged, this, [this, &goal] { levelEditChanged(goal); });
    connect(goal.edit, &QLineEdit::editingFinished, this,
            [this, &goal] { levelEditFinished(goal); });
    connect(goal.check, &QCheckBox::toggled, this, [this, &goal] { levelCheckClicked(goal); });
}

QGroupBox *TabSpieler::buildMoodA()
{
    auto *box = group("Stimmungsbeeinflussung A");
    goalMin_.towardsMax = false;
    buildLevelGoal(goalMin_, "cbBgruppmin",
                   QStringLiteral("er selbst unter eine Entwicklungsstufe fällt:"), "tbBgruppmin",
                   "editBgruppmin", "lbBgruppmin", "imDaumen1");
    goalMaxHuman_.towardsMax = true;
    buildLevelGoal(goalMaxHuman_, "cbBgruppmaxhuman",
                   QStringLiteral("der Spieler eine Entwicklungsstufe erreicht:"),
                   "tbBgruppmaxhuman", "editBgruppmaxhuman", "lbBgruppmaxhuman", "imDaumen2");
    // The goal of A2 starts at the right end, so that its empty band sits there.
    goalMin_.bar->setValue(100);
    goalMaxHuman_.bar->setValue(500);
    setLevelText(goalMin_, 1.0);

    auto *grid = new QGridLayout(box);
    grid->setColumnMinimumWidth(0, 16);
    grid->setColumnStretch(1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Der Computerspieler wird sauer, wenn...")), 0, 0, 1,
                    6);
    int row = 1;
    for (LevelGoal *goal : {&goalMin_, &goalMaxHuman_}) {
        grid->addWidget(goal->check, row++, 0, 1, 6);
        grid->addWidget(goal->bar, row, 1);
        grid->addWidget(goal->label1, row, 2);
        grid->addWidget(goal->edit, row, 3);
        grid->addWidget(goal->label2, row, 4);
        grid->addWidget(goal->thumb, row, 5);
        ++row;
        applyLevelEnabled(*goal);
    }
    // Across the indent and the label column, so that the outer pictures are
    // not cut where they reach beyond the ends of the bar.
    grid->addWidget(new GroupPictureRow(goalMaxHuman_.bar), row, 0, 1, 3);
    return box;
}

QGroupBox *TabSpieler::buildMoodB()
{
    auto *box = group("Stimmungsbeeinflussung B");
    auto *grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("Der Computerspieler erklärt den Krieg, wenn...")), 0,
                    0, 1, 4);

    cbWohnmin_ = new QCheckBox(QStringLiteral("er selbst weniger als "));
    cbWohnmin_->setObjectName(QStringLiteral("cbWohnmin"));
    editWohnmin_ = numberEdit("editWohnmin", 0, CounterMax);
    cbHumanwohnmax_ = new QCheckBox(QStringLiteral("der Spieler mehr als "));
    cbHumanwohnmax_->setObjectName(QStringLiteral("cbHumanwohnmax"));
    editHumanwohnmax_ = numberEdit("editHumanwohnmax", 0, CounterMax);

    int row = 1;
    for (auto [check, edit] :
         {std::pair{cbWohnmin_, editWohnmin_}, std::pair{cbHumanwohnmax_, editHumanwohnmax_}}) {
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
        edit->setEnabled(false);
        connect(check, &QCheckBox::toggled, this, [this, edit, check] {
            edit->setEnabled(check->isChecked());
            changed();
        });
        grid->addWidget(check, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(new QLabel(QStringLiteral("Einwohner hat.")), row, 2);
        ++row;
    }
    grid->setColumnStretch(3, 1);
    return box;
}

QGroupBox *TabSpieler::buildUnlocked()
{
    auto *box = group("Freigeschaltete Gebäude");
    auto *row = new QHBoxLayout(box);
    auto *show = new QPushButton(QStringLiteral("Anzeigen..."));
    show->setObjectName(QStringLiteral("Button1"));
    connect(show, &QPushButton::clicked, this, [this] {
        freiForm_->show();
        freiForm_->raise();
        freiForm_->activateWindow();
    });
    row->addWidget(show);
    row->addStretch(1);
    return box;
}

QGroupBox *TabSpieler::buildGoods()
{
    auto *box = group("Waren");
    auto *row = new QHBoxLayout(box);
    struct ButtonSpec {
        const char *name;
        const char *caption;
        void (RumoSzen::*empty)(int);
        QString (*message)();
    };
    for (const ButtonSpec &entry :
         {ButtonSpec{"btKontoreleeren", "Kontore leeren", &RumoSzen::EmptyTradingPostsOf,
                     &msg::playerPostsEmptied},
          ButtonSpec{"btSchiffeleeren", "Schiffe leeren", &RumoSzen::EmptyShipsOf,
                     &msg::playerShipsEmptied},
          ButtonSpec{"btKarrenleeren", "Karren leeren", &RumoSzen::EmptyCartsOf,
                     &msg::playerCartsEmptied}}) {
        auto *button = new QPushButton(QString::fromUtf8(entry.caption));
        button->setObjectName(QLatin1String(entry.name));
        connect(button, &QPushButton::clicked, this,
                [this, entry] { emptyGoods(entry.empty, entry.message()); });
        row->addWidget(button);
    }
    row->addStretch(1);
    return box;
}

void TabSpieler::Attach(RumoSzen *doc)
{
    doc_ = doc;
    if (!doc_)
        return;
    // A new document starts on the first player; nothing of the old tab is
    // written into it.
    {
        const QSignalBlocker blocker(tabs_);
        tabs_->setCurrentIndex(0);
    }
    shownSlot_ = 0;
    FillPage(0);
}

void TabSpieler::Commit()
{
    StorePage(shownSlot_);
}

void TabSpieler::SpielerTabControlChange(int index)
{
    StorePage(shownSlot_);
    shownSlot_ = index;
    FillPage(index);
}

void TabSpieler::changed()
{
    if (!filling_)
        emit controlChanged();
}

void TabSpieler::FillPage(int slot)
{
    if (!doc_ || slot < 0 || slot >= PlayerRecord::Count)
        return;
    const bool wasModified = doc_->IsModified();
    filling_ = true;
    const PlayerRecord player = doc_->players().player(slot);

    editMoney_->setText(QString::number(player.money()));
    comboKind_->setCurrentIndex(PlayerKind::ItemOf(player.kind()).value_or(-1));
    comboPlayerColor_->setCurrentIndex(player.colour() < PlayerColour::Count ? player.colour()
                                                                             : -1);
    editName_->setText(player.name());
    for (const auto &[edit, counter] : counters_)
        edit->setText(QString::number(player.counter(counter)));
    cbSchlossbau_->setChecked(player.castleBuilt());
    cbKathedralebau_->setChecked(player.cathedralBuilt());

    const quint32 moods = player.moods();
    editWohnmin_->setText(QString::number(player.counter(PlayerRecord::OwnInhabitantsMin)));
    cbWohnmin_->setChecked(moods & PlayerRecord::WarOnOwnInhabitants);
    editWohnmin_->setEnabled(cbWohnmin_->isChecked());
    editHumanwohnmax_->setText(QString::number(player.counter(PlayerRecord::HumanInhabitantsMax)));
    cbHumanwohnmax_->setChecked(moods & PlayerRecord::WarOnHumanInhabitants);
    editHumanwohnmax_->setEnabled(cbHumanwohnmax_->isChecked());

    fillLevel(goalMin_, player.levelMin(), moods & PlayerRecord::AngryBelowLevel);
    fillLevel(goalMaxHuman_, player.levelMaxHuman(), moods & PlayerRecord::AngryOnHumanLevel);

    freiForm_->SetFlags(player.unlockedBuildings());
    shown_.rememberAll(this);

    filling_ = false;
    if (doc_->IsModified() != wasModified)
        doc_->SetModified(wasModified);
}

void TabSpieler::fillLevel(LevelGoal &goal, quint8 level, bool on)
{
    // The bar stops at 500, but the edit shows the level the record holds,
    // so that a byte beyond the last group stays visible. The edit then
    // moves the bar to its two-decimal value.
    goal.bar->setValue(positionOfLevel(level));
    setLevelText(goal, level / 32.0 + 1);
    goal.check->setChecked(on);
    applyLevelEnabled(goal);
}

void TabSpieler::StorePage(int slot)
{
    if (!doc_ || slot < 0 || slot >= PlayerRecord::Count)
        return;
    PlayerRecord player = doc_->players().player(slot);

    // Each field is written only when the user changed its control: a
    // record may hold what no control shows exactly (a kind or colour
    // without an item, a building flag of 2, a level between two positions
    // of the bar, a name the page cannot spell), and showing it must not
    // change it.
    if (shown_.changed(editMoney_))
        player.setMoney(qint32(numberOf(editMoney_)));
    // Without a selection the kind that the record holds stays.
    if (shown_.changed(comboKind_) && comboKind_->currentIndex() >= 0)
        player.setKind(PlayerKind::Code(comboKind_->currentIndex()));
    if (shown_.changed(comboPlayerColor_)) {
        const int colour = comboPlayerColor_->currentIndex();
        player.setColour(colour >= 0 ? quint8(colour) : quint8(255));
    }
    if (shown_.changed(editName_))
        player.setName(editName_->text());
    for (const auto &[edit, counter] : counters_)
        if (shown_.changed(edit))
            player.setCounter(counter, quint16(numberOf(edit)));
    if (shown_.changed(cbSchlossbau_))
        player.setCastleBuilt(cbSchlossbau_->isChecked());
    if (shown_.changed(cbKathedralebau_))
        player.setCathedralBuilt(cbKathedralebau_->isChecked());
    if (shown_.changed(editHumanwohnmax_))
        player.setCounter(PlayerRecord::HumanInhabitantsMax, quint16(numberOf(editHumanwohnmax_)));
    if (shown_.changed(editWohnmin_))
        player.setCounter(PlayerRecord::OwnInhabitantsMin, quint16(numberOf(editWohnmin_)));

    // Each box owns exactly its bit; the other bits stay.
    quint32 moods = player.moods() & ~PlayerRecord::MoodMask;
    if (cbHumanwohnmax_->isChecked())
        moods |= PlayerRecord::WarOnHumanInhabitants;
    if (cbWohnmin_->isChecked())
        moods |= PlayerRecord::WarOnOwnInhabitants;
    if (goalMin_.check->isChecked())
        moods |= PlayerRecord::AngryBelowLevel;
    if (goalMaxHuman_.check->isChecked())
        moods |= PlayerRecord::AngryOnHumanLevel;
    player.setMoods(moods);

    // The bar cannot stand between two of its positions, nor beyond 500:
    // the level goes through it only once the user moved it or typed a level.
    if (shown_.anyChanged({goalMin_.bar, goalMin_.edit}))
        player.setLevelMin(levelOfPosition(goalMin_.bar->value()));
    if (shown_.anyChanged({goalMaxHuman_.bar, goalMaxHuman_.edit}))
        player.setLevelMaxHuman(levelOfPosition(goalMaxHuman_.bar->value()));
    player.setUnlockedBuildings(freiForm_->Flags());

    // What the page shows is now what the record holds.
    if (slot == shownSlot_)
        shown_.rememberAll(this);
}

void TabSpieler::setLevelText(LevelGoal &goal, double groups)
{
    goal.edit->setText(QLocale().toString(groups, 'f', 2));
}

void TabSpieler::levelBarChanged(LevelGoal &goal)
{
    updateBand(goal);
    // While the user types, the edit keeps the typed text; it takes the
    // bar's two-decimal form when the typing ends.
    if (!(goal.editMovesBar && goal.edit->hasFocus())) {
        goal.barWritesEdit = true;
        setLevelText(goal, goal.bar->value() / 100.0);
        goal.barWritesEdit = false;
    }
    updateThumb(goal);
    changed();
}

void TabSpieler::levelEditChanged(LevelGoal &goal)
{
    if (goal.barWritesEdit)
        return;
    const std::optional<double> value = parseLevel(goal.edit->text());
    if (!value)
        return;
    // Rounded, so that every text the bar writes leads back to its own
    // position and the two controls settle at once.
    const int position = qRound(qBound(-1e6, *value * 100, 1e6));
    goal.editMovesBar = true;
    goal.bar->setValue(position);
    goal.editMovesBar = false;
    updateThumb(goal);
    changed();
}

void TabSpieler::levelEditFinished(LevelGoal &goal)
{
    if (!parseLevel(goal.edit->text()))
        return;
    const QString shown = QLocale().toString(goal.bar->value() / 100.0, 'f', 2);
    if (goal.edit->text() != shown) {
        goal.barWritesEdit = true;
        goal.edit->setText(shown);
        goal.barWritesEdit = false;
    }
}

void TabSpieler::levelCheckClicked(LevelGoal &goal)
{
    applyLevelEnabled(goal);
    changed();
}

void TabSpieler::applyLevelEnabled(LevelGoal &goal)
{
    const bool on = goal.check->isChecked();
    for (QWidget *control :
         {static_cast<QWidget *>(goal.bar), static_cast<QWidget *>(goal.edit),
          static_cast<QWidget *>(goal.label1), static_cast<QWidget *>(goal.label2)})
        control->setEnabled(on);
    updateBand(goal);
    updateThumb(goal);
}

void TabSpieler::updateBand(LevelGoal &goal)
{
    LevelTrackBar *bar = goal.bar;
    const bool on = goal.check->isChecked();
    if (goal.towardsMax)
        bar->setSelection(on ? bar->value() : bar->maximum(), bar->maximum());
    else
        bar->setSelection(bar->minimum(), on ? bar->value() : bar->minimum());
}

void TabSpieler::updateThumb(LevelGoal &goal)
{
    if (!goal.check->isChecked()) {
        goal.thumb->clear();
        goal.thumb->setProperty("picture", -1);
        return;
    }
    // Seven pictures over the bar's range, from the thumb pointing down (0)
    // to the thumb pointing up (6); A2 runs the other way.
    const LevelTrackBar *bar = goal.bar;
    const int step = (bar->maximum() - bar->minimum()) / 7;
    int index = qMin((bar->value() - bar->minimum()) / step, 6);
    if (goal.towardsMax)
        index = 6 - index;
    goal.thumb->setPixmap(thumbs_[size_t(index)]);
    goal.thumb->setProperty("picture", index);
}

void TabSpieler::emptyGoods(void (RumoSzen::*empty)(int), const QString &message)
{
    if (!doc_)
        return;
    (doc_->*empty)(tabs_->currentIndex());
    Prompts::Current().Message(this, message);
    emit controlChanged();
}
