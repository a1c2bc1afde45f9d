#include "players/tabauftraege.h"

#include "common/numbers.h"
#include "common/numerickeyfilter.h"
#include "document/rumoszen.h"
#include "goods/goodstable.h"
#include "players/missionrecord.h"
#include "players/playercolouricon.h"
#include "players/playerrecord.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Memo1 holds at most this many characters, a line break counting as the two
// characters CR LF that the record stores.
constexpr int MemoChars = 2048;

// The player slots that have a defeat flag on the page; slot 4 keeps its byte.
constexpr std::array<int, 5> DefeatSlots{0, 1, 2, 3, 5};

const char *const SlotButtonNames[] = {"sbRot", "sbBlau", "sbGelb", "sbWeiss"};

// Keeps a check box that is not part of a group box over a placeholder
// inside it: the check box switches the group box with everything in it, so
// it cannot be one of its children, yet it reads as the sentence's first word.
class OverlayFollower : public QObject {
public:
    OverlayFollower(QCheckBox *check, QWidget *placeholder, QWidget *box)
        : QObject(check), check_(check), placeholder_(placeholder)
    {
        placeholder->installEventFilter(this);
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
            follow();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void follow()
    {
        const QPoint at = placeholder_->mapTo(check_->parentWidget(), QPoint(0, 0));
        check_->setGeometry(QRect(at, placeholder_->size()));
        check_->raise();
    }

    QCheckBox *check_;
    QWidget *placeholder_;
};

QWidget *placeholderFor(QCheckBox *check)
{
    auto *placeholder = new QWidget;
    placeholder->setFixedSize(check->sizeHint());
    return placeholder;
}

// One line of a goal: the widgets side by side, the rest of the line empty.
QHBoxLayout *line(std::initializer_list<QWidget *> widgets)
{
    auto *row = new QHBoxLayout;
    for (QWidget *widget : widgets)
        row->addWidget(widget);
    row->addStretch(1);
    return row;
}

QGroupBox *groupBox(const char *name, const QString &title)
{
    auto *box = new QGroupBox(title);
    box->setObjectName(QLatin1String(name));
    return box;
}

} // namespace

TabAuftraege::TabAuftraege(QWidget *parent) : DocumentPage(parent)
{
    setObjectName(QStringLiteral("TabAuftraege"));

    AuftragTabControl = new QTabBar;
    AuftragTabControl->setObjectName(QStringLiteral("AuftragTabControl"));
    AuftragTabControl->setExpanding(false);
    for (int m = 1; m <= MissionRecord::Count; ++m)
        AuftragTabControl->addTab(QStringLiteral("Auftrag %1").arg(m));
    connect(AuftragTabControl, &QTabBar::currentChanged, this,
            &TabAuftraege::AuftragTabControlChange);

    pages_ = new QTabWidget;
    pages_->setObjectName(QStringLiteral("AuftragPageControl"));
    pages_->addTab(buildTextPage(), QStringLiteral("Auftragstext"));
    pages_->addTab(buildCitiesPage(), QStringLiteral("Städte und Gebäude"));
    pages_->addTab(buildOpponentsPage(), QStringLiteral("Gegner und Freunde"));
    pages_->addTab(buildTradePage(), QStringLiteral("Handel und Waren"));

    // The tab bar heads a framed area holding the player strip and the
    // sub-pages, as one tab control.
    auto *frame = new QFrame;
    frame->setObjectName(QStringLiteral("AuftragFrame"));
    frame->setFrameShape(QFrame::StyledPanel);
    auto *inside = new QVBoxLayout(frame);
    inside->addWidget(buildPlayerStrip());
    inside->addWidget(pages_, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(AuftragTabControl);
    layout->addWidget(frame, 1);

    clearPage();
}

// --- building the page ---------------------------------------------------

QCheckBox *TabAuftraege::goalCheck(const char *name, const QString &text)
{
    auto *check = new QCheckBox(text);
    check->setObjectName(QLatin1String(name));
    return check;
}

void TabAuftraege::addGoal(QCheckBox *check, std::vector<QWidget *> controls)
{
    goals_.push_back({check, controls});
    connect(check, &QCheckBox::clicked, this, [this, check, controls] {
        for (QWidget *control : controls)
            control->setEnabled(check->isChecked());
        emit controlChanged();
    });
}

QLineEdit *TabAuftraege::numberEdit(const char *name, int digits)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setAlignment(Qt::AlignRight);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (digits + 1) +
                        14);
    NumericKeyFilter::Install(edit);
    connect(edit, &QLineEdit::textChanged, this, &TabAuftraege::changed);
    edits_.push_back(edit);
    return edit;
}

