#include "editor/pages/tabspieler.h"

#include "core/common/messages.h"
#include "core/document/rumoszen.h"
#include "editor/goods/tfreiform.h"
#include "editor/pages/grouppicturerow.h"
#include "editor/widgets/ansitextguard.h"
#include "editor/widgets/fillguard.h"
#include "editor/widgets/leveltrackbar.h"
#include "editor/widgets/numerickeyfilter.h"
#include "editor/widgets/playercolouricon.h"
#include "editor/widgets/prompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

namespace {

// The counters by pairs: each pair a group with two rows.
struct CounterPair {
    const char *title;
    std::array<const char *, 2> names;
    std::array<const char *, 2> labels;
    std::array<PlayerRecord::Counter, 2> counters;
};
const std::array<CounterPair, 4> CounterPairs{{
    {QT_TRANSLATE_NOOP("TabSpieler", "Denkmäler"),
     {"editDenkanz", "editDenkbauanz"},
     {QT_TRANSLATE_NOOP("TabSpieler", "Erhalten"), QT_TRANSLATE_NOOP("TabSpieler", "Gebaut")},
     {PlayerRecord::MonumentsReceived, PlayerRecord::MonumentsBuilt}},
    {QT_TRANSLATE_NOOP("TabSpieler", "Triumphbögen"),
     {"editTriumphanz", "editTriumphbauanz"},
     {QT_TRANSLATE_NOOP("TabSpieler", "Erhalten"), QT_TRANSLATE_NOOP("TabSpieler", "Gebaut")},
     {PlayerRecord::ArchesReceived, PlayerRecord::ArchesBuilt}},
    {QT_TRANSLATE_NOOP("TabSpieler", "Soldaten"),
     {"editKillsoldatanz", "editLosssoldatanz"},
     {QT_TRANSLATE_NOOP("TabSpieler", "Besiegt"), QT_TRANSLATE_NOOP("TabSpieler", "Verloren")},
     {PlayerRecord::SoldiersDefeated, PlayerRecord::SoldiersLost}},
    {QT_TRANSLATE_NOOP("TabSpieler", "Schiffe"),
     {"editKillshipanz", "editLossshipanz"},
     {QT_TRANSLATE_NOOP("TabSpieler", "Versenkt"), QT_TRANSLATE_NOOP("TabSpieler", "Gesunken")},
     {PlayerRecord::ShipsSunk, PlayerRecord::ShipsLost}},
}};

// The buttons that empty the player's goods.
struct EmptyButton {
    const char *name;
    const char *caption;
    void (RumoSzen::*empty)(int);
    QString (*message)();
};
const std::array<EmptyButton, 3> EmptyButtons{{
    {"btKontoreleeren", QT_TRANSLATE_NOOP("TabSpieler", "Kontore leeren"),
     &RumoSzen::emptyTradingPostsOf, &msg::playerPostsEmptied},
    {"btSchiffeleeren", QT_TRANSLATE_NOOP("TabSpieler", "Schiffe leeren"), &RumoSzen::emptyShipsOf,
     &msg::playerShipsEmptied},
    {"btKarrenleeren", QT_TRANSLATE_NOOP("TabSpieler", "Karren leeren"), &RumoSzen::emptyCartsOf,
     &msg::playerCartsEmptied},
}};

QString translated(const char *text)
{
    return QCoreApplication::translate("TabSpieler", text);
}

// Adds a form row for `field` whose caption retranslateUi() sets.
void addRow(QFormLayout *form, QWidget *field)
{
    auto *label = new QLabel;
    label->setBuddy(field);
    form->addRow(label, field);
}

// Sets the caption of the form row that holds `field`.
void setRowLabel(QFormLayout *form, QWidget *field, const QString &text)
{
    if (auto *label = qobject_cast<QLabel *>(form->labelForField(field)))
        label->setText(text);
}

void setRowLabel(QWidget *field, const QString &text)
{
    if (auto *form = qobject_cast<QFormLayout *>(field->parentWidget()->layout()))
        setRowLabel(form, field, text);
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

    freiForm_ = new TFreiForm(this);
    connect(freiForm_, &TFreiForm::controlChanged, this, &TabSpieler::changed);

    tabs_ = new QTabBar;
    tabs_->setObjectName(QStringLiteral("SpielerTabControl"));
    tabs_->setExpanding(false);
    for (int slot = 0; slot < PlayerRecord::Count; ++slot)
        tabs_->addTab(QString());
    connect(tabs_, &QTabBar::currentChanged, this, &TabSpieler::SpielerTabControlChange);

    auto *counters = new QGridLayout;
    for (int pair = 0; pair < int(CounterPairs.size()); ++pair)
        counters->addWidget(buildCounterPair(pair), pair / 2, pair % 2);

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

    retranslateUi();
}

void TabSpieler::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    DocumentPage::changeEvent(event);
}

