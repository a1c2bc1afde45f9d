#pragma once

#include "editor/widgets/documentpage.h"
#include "editor/widgets/shownvalues.h"

#include <array>
#include <vector>

class CityGoal;
class MissionRecord;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTabBar;
class QTabWidget;
class QToolButton;

// The page "Aufträge": the four missions of the scenario, one at a time, with
// their text, their goals and the player slots 0 to 3 assigned to them. The
// mission of the current tab is written back when the tab or the page is left
// and before every save.
class TabAuftraege : public DocumentPage {
    Q_OBJECT

public:
    explicit TabAuftraege(QWidget *parent = nullptr);

    void Attach(RumoSzen *doc) override;
    void Commit() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    // A goal check box with the controls whose Enabled state follows it.
    struct Goal {
        QCheckBox *check = nullptr;
        std::vector<QWidget *> controls;
    };
    // "Erreiche / Halte [n] Einwohner, davon [count] [group]".
    struct InhabitantsGoal {
        QCheckBox *check = nullptr;
        QLineEdit *inhabitants = nullptr;
        QLabel *label = nullptr;
        QLineEdit *count = nullptr;
        QComboBox *group = nullptr;
    };
    struct StoreGoal {
        QCheckBox *check = nullptr;
        QLineEdit *tons = nullptr;
        QLabel *unit = nullptr;
        QComboBox *goods = nullptr;
    };
    struct MonopolyGoal {
        QCheckBox *check = nullptr;
        QComboBox *goods = nullptr;
    };

    QWidget *buildPlayerStrip();
    QWidget *buildTextPage();
    QWidget *buildCitiesPage();
    QWidget *buildOpponentsPage();
    QWidget *buildTradePage();

    QCheckBox *goalCheck(const char *name, const QString &text);
    // The check box's click sets the Enabled state of `controls`.
    void addGoal(QCheckBox *check, std::vector<QWidget *> controls);
    // A numeric edit for the numbers min..max.
    QLineEdit *numberEdit(const char *name, int digits, qint64 min, qint64 max);
    QLabel *label(const char *name, const QString &text);
    QComboBox *groupCombo(const char *name);
    QComboBox *combo(const char *name, const QStringList &items);
    QToolButton *playerButton(const char *name, const QString &text, const QIcon &icon);
    InhabitantsGoal inhabitantsGoal(const char *check, const QString &verb, const char *inhabitants,
                                    const char *label, const char *count, const char *group);

    void AuftragTabControlChange(int index);
    void KillButtonClick(QToolButton *button);
    void HelpButtonClick(QToolButton *button);
    void limitMemo();
    void changed();
    void applyEnableRules();
    void updateSlotIcons();

    void FillPage(int m);
    void StorePage(int m);
    void clearPage();
    static void showTriple(const InhabitantsGoal &goal, const CityGoal &triple);
    void storeTriple(const InhabitantsGoal &goal, CityGoal triple) const;
    void storeDefeat(MissionRecord &mission, quint32 &goals) const;
    // The defeat button of the slot's colour; none for colours without one.
    QToolButton *killButtonOf(int slot) const;

    RumoSzen *doc_ = nullptr;
    // The mission whose page is shown: the tab that a tab change leaves.
    int shownTab_ = 0;
    // Set while the page is filled: no control change counts then.
    bool filling_ = false;
    bool limiting_ = false;

    QTabBar *AuftragTabControl = nullptr;
    QTabWidget *pages_ = nullptr;
    QPlainTextEdit *Memo1 = nullptr;

    // Assigned players by slot 0..3.
    std::array<QToolButton *, 4> slotButtons_{};
    // Defeat buttons by player colour 0..4 ("Rot" .. "Piraten").
    std::array<QToolButton *, 5> killButtons_{};
    QToolButton *sbKillAny = nullptr;
    // Support buttons by player colour 0..3.
    std::array<QToolButton *, 4> helpButtons_{};
    QToolButton *sbHelpEingeb = nullptr;
    QToolButton *sbHelpAny = nullptr;

    std::array<InhabitantsGoal, 3> cities_{};
    QCheckBox *cbSchloss = nullptr;
    QCheckBox *cbKathedrale = nullptr;
    QCheckBox *cbWohnanz = nullptr;
    QLineEdit *editWohnanz = nullptr;

    InhabitantsGoal helpReach_;
    InhabitantsGoal helpKeep_;
    QCheckBox *cbStadtanzminfrmd = nullptr;
    QLineEdit *editStadtanzminfrmd = nullptr;

    std::array<StoreGoal, 2> stores_{};
    QCheckBox *cbBalance = nullptr;
    QLineEdit *editBalance = nullptr;
    QCheckBox *cbTBalance = nullptr;
    QLineEdit *editTBalance = nullptr;
    std::array<MonopolyGoal, 2> monopolies_{};
    QCheckBox *cbGuthaben = nullptr;
    QLineEdit *editGuthaben = nullptr;

    std::vector<Goal> goals_;
    std::vector<QLineEdit *> edits_;
    std::vector<QComboBox *> combos_;
    // What the page showed, so that a store writes only what the user changed.
    ShownValues shown_;
};