QLabel *TabAuftraege::label(const char *name, const QString &text)
{
    auto *label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    return label;
}

QComboBox *TabAuftraege::combo(const char *name, const QStringList &items)
{
    auto *box = new QComboBox;
    box->setObjectName(QLatin1String(name));
    box->addItems(items);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    box->setMaxVisibleItems(24);
    connect(box, &QComboBox::currentIndexChanged, this, &TabAuftraege::changed);
    combos_.push_back(box);
    return box;
}

QComboBox *TabAuftraege::groupCombo(const char *name)
{
    QStringList groups;
    for (int group = 1; group <= PopulationLevel::Groups; ++group)
        groups << PopulationLevel::GroupName(group);
    return combo(name, groups);
}

QToolButton *TabAuftraege::playerButton(const char *name, const QString &text, const QIcon &icon)
{
    auto *button = new QToolButton;
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setIcon(icon);
    button->setCheckable(true);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setMinimumWidth(92);
    // A pressed button also shows its caption in bold, so that the state
    // reads at a glance in every style.
    connect(button, &QToolButton::toggled, button, [button](bool down) {
        QFont font = button->font();
        font.setBold(down);
        button->setFont(font);
    });
    return button;
}

TabAuftraege::InhabitantsGoal TabAuftraege::inhabitantsGoal(const char *check, const QString &verb,
                                                            const char *inhabitants,
                                                            const char *labelName,
                                                            const char *count, const char *group)
{
    InhabitantsGoal goal;
    goal.check = goalCheck(check, verb);
    goal.inhabitants = numberEdit(inhabitants, 11);
    goal.label = label(labelName, QStringLiteral("Einwohner, davon"));
    goal.count = numberEdit(count, 10);
    goal.group = groupCombo(group);
    return goal;
}

QWidget *TabAuftraege::buildPlayerStrip()
{
    auto *strip = new QWidget;
    strip->setObjectName(QStringLiteral("Panel1"));
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(2, 2, 2, 6);
    row->addWidget(new QLabel(QStringLiteral("Diesem Auftrag zugeordnete Spieler:")));
    row->addSpacing(6);
    for (int slot = 0; slot < 4; ++slot) {
        QToolButton *button =
            playerButton(SlotButtonNames[slot], QStringLiteral("Spieler %1").arg(slot + 1),
                         PlayerColourIcon(slot));
        connect(button, &QToolButton::clicked, this, &TabAuftraege::controlChanged);
        slotButtons_[size_t(slot)] = button;
        row->addWidget(button);
    }
    row->addStretch(1);
    return strip;
}

QWidget *TabAuftraege::buildTextPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabAuftragstext"));
    Memo1 = new QPlainTextEdit;
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setTabChangesFocus(true);
    connect(Memo1, &QPlainTextEdit::textChanged, this, &TabAuftraege::limitMemo);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(Memo1);
    return page;
}