void TabSpieler::retranslateUi()
{
    for (int slot = 0; slot < tabs_->count(); ++slot)
        tabs_->setTabText(slot, tr("Spieler %1").arg(slot + 1));

    gbGeneral_->setTitle(tr("Allgemeines"));
    setRowLabel(generalForm_, editName_, tr("Name"));
    setRowLabel(generalForm_, comboKind_, tr("Art"));
    setRowLabel(generalForm_, comboPlayerColor_, tr("Farbe"));
    setRowLabel(generalForm_, editMoney_, tr("Konto"));
    // The items' texts only: the selection, and with it the record, stays.
    for (int item = 0; item < comboKind_->count(); ++item)
        comboKind_->setItemText(item, PlayerKind::Name(item));
    for (int code = 0; code < comboPlayerColor_->count(); ++code)
        comboPlayerColor_->setItemText(code, PlayerColour::Name(code));

    for (int pair = 0; pair < int(CounterPairs.size()); ++pair) {
        const CounterPair &entry = CounterPairs[size_t(pair)];
        gbCounters_[size_t(pair)]->setTitle(translated(entry.title));
        for (int k = 0; k < 2; ++k)
            setRowLabel(counters_[pair * 2 + k].first, translated(entry.labels[size_t(k)]));
    }

    gbBuildings_->setTitle(tr("Errichtete Bauten"));
    cbSchlossbau_->setText(tr("Schloss"));
    cbKathedralebau_->setText(tr("Kathedrale"));

    gbMoodA_->setTitle(tr("Stimmungsbeeinflussung A"));
    moodAIntro_->setText(tr("Der Computerspieler wird sauer, wenn..."));
    goalMin_->retranslate(tr("er selbst unter eine Entwicklungsstufe fällt:"));
    goalMaxHuman_->retranslate(tr("der Spieler eine Entwicklungsstufe erreicht:"));

    gbMoodB_->setTitle(tr("Stimmungsbeeinflussung B"));
    moodBIntro_->setText(tr("Der Computerspieler erklärt den Krieg, wenn..."));
    cbWohnmin_->setText(tr("er selbst weniger als "));
    cbHumanwohnmax_->setText(tr("der Spieler mehr als "));
    for (QLabel *label : inhabitantsLabels_)
        label->setText(tr("Einwohner hat."));

    gbUnlocked_->setTitle(tr("Freigeschaltete Gebäude"));
    showUnlocked_->setText(tr("Anzeigen..."));

    gbGoods_->setTitle(tr("Waren"));
    for (size_t k = 0; k < EmptyButtons.size(); ++k)
        emptyButtons_[k]->setText(translated(EmptyButtons[k].caption));
}

QLineEdit *TabSpieler::numberEdit(const char *name, qint64 min, qint64 max)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12);
    NumericKeyFilter::install(edit, min, max);
    connect(edit, &QLineEdit::textChanged, this, &TabSpieler::changed);
    return edit;
}

QGroupBox *TabSpieler::buildGeneral()
{
    auto *box = gbGeneral_ = new QGroupBox;
    auto *form = generalForm_ = new QFormLayout(box);

    editName_ = new QLineEdit;
    editName_->setObjectName(QStringLiteral("editName"));
    editName_->setMaxLength(PlayerRecord::NameChars);
    AnsiTextGuard::install(editName_);
    connect(editName_, &QLineEdit::textChanged, this, &TabSpieler::changed);

    comboKind_ = new QComboBox;
    comboKind_->setObjectName(QStringLiteral("comboKind"));
    for (int item = 0; item < PlayerKind::Count; ++item)
        comboKind_->addItem(QString());
    connect(comboKind_, &QComboBox::currentIndexChanged, this, &TabSpieler::changed);

    comboPlayerColor_ = new QComboBox;
    comboPlayerColor_->setObjectName(QStringLiteral("comboPlayerColor"));
    for (int code = 0; code < PlayerColour::Count; ++code)
        comboPlayerColor_->addItem(playerColourIcon(code), QString());
    connect(comboPlayerColor_, &QComboBox::currentIndexChanged, this, &TabSpieler::changed);

    // The balance may be negative, so its edit takes a leading minus: every
    // balance the page shows can be typed back.
    editMoney_ = numberEdit("editMoney", std::numeric_limits<qint32>::min(),
                            std::numeric_limits<qint32>::max());

    for (QWidget *field :
         {static_cast<QWidget *>(editName_), static_cast<QWidget *>(comboKind_),
          static_cast<QWidget *>(comboPlayerColor_), static_cast<QWidget *>(editMoney_)})
        addRow(form, field);
    return box;
}

