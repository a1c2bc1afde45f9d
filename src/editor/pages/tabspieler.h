#pragma once

#include "core/players/playerrecord.h"
#include "editor/pages/levelgoalrow.h"
#include "editor/widgets/documentpage.h"
#include "editor/widgets/shownvalues.h"

#include <QList>
#include <utility>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QTabBar;
class RumoSzen;
class TFreiForm;

// The page "Spieler": one player record at a time, chosen by the tab bar
// "Spieler 1" .. "Spieler 7" (tab index = player slot). Switching tabs writes
// the page into the player that was shown and fills it from the new one. The
// page also owns the unlocked-buildings dialog, whose boxes follow the player
// shown here, and the buttons that empty the player's goods.
class TabSpieler : public DocumentPage {
    Q_OBJECT

public:
    explicit TabSpieler(QWidget *parent = nullptr);

    void Attach(RumoSzen *doc) override;
    void Commit() override;
    void Refresh() override;

    TFreiForm *freiForm() const { return freiForm_; }

private:
    QGroupBox *buildGeneral();
    struct CounterSpec {
        const char *name;
        const char *label;
        PlayerRecord::Counter counter;
    };
    QGroupBox *buildCounterPair(const char *title, const CounterSpec &first,
                                const CounterSpec &second);
    QGroupBox *buildBuildings();
    QGroupBox *buildMoodA();
    QGroupBox *buildMoodB();
    QGroupBox *buildUnlocked();
    QGroupBox *buildGoods();
    // A numeric edit for the numbers min..max.
    QLineEdit *numberEdit(const char *name, qint64 min, qint64 max);

    void FillPage(int slot);
    void StorePage(int slot);
    void SpielerTabControlChange(int index);

    void emptyGoods(void (RumoSzen::*empty)(int), const QString &message);
    // One change of the document, unless the page is being filled.
    void changed();

    RumoSzen *doc_ = nullptr;
    int shownSlot_ = 0;
    bool filling_ = false;

    QTabBar *tabs_ = nullptr;
    QLineEdit *editName_ = nullptr;
    QComboBox *comboKind_ = nullptr;
    QComboBox *comboPlayerColor_ = nullptr;
    QLineEdit *editMoney_ = nullptr;
    // The counter edits with the 16-bit fields they show.
    QList<std::pair<QLineEdit *, PlayerRecord::Counter>> counters_;
    QCheckBox *cbSchlossbau_ = nullptr;
    QCheckBox *cbKathedralebau_ = nullptr;
    QCheckBox *cbWohnmin_ = nullptr;
    QLineEdit *editWohnmin_ = nullptr;
    QCheckBox *cbHumanwohnmax_ = nullptr;
    QLineEdit *editHumanwohnmax_ = nullptr;
    LevelGoalRow *goalMin_ = nullptr;
    LevelGoalRow *goalMaxHuman_ = nullptr;
    TFreiForm *freiForm_ = nullptr;
    bool freiPlaced_ = false;
    // What the page showed, so that a store writes only what the user changed.
    ShownValues shown_;
};