QWidget *TabAuftraege::buildCitiesPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabStaedte"));
    auto *layout = new QVBoxLayout(page);

    const QString titles[] = {QStringLiteral("Erste Stadt"), QStringLiteral("Zweite Stadt"),
                              QStringLiteral("Dritte Stadt")};
    for (int i = 0; i < 3; ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        InhabitantsGoal &city = cities_[size_t(i)];
        city = inhabitantsGoal("cbStadt" + n, QStringLiteral("Erreiche"), "editStadt" + n + "Wohn",
                               "lbStadt" + n + "Wohn", "editStadt" + n + "Bgrp",
                               "comboStadt" + n + "Bgrp");
        QGroupBox *box = groupBox("gbStadt" + n, titles[i]);
        QWidget *placeholder = placeholderFor(city.check);
        box->setLayout(line({placeholder, city.inhabitants, city.label, city.count, city.group}));
        city.check->setParent(page);
        new OverlayFollower(city.check, placeholder, box);
        addGoal(city.check, {box, city.inhabitants, city.count, city.group, city.label});
        layout->addWidget(box);
    }

    auto *buildings = groupBox("gbGebaeude", QStringLiteral("Gebäude"));
    cbSchloss = goalCheck("cbSchloss", QStringLiteral("Baue ein Schloss"));
    cbKathedrale = goalCheck("cbKathedrale", QStringLiteral("Baue eine Kathedrale"));
    for (QCheckBox *check : {cbSchloss, cbKathedrale})
        connect(check, &QCheckBox::clicked, this, &TabAuftraege::controlChanged);
    auto *buildingsColumn = new QVBoxLayout(buildings);
    buildingsColumn->addWidget(cbSchloss);
    buildingsColumn->addWidget(cbKathedrale);

    auto *total = groupBox("gbWohnanz", QStringLiteral("Gesamteinwohnerzahl"));
    cbWohnanz = goalCheck("cbWohnanz", QStringLiteral("Erreiche"));
    editWohnanz = numberEdit("editWohnanz", 11);
    QLabel *lbWohnanz = label("lbWohnanz", QStringLiteral("Einwohner"));
    addGoal(cbWohnanz, {editWohnanz, lbWohnanz});
    auto *totalColumn = new QVBoxLayout(total);
    totalColumn->addLayout(line({cbWohnanz, editWohnanz, lbWohnanz}));
    totalColumn->addStretch(1);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(buildings, 1);
    bottom->addWidget(total, 1);
    layout->addLayout(bottom);
    layout->addStretch(1);
    return page;
}

QWidget *TabAuftraege::buildOpponentsPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabGegner"));
    auto *layout = new QVBoxLayout(page);

    auto *defeat = groupBox("gbKill", QStringLiteral("Zu besiegende Spieler"));
    auto *defeatRow = new QHBoxLayout(defeat);
    const char *const killNames[] = {"sbKillRot", "sbKillBlau", "sbKillGelb", "sbKillWeiss",
                                     "sbKillPirat"};
    for (int colour = 0; colour < int(killButtons_.size()); ++colour) {
        QToolButton *button =
            playerButton(killNames[colour], PlayerColour::Name(colour), PlayerColourIcon(colour));
        killButtons_[size_t(colour)] = button;
        defeatRow->addWidget(button);
    }
    sbKillAny = playerButton("sbKillAny", QStringLiteral("Beliebiger"), AnyPlayerIcon());
    sbKillAny->setToolTip(QStringLiteral("Einen beliebigen Spieler besiegen"));
    defeatRow->addSpacing(12);
    defeatRow->addWidget(sbKillAny);
    defeatRow->addStretch(1);
    for (QToolButton *button : killButtons_)
        connect(button, &QToolButton::clicked, this, [this, button] { KillButtonClick(button); });
    connect(sbKillAny, &QToolButton::clicked, this, [this] { KillButtonClick(sbKillAny); });

    auto *support = groupBox("gbHelp", QStringLiteral("Zu unterstützender Spieler"));
    auto *supportColumn = new QVBoxLayout(support);
    auto *supportRow = new QHBoxLayout;
    const char *const helpNames[] = {"sbHelpRot", "sbHelpBlau", "sbHelpGelb", "sbHelpWeiss"};
    for (int colour = 0; colour < int(helpButtons_.size()); ++colour) {
        QToolButton *button =
            playerButton(helpNames[colour], PlayerColour::Name(colour), PlayerColourIcon(colour));
        helpButtons_[size_t(colour)] = button;
        supportRow->addWidget(button);
    }
    sbHelpEingeb = playerButton("sbHelpEingeb", PlayerColour::Name(5), PlayerColourIcon(5));
    sbHelpAny = playerButton("sbHelpAny", QStringLiteral("Beliebiger"), AnyPlayerIcon());
    sbHelpAny->setToolTip(QStringLiteral("Einen beliebigen Spieler unterstützen"));
    supportRow->addWidget(sbHelpEingeb);
    supportRow->addSpacing(12);
    supportRow->addWidget(sbHelpAny);
    supportRow->addStretch(1);
    for (QToolButton *button : helpButtons_)
        connect(button, &QToolButton::clicked, this, [this, button] { HelpButtonClick(button); });
    for (QToolButton *button : {sbHelpEingeb, sbHelpAny})
        connect(button, &QToolButton::clicked, this, [this, button] { HelpButtonClick(button); });
    supportColumn->addLayout(supportRow);
    supportColumn->addSpacing(6);

    helpReach_ = inhabitantsGoal("cbHelpWohn", QStringLiteral("Erreiche"), "editHelpWohn",
                                 "lbHelpWohn", "editHelpWohnGrp", "comboHelpWohnName");
    helpKeep_ =
        inhabitantsGoal("cbStadtlowfrmd", QStringLiteral("Halte"), "editStadtlowfrmdwohn",
                        "lbStadtlowfrmdwohn", "editStadtlowfrmdbgwohn", "comboStadtlowfrmdbgnr");
    cbStadtanzminfrmd = goalCheck("cbStadtanzminfrmd", QStringLiteral("Halte"));
    editStadtanzminfrmd = numberEdit("editStadtanzminfrmd", 6);
    QLabel *lbStadtanzminfrmd = label("lbStadtanzminfrmd", QStringLiteral("Siedlungen"));

    // The three goals as rows of one grid, so that their edits line up.
    auto *grid = new QGridLayout;
    int row = 0;
    for (const InhabitantsGoal *goal : {&helpReach_, &helpKeep_}) {
        grid->addWidget(goal->check, row, 0);
        grid->addWidget(goal->inhabitants, row, 1);
        grid->addWidget(goal->label, row, 2);
        grid->addWidget(goal->count, row, 3);
        grid->addWidget(goal->group, row, 4);
        addGoal(goal->check, {goal->inhabitants, goal->label, goal->count, goal->group});
        ++row;
    }
    grid->addWidget(cbStadtanzminfrmd, row, 0);
    grid->addLayout(line({editStadtanzminfrmd, lbStadtanzminfrmd}), row, 1, 1, 4);
    grid->setColumnStretch(5, 1);
    addGoal(cbStadtanzminfrmd, {editStadtanzminfrmd, lbStadtanzminfrmd});
    supportColumn->addLayout(grid);

    layout->addWidget(defeat);
    layout->addWidget(support);
    layout->addStretch(1);
    return page;
}