QGroupBox *TabSpieler::buildCounterPair(int pair)
{
    const CounterPair &entry = CounterPairs[size_t(pair)];
    auto *box = gbCounters_[size_t(pair)] = new QGroupBox;
    auto *form = new QFormLayout(box);
    for (size_t k = 0; k < 2; ++k) {
        QLineEdit *edit = numberEdit(entry.names[k], 0, CounterMax);
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
        addRow(form, edit);
        counters_.append({edit, entry.counters[k]});
    }
    return box;
}

QGroupBox *TabSpieler::buildBuildings()
{
    auto *box = gbBuildings_ = new QGroupBox;
    auto *row = new QHBoxLayout(box);
    cbSchlossbau_ = new QCheckBox;
    cbSchlossbau_->setObjectName(QStringLiteral("cbSchlossbau"));
    cbKathedralebau_ = new QCheckBox;
    cbKathedralebau_->setObjectName(QStringLiteral("cbKathedralebau"));
    for (QCheckBox *check : {cbSchlossbau_, cbKathedralebau_}) {
        connect(check, &QCheckBox::toggled, this, &TabSpieler::changed);
        row->addWidget(check);
    }
    row->addStretch(1);
    return box;
}

QGroupBox *TabSpieler::buildMoodA()
{
    auto *box = gbMoodA_ = new QGroupBox;
    goalMin_ = new LevelGoalRow(false, "cbBgruppmin", "tbBgruppmin", "editBgruppmin", "lbBgruppmin",
                                "imDaumen1", this);
    goalMaxHuman_ = new LevelGoalRow(true, "cbBgruppmaxhuman", "tbBgruppmaxhuman",
                                     "editBgruppmaxhuman", "lbBgruppmaxhuman", "imDaumen2", this);
    for (LevelGoalRow *goal : {goalMin_, goalMaxHuman_})
        connect(goal, &LevelGoalRow::changed, this, &TabSpieler::changed);

    auto *grid = new QGridLayout(box);
    grid->setColumnMinimumWidth(0, 16);
    grid->setColumnStretch(1, 1);
    moodAIntro_ = new QLabel;
    grid->addWidget(moodAIntro_, 0, 0, 1, 6);
    int row = 1;
    for (const LevelGoalRow *goal : {goalMin_, goalMaxHuman_})
        row = goal->addTo(grid, row);
    // Across the indent and the label column, so that the outer pictures are
    // not cut where they reach beyond the ends of the bar.
    grid->addWidget(new GroupPictureRow(goalMaxHuman_->bar()), row, 0, 1, 3);
    return box;
}

QGroupBox *TabSpieler::buildMoodB()
{
    auto *box = gbMoodB_ = new QGroupBox;
    auto *grid = new QGridLayout(box);
    moodBIntro_ = new QLabel;
    grid->addWidget(moodBIntro_, 0, 0, 1, 4);

    cbWohnmin_ = new QCheckBox;
    cbWohnmin_->setObjectName(QStringLiteral("cbWohnmin"));
    editWohnmin_ = numberEdit("editWohnmin", 0, CounterMax);
    cbHumanwohnmax_ = new QCheckBox;
    cbHumanwohnmax_->setObjectName(QStringLiteral("cbHumanwohnmax"));
    editHumanwohnmax_ = numberEdit("editHumanwohnmax", 0, CounterMax);

    int row = 1;
    for (auto [check, edit] :
         {std::pair{cbWohnmin_, editWohnmin_}, std::pair{cbHumanwohnmax_, editHumanwohnmax_}}) {
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
        edit->setEnabled(false);
        connect(check, &QCheckBox::toggled, this, [this, edit = edit, check = check] {
            edit->setEnabled(check->isChecked());
            changed();
        });
        grid->addWidget(check, row, 0);
        grid->addWidget(edit, row, 1);
        inhabitantsLabels_[size_t(row - 1)] = new QLabel;
        grid->addWidget(inhabitantsLabels_[size_t(row - 1)], row, 2);
        ++row;
    }
    grid->setColumnStretch(3, 1);
    return box;
}

