#include "editor/pages/tabauftraege.h"

#include "core/document/rumoszen.h"
#include "core/goods/goodstable.h"
#include "core/players/missionrecord.h"
#include "core/players/playerrecord.h"
#include "editor/widgets/numerickeyfilter.h"
#include "editor/widgets/playercolouricon.h"

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
#include <limits>

namespace {

// Memo1 holds at most this many characters, a line break counting as the two
// characters CR LF that the record stores.
constexpr int MemoChars = 2048;

// Ranges of the goal fields: signed 32 bits, unsigned 32 bits, the signed
// 16 bits of the settlements, and whole tons of a 16-bit amount in 1/32 t.
constexpr qint64 Int32Min = std::numeric_limits<qint32>::min();
constexpr qint64 Int32Max = std::numeric_limits<qint32>::max();
constexpr qint64 UInt32Max = std::numeric_limits<quint32>::max();
constexpr qint64 Int16Min = std::numeric_limits<qint16>::min();
constexpr qint64 Int16Max = std::numeric_limits<qint16>::max();
constexpr qint64 StoreTonsMax = 0xFFFF / 32;

// The edit's number within its range (the edit then shows it); 0 when it
// holds none.
qint64 numberOf(QLineEdit *edit)
{
    return NumericKeyFilter::Settle(edit).value_or(0);
}

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

QLineEdit *TabAuftraege::numberEdit(const char *name, int digits, qint64 min, qint64 max)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setAlignment(Qt::AlignRight);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (digits + 1) +
                        14);
    NumericKeyFilter::Install(edit, min, max);
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
    goal.inhabitants = numberEdit(inhabitants, 11, Int32Min, Int32Max);
    goal.label = label(labelName, QStringLiteral("Einwohner, davon"));
    goal.count = numberEdit(count, 10, 0, UInt32Max);
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
    editWohnanz = numberEdit("editWohnanz", 11, Int32Min, Int32Max);
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
    editStadtanzminfrmd = numberEdit("editStadtanzminfrmd", 6, Int16Min, Int16Max);
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
        store.tons = numberEdit("editStore" + n, 5, 0, StoreTonsMax);
        store.unit = label("labelStore" + n, QStringLiteral("t"));
        store.goods = combo("comboStore" + n, goods);
        addGoal(store.check, {store.tons, store.unit, store.goods});
        QGroupBox *box = groupBox("gbStore" + n, QStringLiteral("%1. Lager").arg(k + 1));
        box->setLayout(line({store.check, store.tons, store.unit, store.goods}));
        grid->addWidget(box, 0, k);
    }

    auto *balances = groupBox("gbBilanzen", QStringLiteral("Bilanzen"));
    cbBalance = goalCheck("cbBalance", QStringLiteral("Gesamtbilanz:"));
    editBalance = numberEdit("editBalance", 11, Int32Min, Int32Max);
    cbTBalance = goalCheck("cbTBalance", QStringLiteral("Handelsbilanz:"));
    editTBalance = numberEdit("editTBalance", 11, Int32Min, Int32Max);
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
    editGuthaben = numberEdit("editGuthaben", 11, Int32Min, Int32Max);
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

void TabAuftraege::storeTriple(const InhabitantsGoal &goal, CityGoal triple) const
{
    // A goal that the user just switched on takes all three values as the
    // page shows them; otherwise only the changed ones are written.
    const bool all = shown_.changed(goal.check);
    if (all || shown_.changed(goal.inhabitants))
        triple.setInhabitants(qint32(numberOf(goal.inhabitants)));
    if (all || shown_.changed(goal.group))
        triple.setGroup(goal.group->currentIndex());
    if (all || shown_.changed(goal.count))
        triple.setGroupCount(quint32(numberOf(goal.count)));
}