QWidget *TabAuftraege::buildTradePage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabHandel"));
    auto *grid = new QGridLayout(page);

    QStringList goods;
    for (int index = GoodsTable::FirstGoods; index <= GoodsTable::LastGoods; ++index)
        goods << GoodsTable::ListName(index);
    for (int k = 0; k < 2; ++k) {
        const QByteArray n = QByteArray::number(k + 1);
        StoreGoal &store = stores_[size_t(k)];
        store.check = goalCheck("cbStore" + n, QStringLiteral("Speichere"));
        store.tons = numberEdit("editStore" + n, 5);
        store.unit = label("labelStore" + n, QStringLiteral("t"));
        store.goods = combo("comboStore" + n, goods);
        addGoal(store.check, {store.tons, store.unit, store.goods});
        QGroupBox *box = groupBox("gbStore" + n, QStringLiteral("%1. Lager").arg(k + 1));
        box->setLayout(line({store.check, store.tons, store.unit, store.goods}));
        grid->addWidget(box, 0, k);
    }

    auto *balances = groupBox("gbBilanzen", QStringLiteral("Bilanzen"));
    cbBalance = goalCheck("cbBalance", QStringLiteral("Gesamtbilanz:"));
    editBalance = numberEdit("editBalance", 11);
    cbTBalance = goalCheck("cbTBalance", QStringLiteral("Handelsbilanz:"));
    editTBalance = numberEdit("editTBalance", 11);
    addGoal(cbBalance, {editBalance});
    addGoal(cbTBalance, {editTBalance});
    auto *balanceGrid = new QGridLayout(balances);
    balanceGrid->addWidget(cbBalance, 0, 0);
    balanceGrid->addWidget(editBalance, 0, 1);
    balanceGrid->addWidget(cbTBalance, 1, 0);
    balanceGrid->addWidget(editTBalance, 1, 1);
    balanceGrid->setColumnStretch(2, 1);
    grid->addWidget(balances, 1, 0);

    auto *monopoly = groupBox("gbMonopol", QStringLiteral("Monopol"));
    QStringList monopolyGoods;
    for (int item = 0; item < MonopolyGoods::Count; ++item)
        monopolyGoods << MonopolyGoods::Name(item);
    auto *monopolyGrid = new QGridLayout(monopoly);
    for (int k = 0; k < 2; ++k) {
        const QByteArray n = QByteArray::number(k + 1);
        MonopolyGoal &goal = monopolies_[size_t(k)];
        goal.check = goalCheck("cbMonopol" + n, QStringLiteral("%1. Monopol:").arg(k + 1));
        goal.goods = combo("comboMonopol" + n, monopolyGoods);
        addGoal(goal.check, {goal.goods});
        monopolyGrid->addWidget(goal.check, k, 0);
        monopolyGrid->addWidget(goal.goods, k, 1);
    }
    monopolyGrid->setColumnStretch(2, 1);
    grid->addWidget(monopoly, 1, 1);

    auto *money = groupBox("gbVermoegen", QStringLiteral("Vermögen"));
    cbGuthaben = goalCheck("cbGuthaben", QStringLiteral("Erreiche ein Guthaben von "));
    editGuthaben = numberEdit("editGuthaben", 11);
    addGoal(cbGuthaben, {editGuthaben});
    money->setLayout(line({cbGuthaben, editGuthaben}));
    grid->addWidget(money, 2, 0);

    grid->setRowStretch(3, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    return page;
}

