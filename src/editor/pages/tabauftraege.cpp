#include "editor/pages/tabauftraege.h"

#include "core/document/rumoszen.h"
#include "core/players/missionrecord.h"
#include "core/players/playerrecord.h"
#include "editor/pages/citygoalbox.h"
#include "editor/pages/defeatgoalbox.h"
#include "editor/pages/monopolygoalbox.h"
#include "editor/pages/storegoalbox.h"
#include "editor/pages/supportgoalbox.h"
#include "editor/widgets/ansitextguard.h"
#include "editor/widgets/fillguard.h"
#include "editor/widgets/playercolouricon.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Memo1 holds at most what the record holds, a line break counting as the
// two characters CR LF that the record stores: a text is cut where it is
// typed, never later when it is stored.
constexpr int MemoChars = MissionRecord::TextChars;

const char *const SlotButtonNames[] = {"sbRot", "sbBlau", "sbGelb", "sbWeiss"};

QGroupBox *groupBox(const char *name)
{
    auto *box = new QGroupBox;
    box->setObjectName(QLatin1String(name));
    return box;
}

} // namespace

TabAuftraege::TabAuftraege(QWidget *parent)
    : DocumentPage(parent), controls_(this, [this] { changed(); })
{
    setObjectName(QStringLiteral("TabAuftraege"));

    AuftragTabControl = new QTabBar;
    AuftragTabControl->setObjectName(QStringLiteral("AuftragTabControl"));
    AuftragTabControl->setExpanding(false);
    for (int m = 1; m <= MissionRecord::Count; ++m)
        AuftragTabControl->addTab(QString());
    connect(AuftragTabControl, &QTabBar::currentChanged, this,
            &TabAuftraege::auftragTabControlChange);

    pages_ = new QTabWidget;
    pages_->setObjectName(QStringLiteral("AuftragPageControl"));
    pages_->addTab(buildTextPage(), QString());
    pages_->addTab(buildCitiesPage(), QString());
    pages_->addTab(buildOpponentsPage(), QString());
    pages_->addTab(buildTradePage(), QString());

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
    retranslateUi();
}

void TabAuftraege::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    DocumentPage::changeEvent(event);
}

void TabAuftraege::retranslateUi()
{
    for (int m = 0; m < AuftragTabControl->count(); ++m)
        AuftragTabControl->setTabText(m, tr("Auftrag %1").arg(m + 1));
    pages_->setTabText(0, tr("Auftragstext"));
    pages_->setTabText(1, tr("Städte und Gebäude"));
    pages_->setTabText(2, tr("Gegner und Freunde"));
    pages_->setTabText(3, tr("Handel und Waren"));

    stripLabel_->setText(tr("Diesem Auftrag zugeordnete Spieler:"));
    for (int slot = 0; slot < int(fields_.slotButtons.size()); ++slot)
        fields_.slotButtons[size_t(slot)]->setText(tr("Spieler %1").arg(slot + 1));
    updateSlotIcons();

    gbGebaeude_->setTitle(tr("Gebäude"));
    fields_.cbSchloss->setText(tr("Baue ein Schloss"));
    fields_.cbKathedrale->setText(tr("Baue eine Kathedrale"));
    gbWohnanz_->setTitle(tr("Gesamteinwohnerzahl"));
    fields_.population.check->setText(tr("Erreiche"));
    lbWohnanz_->setText(tr("Einwohner"));

    gbBilanzen_->setTitle(tr("Bilanzen"));
    fields_.balance.check->setText(tr("Gesamtbilanz:"));
    fields_.tradeBalance.check->setText(tr("Handelsbilanz:"));
    gbVermoegen_->setTitle(tr("Vermögen"));
    fields_.money.check->setText(tr("Erreiche ein Guthaben von "));
}

// --- building the page ---------------------------------------------------

QWidget *TabAuftraege::buildPlayerStrip()
{
    auto *strip = new QWidget;
    strip->setObjectName(QStringLiteral("Panel1"));
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(2, 2, 2, 6);
    stripLabel_ = new QLabel;
    row->addWidget(stripLabel_);
    row->addSpacing(6);
    for (int slot = 0; slot < 4; ++slot) {
        QToolButton *button =
            GoalControls::playerButton(SlotButtonNames[slot], QString(), playerColourIcon(slot));
        connect(button, &QToolButton::clicked, this, &TabAuftraege::controlChanged);
        fields_.slotButtons[size_t(slot)] = button;
        row->addWidget(button);
    }
    row->addStretch(1);
    return strip;
}

QWidget *TabAuftraege::buildTextPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabAuftragstext"));
    auto *memo = new QPlainTextEdit;
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setTabChangesFocus(true);
    // First, so that the limit counts the text as the record will hold it.
    AnsiTextGuard::install(memo);
    connect(memo, &QPlainTextEdit::textChanged, this, &TabAuftraege::limitMemo);
    fields_.Memo1 = memo;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(memo);
    return page;
}

