#pragma once

#include "core/players/playerrecord.h"
#include "editor/pages/levelgoalrow.h"
#include "editor/widgets/documentpage.h"
#include "editor/widgets/shownvalues.h"

#include <QList>
#include <array>
#include <utility>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
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

    void attach(RumoSzen *doc) override;
    void commit() override;
    void refresh() override;

    TFreiForm *freiForm() const { return freiForm_; }

protected:
    void changeEvent(QEvent *event) override;

private:
    QGroupBox *buildGeneral();
    // The pair of counters `pair` of the table in the source (0..3).
    QGroupBox *buildCounterPair(int pair);
    QGroupBox *buildBuildings();
    QGroupBox *buildMoodA();
    QGroupBox *buildMoodB();
    QGroupBox *buildUnlocked();
    QGroupBox *buildGoods();
    // A numeric edit for the numbers min..max.
    QLineEdit *numberEdit(const char *name, qint64 min, qint64 max);

    // Sets every text of the page in the current language; the kinds and
    // colours keep their selection and the document is left alone.
    void retranslateUi();

    void fillPage(int slot);
    void storePage(int slot);
    void SpielerTabControlChange(int index);

    void emptyGoods(void (RumoSzen::*empty)(int), const QString &message);
    // One change of the document, unless the page is being filled.
    void changed();

    RumoSzen *doc_ = nullptr;
    int shownSlot_ = 0;
    bool filling_ = false;

    // The groups, labels and buttons whose captions retranslateUi() sets.
    QGroupBox *gbGeneral_ = nullptr;
    std::array<QGroupBox *, 4> gbCounters_{};
    QGroupBox *gbBuildings_ = nullptr;
    QGroupBox *gbMoodA_ = nullptr;
    QGroupBox *gbMoodB_ = nullptr;
    QGroupBox *gbUnlocked_ = nullptr;
    QGroupBox *gbGoods_ = nullptr;
    QFormLayout *generalForm_ = nullptr;
    QLabel *moodAIntro_ = nullptr;
    QLabel *moodBIntro_ = nullptr;
    std::array<QLabel *, 2> inhabitantsLabels_{};
    QPushButton *showUnlocked_ = nullptr;
    std::array<QPushButton *, 3> emptyButtons_{};

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