// --- control handlers ----------------------------------------------------

void TabAuftraege::changed()
{
    if (!filling_)
        emit controlChanged();
}

void TabAuftraege::AuftragTabControlChange(int index)
{
    // The mission being left is written back before the new one is shown.
    if (doc_) {
        StorePage(shownTab_);
        FillPage(index);
    }
    shownTab_ = index;
}

void TabAuftraege::KillButtonClick(QToolButton *button)
{
    // "Any player" and the four human players exclude each other; the
    // pirates go with either.
    if (button->isChecked()) {
        if (button == sbKillAny) {
            for (int colour = 0; colour < 4; ++colour)
                killButtons_[size_t(colour)]->setChecked(false);
        } else if (button != killButtons_[PlayerColour::Pirates]) {
            sbKillAny->setChecked(false);
        }
    }
    emit controlChanged();
}

void TabAuftraege::HelpButtonClick(QToolButton *button)
{
    // At most one of the six is down; clicking the one that is down has
    // already released it.
    if (button->isChecked()) {
        for (QToolButton *other : helpButtons_)
            other->setChecked(other == button);
        sbHelpEingeb->setChecked(sbHelpEingeb == button);
        sbHelpAny->setChecked(sbHelpAny == button);
    }
    emit controlChanged();
}

void TabAuftraege::limitMemo()
{
    // Only typing is limited: a text as the record holds it is shown whole.
    if (limiting_ || filling_)
        return;
    const QString text = Memo1->toPlainText();
    int excess = int(text.size() + text.count(QLatin1Char('\n'))) - MemoChars;
    if (excess > 0) {
        // Take back what was just typed or pasted before the cursor; text
        // that got in some other way loses its end.
        limiting_ = true;
        QTextCursor cursor = Memo1->textCursor();
        int end = cursor.position();
        if (end > text.size() || end == 0)
            end = int(text.size());
        int start = end;
        while (excess > 0 && start > 0) {
            --start;
            excess -= text.at(start) == QLatin1Char('\n') ? 2 : 1;
        }
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        Memo1->setTextCursor(cursor);
        limiting_ = false;
    }
    changed();
}

void TabAuftraege::applyEnableRules()
{
    for (const Goal &goal : goals_) {
        for (QWidget *control : goal.controls)
            control->setEnabled(goal.check->isChecked());
    }
}

void TabAuftraege::updateSlotIcons()
{
    if (!doc_)
        return;
    const PlayerArea players = doc_->players();
    for (int slot = 0; slot < 4; ++slot) {
        const int colour = players.colourOf(slot).value_or(0);
        slotButtons_[size_t(slot)]->setIcon(PlayerColourIcon(colour));
        slotButtons_[size_t(slot)]->setToolTip(QStringLiteral("Spieler %1 (%2)")
                                                   .arg(slot + 1)
                                                   .arg(colour < PlayerColour::Count
                                                            ? PlayerColour::Name(colour)
                                                            : QString::number(colour)));
    }
}