QWidget *TabAuftraege::buildCitiesPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabStaedte"));
    auto *layout = new QVBoxLayout(page);

    for (int i = 0; i < 3; ++i) {
        auto *city = new CityGoalBox(i + 1, controls_, page);
        fields_.cities[size_t(i)] = city;
        layout->addWidget(city);
    }

    auto *buildings = gbGebaeude_ = groupBox("gbGebaeude");
    fields_.cbSchloss = controls_.goalCheck("cbSchloss");
    fields_.cbKathedrale = controls_.goalCheck("cbKathedrale");
    controls_.addPlainCheck(fields_.cbSchloss);
    controls_.addPlainCheck(fields_.cbKathedrale);
    auto *buildingsColumn = new QVBoxLayout(buildings);
    buildingsColumn->addWidget(fields_.cbSchloss);
    buildingsColumn->addWidget(fields_.cbKathedrale);

    auto *total = gbWohnanz_ = groupBox("gbWohnanz");
    QLabel *lbWohnanz = lbWohnanz_ = GoalControls::label("lbWohnanz", QString());
    fields_.population = controls_.int32Goal("cbWohnanz", "editWohnanz", {lbWohnanz});
    const NumberGoal &population = fields_.population;
    auto *totalColumn = new QVBoxLayout(total);
    totalColumn->addLayout(goalLine({population.check, population.edit, lbWohnanz}));
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

    fields_.defeat = new DefeatGoalBox;
    connect(fields_.defeat, &DefeatGoalBox::buttonClicked, this, &TabAuftraege::controlChanged);
    fields_.support = new SupportGoalBox(controls_);
    connect(fields_.support, &SupportGoalBox::buttonClicked, this, &TabAuftraege::controlChanged);

    layout->addWidget(fields_.defeat);
    layout->addWidget(fields_.support);
    layout->addStretch(1);
    return page;
}

QWidget *TabAuftraege::buildTradePage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabHandel"));
    auto *grid = new QGridLayout(page);

    for (int k = 0; k < 2; ++k) {
        auto *store = new StoreGoalBox(k + 1, controls_);
        fields_.stores[size_t(k)] = store;
        grid->addWidget(store, 0, k);
    }

    auto *balances = gbBilanzen_ = groupBox("gbBilanzen");
    fields_.balance = controls_.int32Goal("cbBalance", "editBalance");
    fields_.tradeBalance = controls_.int32Goal("cbTBalance", "editTBalance");
    auto *balanceGrid = new QGridLayout(balances);
    int row = 0;
    for (const NumberGoal *goal : {&fields_.balance, &fields_.tradeBalance}) {
        balanceGrid->addWidget(goal->check, row, 0);
        balanceGrid->addWidget(goal->edit, row, 1);
        ++row;
    }
    balanceGrid->setColumnStretch(2, 1);
    grid->addWidget(balances, 1, 0);

    fields_.monopolies = new MonopolyGoalBox(controls_);
    grid->addWidget(fields_.monopolies, 1, 1);

    auto *money = gbVermoegen_ = groupBox("gbVermoegen");
    fields_.money = controls_.int32Goal("cbGuthaben", "editGuthaben");
    money->setLayout(goalLine({fields_.money.check, fields_.money.edit}));
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

void TabAuftraege::auftragTabControlChange(int index)
{
    // The mission being left is written back before the new one is shown.
    if (doc_) {
        storePage(shownTab_);
        fillPage(index);
    }
    shownTab_ = index;
}

void TabAuftraege::limitMemo()
{
    // Only typing is limited: a text as the record holds it is shown whole.
    if (limiting_ || filling_)
        return;
    QPlainTextEdit *const memo = fields_.Memo1;
    const QString text = memo->toPlainText();
    int excess = int(text.size() + text.count(QLatin1Char('\n'))) - MemoChars;
    if (excess > 0) {
        // Take back what was just typed or pasted before the cursor; text
        // that got in some other way loses its end.
        limiting_ = true;
        QTextCursor cursor = memo->textCursor();
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
        memo->setTextCursor(cursor);
        limiting_ = false;
    }
    changed();
}

void TabAuftraege::updateSlotIcons()
{
    if (!doc_)
        return;
    const PlayerArea players = doc_->players();
    for (int slot = 0; slot < 4; ++slot) {
        QToolButton *button = fields_.slotButtons[size_t(slot)];
        const int colour = players.colourOf(slot).value_or(0);
        button->setIcon(playerColourIcon(colour));
        button->setToolTip(tr("Spieler %1 (%2)")
                               .arg(slot + 1)
                               .arg(colour < PlayerColour::Count ? PlayerColour::Name(colour)
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

void TabAuftraege::attach(RumoSzen *doc)
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
    fillPage(0);
}

void TabAuftraege::refresh()
{
    if (doc_)
        fillPage(shownTab_);
}

void TabAuftraege::commit()
{
    if (doc_)
        storePage(shownTab_);
}

void TabAuftraege::clearPage()
{
    for (QToolButton *button : fields_.slotButtons)
        button->setChecked(false);
    fields_.defeat->clear();
    fields_.support->clear();
    controls_.clear();
    fields_.Memo1->clear();
}

void TabAuftraege::fillPage(int m)
{
    const FillGuard guard(doc_, filling_);
    updateSlotIcons();
    clearPage();

    const MissionRecord mission = doc_->missions().mission(m);
    if (mission.number() >= 0) {
        fields_.show(mission, doc_->players(), m);
        controls_.applyEnableRules();
    }
    shown_.rememberAll(this);
}

void TabAuftraege::storePage(int m)
{
    // Nothing the user left alone is written: a record may hold what the
    // page cannot show exactly (amounts between whole tons, codes without an
    // item, bare CR line breaks, a group beyond the list), and merely showing
    // it must keep every byte.
    if (!shown_.anyChanged())
        return;
    MissionRecord mission = doc_->missions().mission(m);
    PlayerArea players = doc_->players();
    fields_.store(mission, players, m, shown_);

    // What the page shows is now what the record holds.
    if (m == shownTab_)
        shown_.rememberAll(this);
}
