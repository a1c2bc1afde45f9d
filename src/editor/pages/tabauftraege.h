#pragma once

#include "editor/pages/goalcontrols.h"
#include "editor/pages/missionfields.h"
#include "editor/widgets/documentpage.h"
#include "editor/widgets/shownvalues.h"

class QGroupBox;
class QLabel;
class QTabBar;
class QTabWidget;

// The page "Aufträge": the four missions of the scenario, one at a time, with
// their text, their goals and the player slots 0 to 3 assigned to them. The
// mission of the current tab is written back when the tab or the page is left
// and before every save.
class TabAuftraege : public DocumentPage {
    Q_OBJECT

public:
    explicit TabAuftraege(QWidget *parent = nullptr);

    void attach(RumoSzen *doc) override;
    void commit() override;
    void refresh() override;

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // Sets the page's own texts in the current language; the goal boxes set
    // theirs. The document and the controls' values stay as they are.
    void retranslateUi();

    QWidget *buildPlayerStrip();
    QWidget *buildTextPage();
    QWidget *buildCitiesPage();
    QWidget *buildOpponentsPage();
    QWidget *buildTradePage();

    void auftragTabControlChange(int index);
    void limitMemo();
    void changed();
    void updateSlotIcons();

    void fillPage(int m);
    void storePage(int m);
    void clearPage();

    RumoSzen *doc_ = nullptr;
    // The mission whose page is shown: the tab that a tab change leaves.
    int shownTab_ = 0;
    // Set while the page is filled: no control change counts then.
    bool filling_ = false;
    bool limiting_ = false;

    QTabBar *AuftragTabControl = nullptr;
    QTabWidget *pages_ = nullptr;
    QLabel *stripLabel_ = nullptr;
    QGroupBox *gbGebaeude_ = nullptr;
    QGroupBox *gbWohnanz_ = nullptr;
    QLabel *lbWohnanz_ = nullptr;
    QGroupBox *gbBilanzen_ = nullptr;
    QGroupBox *gbVermoegen_ = nullptr;

    GoalControls controls_;
    MissionFields fields_;
    // What the page showed, so that a store writes only what the user changed.
    ShownValues shown_;
};