void TabAuftraege::showEvent(QShowEvent *event)
{
    // The colours may have changed on the players page meanwhile.
    updateSlotIcons();
    DocumentPage::showEvent(event);
}

// --- the document --------------------------------------------------------

void TabAuftraege::Attach(RumoSzen *doc)
{
    // Without a document the page keeps showing what it showed last.
    doc_ = doc;
    if (!doc_)
        return;
    {
        // Selecting the first tab must not write the old page into the new
        // document.
        const QSignalBlocker blocker(AuftragTabControl);
        AuftragTabControl->setCurrentIndex(0);
    }
    shownTab_ = 0;
    pages_->setCurrentIndex(0);
    FillPage(0);
}

void TabAuftraege::Commit()
{
    if (doc_)
        StorePage(shownTab_);
}

void TabAuftraege::clearPage()
{
    for (QToolButton *button : slotButtons_)
        button->setChecked(false);
    for (QToolButton *button : killButtons_)
        button->setChecked(false);
    for (QToolButton *button : helpButtons_)
        button->setChecked(false);
    for (QToolButton *button : {sbKillAny, sbHelpEingeb, sbHelpAny})
        button->setChecked(false);
    for (const Goal &goal : goals_)
        goal.check->setChecked(false);
    for (QLineEdit *edit : edits_)
        edit->clear();
    for (QComboBox *box : combos_)
        box->setCurrentIndex(-1);
    applyEnableRules();
    Memo1->clear();
}

void TabAuftraege::showTriple(const InhabitantsGoal &goal, const CityGoal &triple)
{
    goal.check->setChecked(true);
    goal.inhabitants->setText(QString::number(triple.inhabitants()));
    goal.count->setText(QString::number(triple.groupCount()));
    const qint32 group = triple.group();
    goal.group->setCurrentIndex(group >= 0 && group < goal.group->count() ? int(group) : -1);
}

void TabAuftraege::storeTriple(const InhabitantsGoal &goal, CityGoal triple)
{
    triple.setInhabitants(DecimalOr(goal.inhabitants->text()));
    triple.setGroup(goal.group->currentIndex());
    triple.setGroupCount(UnsignedDecimalOr(goal.count->text()));
}