QToolButton *TabAuftraege::killButtonOf(int slot) const
{
    if (!doc_ || slot < 0 || slot >= MissionRecord::DefeatSlots)
        return nullptr;
    const int colour = doc_->players().colourOf(slot).value_or(PlayerColour::Count);
    return colour < int(killButtons_.size()) ? killButtons_[size_t(colour)] : nullptr;
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
            for (int slot = 0; slot < MissionRecord::DefeatSlots; ++slot) {
                QToolButton *button = killButtonOf(slot);
                if (mission.defeatFlag(slot) != 0 && button)
                    button->setChecked(true);
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
    shown_.rememberAll(this);

    filling_ = false;
    if (doc_->IsModified() != wasModified)
        doc_->SetModified(wasModified);
}

void TabAuftraege::StorePage(int m)
{
    // Nothing the user left alone is written: a record may hold what the
    // page cannot show exactly (amounts between whole tons, codes without an
    // item, bare CR line breaks, a group beyond the list), and merely showing
    // it must keep every byte. A check box owns exactly its bit; a value is
    // written when its control changed or its goal was just switched on.
    if (!shown_.anyChanged())
        return;
    MissionRecord mission = doc_->missions().mission(m);
    PlayerArea players = doc_->players();
    const auto changed = [this](const QObject *control) { return shown_.changed(control); };
    const auto valueChanged = [&](const QCheckBox *check, const QObject *control) {
        return check->isChecked() && (changed(check) || changed(control));
    };
    mission.setNumber(m);

    if (changed(Memo1)) {
        QString text = Memo1->toPlainText();
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        mission.setText(text.left(MissionRecord::TextChars));
    }

    quint32 goals = mission.goals();
    // A goal's bit follows its check box once the user clicked it.
    const auto setBit = [&](quint32 bit, const QAbstractButton *check) {
        if (changed(check))
            goals = check->isChecked() ? goals | bit : goals & ~bit;
    };
    for (int i = 0; i < 3; ++i) {
        const InhabitantsGoal &city = cities_[size_t(i)];
        setBit(MissionRecord::City1 << i, city.check);
        if (city.check->isChecked())
            storeTriple(city, mission.cityGoal(i + 1));
    }

    // The money goal switches further bits on that stay when it goes off;
    // bit 16 among them belongs to the trade balance's own box.
    if (cbGuthaben->isChecked() && changed(cbGuthaben))
        goals |= MissionRecord::MoneyMask & ~quint32(MissionRecord::TradeBalance);
    setBit(MissionRecord::Money, cbGuthaben);
    if (valueChanged(cbGuthaben, editGuthaben))
        mission.setMoney(qint32(numberOf(editGuthaben)));

    setBit(MissionRecord::Population, cbWohnanz);
    if (valueChanged(cbWohnanz, editWohnanz))
        mission.setPopulation(qint32(numberOf(editWohnanz)));

    setBit(MissionRecord::Castle, cbSchloss);
    setBit(MissionRecord::Cathedral, cbKathedrale);

    storeDefeat(mission, goals);
    setBit(MissionRecord::DefeatAny, sbKillAny);

    setBit(MissionRecord::HelpInhabitants, helpReach_.check);
    if (helpReach_.check->isChecked())
        storeTriple(helpReach_, mission.reachInhabitantsGoal());
    quint32 support = mission.supportGoals();
    const auto setSupportBit = [&](quint32 bit, const QAbstractButton *check) {
        if (changed(check))
            support = check->isChecked() ? support | bit : support & ~bit;
    };
    setSupportBit(MissionRecord::KeepInhabitants, helpKeep_.check);
    if (helpKeep_.check->isChecked())
        storeTriple(helpKeep_, mission.keepInhabitantsGoal());
    setSupportBit(MissionRecord::KeepSettlements, cbStadtanzminfrmd);
    if (valueChanged(cbStadtanzminfrmd, editStadtanzminfrmd))
        mission.setSettlementsToKeep(qint16(numberOf(editStadtanzminfrmd)));
    mission.setSupportGoals(support);

    // The player to support is only written with a support goal, once the
    // user changed a support button or goal; without a down button it stays.
    const bool supportGoal = helpReach_.check->isChecked() || helpKeep_.check->isChecked() ||
                             cbStadtanzminfrmd->isChecked();
    const bool supportTouched = shown_.anyChanged(
        {helpButtons_[0], helpButtons_[1], helpButtons_[2], helpButtons_[3], sbHelpEingeb,
         sbHelpAny, helpReach_.check, helpKeep_.check, cbStadtanzminfrmd});
    if (supportGoal && supportTouched) {
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
        setBit(MissionRecord::Store1 << (k - 1), store.check);
        // The tons edit stops at the largest amount the 16-bit field holds.
        if (valueChanged(store.check, store.tons))
            mission.setStoreAmount(k, quint16(numberOf(store.tons) * 32));
        if (valueChanged(store.check, store.goods)) {
            const int item = store.goods->currentIndex();
            mission.setStoreGoods(k, item >= 0 ? quint8(item + GoodsTable::FirstGoods)
                                               : quint8(GoodsTable::Empty));
        }
    }

    setBit(MissionRecord::Balance, cbBalance);
    if (valueChanged(cbBalance, editBalance))
        mission.setBalance(qint32(numberOf(editBalance)));
    setBit(MissionRecord::TradeBalance, cbTBalance);
    if (valueChanged(cbTBalance, editTBalance))
        mission.setTradeBalance(qint32(numberOf(editTBalance)));

    for (int k = 1; k <= 2; ++k) {
        const MonopolyGoal &goal = monopolies_[size_t(k - 1)];
        setBit(MissionRecord::Monopoly1 << (k - 1), goal.check);
        // Without a selected goods item the stored code stays.
        const int item = goal.goods->currentIndex();
        if (valueChanged(goal.check, goal.goods) && item >= 0 && item < MonopolyGoods::Count)
            mission.setMonopoly(k, MonopolyGoods::Code(item));
    }
    mission.setGoals(goals);

    // A button that is up leaves the slot with the mission it had.
    for (int slot = 0; slot < 4; ++slot) {
        QToolButton *button = slotButtons_[size_t(slot)];
        if (changed(button) && button->isChecked())
            players.player(slot).setMission(quint8(m));
    }

    // What the page shows is now what the record holds.
    if (m == shownTab_)
        shown_.rememberAll(this);
}

void TabAuftraege::storeDefeat(MissionRecord &mission, quint32 &goals) const
{
    // The flags of the slots 0..5 are shown on the buttons of their colours
    // (the pirates' included) and only while bit 10 is set. They are written
    // once the user changed a defeat button: the changed buttons write their
    // slots' flags; while bit 10 was clear the other flags were shown as
    // "not to defeat", so they become 0 before bit 10 makes them count.
    bool touched = false;
    for (const QToolButton *button : killButtons_)
        touched = touched || shown_.changed(button);
    if (!touched)
        return;
    const bool wasActive = goals & MissionRecord::DefeatFlagged;
    bool any = false;
    for (int slot = 0; slot < MissionRecord::DefeatSlots; ++slot) {
        const QToolButton *button = killButtonOf(slot);
        if (button && shown_.changed(button))
            mission.setDefeatFlag(slot, button->isChecked() ? 1 : 0);
        else if (!wasActive)
            mission.setDefeatFlag(slot, 0);
        any = any || mission.defeatFlag(slot) != 0;
    }
    goals =
        any ? goals | MissionRecord::DefeatFlagged : goals & ~quint32(MissionRecord::DefeatFlagged);
}