QGroupBox *TabSpieler::buildUnlocked()
{
    auto *box = gbUnlocked_ = new QGroupBox;
    auto *row = new QHBoxLayout(box);
    auto *show = showUnlocked_ = new QPushButton;
    show->setObjectName(QStringLiteral("Button1"));
    connect(show, &QPushButton::clicked, this, [this] {
        // The first time beside the main window where the screen has room,
        // else below the player tabs at the window's right edge: the tabs
        // stay in view and another player can be chosen while the window is
        // open. Afterwards it opens where the user left it.
        if (!freiForm_->isVisible() && !freiPlaced_) {
            freiForm_->adjustSize();
            const QPoint below = tabs_->mapToGlobal(QPoint(0, tabs_->height() + 8));
            const QRect main = window()->frameGeometry();
            const int width = freiForm_->frameGeometry().width();
            const QScreen *shown = window()->screen();
            if (shown && main.right() + 8 + width <= shown->availableGeometry().right())
                freiForm_->move(main.right() + 8, below.y());
            else
                freiForm_->move(std::max(below.x(), main.right() - width), below.y());
            freiPlaced_ = true;
        }
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
    auto *box = gbGoods_ = new QGroupBox;
    auto *row = new QHBoxLayout(box);
    for (size_t k = 0; k < EmptyButtons.size(); ++k) {
        const EmptyButton &entry = EmptyButtons[k];
        auto *button = emptyButtons_[k] = new QPushButton;
        button->setObjectName(QLatin1String(entry.name));
        connect(button, &QPushButton::clicked, this, [this, button, entry] {
            stepBy(button);
            emptyGoods(entry.empty, entry.message());
        });
        row->addWidget(button);
    }
    row->addStretch(1);
    return box;
}

void TabSpieler::attach(RumoSzen *doc)
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
    fillPage(0);
}

void TabSpieler::refresh()
{
    if (doc_)
        fillPage(shownSlot_);
}

void TabSpieler::commit()
{
    storePage(shownSlot_);
}

void TabSpieler::SpielerTabControlChange(int index)
{
    storePage(shownSlot_);
    shownSlot_ = index;
    fillPage(index);
}

void TabSpieler::changed()
{
    if (!filling_)
        emit controlChanged();
}

void TabSpieler::fillPage(int slot)
{
    if (!doc_ || slot < 0 || slot >= PlayerRecord::Count)
        return;
    const FillGuard guard(doc_, filling_);
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

    goalMin_->fill(player.levelMin(), moods & PlayerRecord::AngryBelowLevel);
    goalMaxHuman_->fill(player.levelMaxHuman(), moods & PlayerRecord::AngryOnHumanLevel);

    freiForm_->setFlags(player.unlockedBuildings());
    shown_.rememberAll(this);
}

void TabSpieler::storePage(int slot)
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
    if (goalMin_->isOn())
        moods |= PlayerRecord::AngryBelowLevel;
    if (goalMaxHuman_->isOn())
        moods |= PlayerRecord::AngryOnHumanLevel;
    player.setMoods(moods);

    // The bar cannot stand between two of its positions, nor beyond 500:
    // the level goes through it only once the user moved it or typed a level.
    if (goalMin_->changedSince(shown_))
        player.setLevelMin(goalMin_->level());
    if (goalMaxHuman_->changedSince(shown_))
        player.setLevelMaxHuman(goalMaxHuman_->level());
    player.setUnlockedBuildings(freiForm_->Flags());

    // What the page shows is now what the record holds.
    if (slot == shownSlot_)
        shown_.rememberAll(this);
}

void TabSpieler::emptyGoods(void (RumoSzen::*empty)(int), const QString &message)
{
    if (!doc_)
        return;
    (doc_->*empty)(tabs_->currentIndex());
    Prompts::current().message(this, message);
    emit controlChanged();
}