void TabAuftraege::FillPage(int m)
{
    const bool wasModified = doc_->IsModified();
    filling_ = true;
    updateSlotIcons();
    clearPage();

    const MissionRecord mission = doc_->missions().mission(m);
    if (mission.number() >= 0) {
        const PlayerArea players = doc_->players();
        const quint32 goals = mission.goals();
        for (int i = 0; i < 3; ++i) {
            if (goals & (MissionRecord::City1 << i))
                showTriple(cities_[size_t(i)], mission.cityGoal(i + 1));
        }
        cbSchloss->setChecked(goals & MissionRecord::Castle);
        cbKathedrale->setChecked(goals & MissionRecord::Cathedral);
        if (goals & MissionRecord::Money) {
            cbGuthaben->setChecked(true);
            editGuthaben->setText(QString::number(mission.money()));
        }

        // The defeat buttons stand for colours; each slot's flag shows on the
        // button of its colour. Slots of a colour without a button show
        // nothing.
        if (goals & MissionRecord::DefeatFlagged) {
            for (int slot : DefeatSlots) {
                const int colour = players.colourOf(slot).value_or(PlayerColour::Count);
                if (mission.defeatFlag(slot) != 0 && colour < int(killButtons_.size()))
                    killButtons_[size_t(colour)]->setChecked(true);
            }
        }
        sbKillAny->setChecked(goals & MissionRecord::DefeatAny);

        if ((goals & MissionRecord::HelpInhabitants) || mission.supportGoals() != 0) {
            const int supported = mission.supportedPlayer();
            if (supported == MissionRecord::SupportAny) {
                sbHelpAny->setChecked(true);
            } else if (supported == MissionRecord::SupportNatives) {
                sbHelpEingeb->setChecked(true);
            } else {
                // Only slots 0..5 are left here; 8 and above name no slot.
                const int colour = players.colourOf(supported).value_or(PlayerColour::Count);
                if (supported < MissionRecord::SupportNatives && colour < int(helpButtons_.size()))
                    helpButtons_[size_t(colour)]->setChecked(true);
            }
        }

        if (goals & MissionRecord::Population) {
            cbWohnanz->setChecked(true);
            editWohnanz->setText(QString::number(mission.population()));
        }
        if (goals & MissionRecord::HelpInhabitants)
            showTriple(helpReach_, mission.reachInhabitantsGoal());
        if (mission.supportGoals() & MissionRecord::KeepInhabitants)
            showTriple(helpKeep_, mission.keepInhabitantsGoal());
        if (mission.supportGoals() & MissionRecord::KeepSettlements) {
            cbStadtanzminfrmd->setChecked(true);
            editStadtanzminfrmd->setText(QString::number(mission.settlementsToKeep()));
        }

        for (int k = 1; k <= 2; ++k) {
            const StoreGoal &store = stores_[size_t(k - 1)];
            if (goals & (MissionRecord::Store1 << (k - 1))) {
                store.check->setChecked(true);
                store.tons->setText(QString::number(mission.storeAmount(k) / 32));
                const int code = mission.storeGoods(k);
                const bool known = code >= GoodsTable::FirstGoods && code <= GoodsTable::LastGoods;
                store.goods->setCurrentIndex(known ? code - GoodsTable::FirstGoods : -1);
            }
        }
        if (goals & MissionRecord::Balance) {
            cbBalance->setChecked(true);
            editBalance->setText(QString::number(mission.balance()));
        }
        if (goals & MissionRecord::TradeBalance) {
            cbTBalance->setChecked(true);
            editTBalance->setText(QString::number(mission.tradeBalance()));
        }
        for (int k = 1; k <= 2; ++k) {
            const MonopolyGoal &goal = monopolies_[size_t(k - 1)];
            if (goals & (MissionRecord::Monopoly1 << (k - 1))) {
                goal.check->setChecked(true);
                goal.goods->setCurrentIndex(
                    MonopolyGoods::ItemOf(mission.monopoly(k)).value_or(-1));
            }
        }

        for (int slot = 0; slot < 4; ++slot)
            slotButtons_[size_t(slot)]->setChecked(players.player(slot).mission() == m);
        applyEnableRules();

        // The record separates lines with CR LF; the memo with LF.
        QString text = mission.text();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        Memo1->setPlainText(text);
    }

    filling_ = false;
    if (doc_->IsModified() != wasModified)
        doc_->SetModified(wasModified);
}

void TabAuftraege::StorePage(int m)
{
    MissionRecord mission = doc_->missions().mission(m);
    PlayerArea players = doc_->players();
    mission.setNumber(m);

    QString text = Memo1->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    mission.setText(text.left(MissionRecord::TextChars));

    quint32 goals = mission.goals();
    for (int i = 0; i < 3; ++i) {
        const InhabitantsGoal &city = cities_[size_t(i)];
        const quint32 bit = MissionRecord::City1 << i;
        goals &= ~bit;
        if (city.check->isChecked()) {
            goals |= bit;
            storeTriple(city, mission.cityGoal(i + 1));
        }
    }

    // The money goal switches further bits on that stay when it goes off.
    if (cbGuthaben->isChecked()) {
        goals |= MissionRecord::MoneyMask;
        mission.setMoney(DecimalOr(editGuthaben->text()));
    } else {
        goals &= ~quint32(MissionRecord::Money);
    }

    goals &= ~quint32(MissionRecord::Population);
    if (cbWohnanz->isChecked()) {
        goals |= MissionRecord::Population;
        mission.setPopulation(DecimalOr(editWohnanz->text()));
    }

    goals &= ~quint32(MissionRecord::Castle | MissionRecord::Cathedral);
    if (cbSchloss->isChecked())
        goals |= MissionRecord::Castle;
    if (cbKathedrale->isChecked())
        goals |= MissionRecord::Cathedral;

    // A slot whose colour has no defeat button keeps its flag.
    bool anyFlag = false;
    for (int slot : DefeatSlots) {
        const int colour = players.colourOf(slot).value_or(PlayerColour::Count);
        if (colour < int(killButtons_.size()))
            mission.setDefeatFlag(slot, killButtons_[size_t(colour)]->isChecked() ? 1 : 0);
        anyFlag = anyFlag || mission.defeatFlag(slot) == 1;
    }
    goals &= ~quint32(MissionRecord::DefeatAny | MissionRecord::DefeatFlagged);
    if (anyFlag)
        goals |= MissionRecord::DefeatFlagged;
    if (sbKillAny->isChecked())
        goals |= MissionRecord::DefeatAny;

    goals &= ~quint32(MissionRecord::HelpInhabitants);
    if (helpReach_.check->isChecked()) {
        goals |= MissionRecord::HelpInhabitants;
        storeTriple(helpReach_, mission.reachInhabitantsGoal());
    }
    quint32 support = mission.supportGoals() &
                      ~quint32(MissionRecord::KeepInhabitants | MissionRecord::KeepSettlements);
    if (helpKeep_.check->isChecked()) {
        support |= MissionRecord::KeepInhabitants;
        storeTriple(helpKeep_, mission.keepInhabitantsGoal());
    }
    if (cbStadtanzminfrmd->isChecked()) {
        support |= MissionRecord::KeepSettlements;
        mission.setSettlementsToKeep(qint16(DecimalOr(editStadtanzminfrmd->text())));
    }
    mission.setSupportGoals(support);

    // The player to support is only written with a support goal; without a
    // down button it stays as it was.
    if (helpReach_.check->isChecked() || helpKeep_.check->isChecked() ||
        cbStadtanzminfrmd->isChecked()) {
        if (sbHelpAny->isChecked()) {
            mission.setSupportedPlayer(MissionRecord::SupportAny);
        } else if (sbHelpEingeb->isChecked()) {
            mission.setSupportedPlayer(MissionRecord::SupportNatives);
        } else {
            for (int slot = 0; slot < 4; ++slot) {
                const int colour = players.colourOf(slot).value_or(PlayerColour::Count);
                if (colour < int(helpButtons_.size()) &&
                    helpButtons_[size_t(colour)]->isChecked()) {
                    mission.setSupportedPlayer(quint8(slot));
                    break;
                }
            }
        }
    }

    for (int k = 1; k <= 2; ++k) {
        const StoreGoal &store = stores_[size_t(k - 1)];
        const quint32 bit = MissionRecord::Store1 << (k - 1);
        goals &= ~bit;
        if (store.check->isChecked()) {
            goals |= bit;
            // Amounts are stored in 1/32 t; what does not fit keeps its low bits.
            mission.setStoreAmount(k, quint16(quint32(DecimalOr(store.tons->text())) * 32u));
            const int item = store.goods->currentIndex();
            mission.setStoreGoods(k, item >= 0 ? quint8(item + GoodsTable::FirstGoods)
                                               : quint8(GoodsTable::Empty));
        }
    }

    goals &= ~quint32(MissionRecord::Balance | MissionRecord::TradeBalance);
    if (cbBalance->isChecked()) {
        goals |= MissionRecord::Balance;
        mission.setBalance(DecimalOr(editBalance->text()));
    }
    if (cbTBalance->isChecked()) {
        goals |= MissionRecord::TradeBalance;
        mission.setTradeBalance(DecimalOr(editTBalance->text()));
    }

    for (int k = 1; k <= 2; ++k) {
        const MonopolyGoal &goal = monopolies_[size_t(k - 1)];
        const quint32 bit = MissionRecord::Monopoly1 << (k - 1);
        goals &= ~bit;
        if (goal.check->isChecked()) {
            goals |= bit;
            // Without a selected goods item the stored code stays.
            const int item = goal.goods->currentIndex();
            if (item >= 0 && item < MonopolyGoods::Count)
                mission.setMonopoly(k, MonopolyGoods::Code(item));
        }
    }
    mission.setGoals(goals);

    // A button that is up leaves the slot with the mission it had.
    for (int slot = 0; slot < 4; ++slot) {
        if (slotButtons_[size_t(slot)]->isChecked())
            players.player(slot).setMission(quint8(m));
    }
}
