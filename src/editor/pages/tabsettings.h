#pragma once

#include "core/document/scenariosettings.h"
#include "editor/widgets/documentpage.h"
#include "editor/widgets/shownvalues.h"

#include <QList>
#include <QString>
#include <QWidget>
#include <array>

class QAction;
class QCheckBox;
class QFormLayout;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QToolButton;
class RumoSzen;

// The page "Einstellungen": the six scenario-wide switches, the ship limit,
// the mission and level identifiers, the campaign membership and, for
// savegames, the scenario's name. Edits stay in the controls until the main
// window commits them, which it does for every step of the undo stack and
// before a save.
class TabSettings : public DocumentPage {
    Q_OBJECT

public:
    explicit TabSettings(QWidget *parent = nullptr);

    // The page as the main window sees it: shown after a load, committed
    // before a save; a discarded document leaves the page as it was.
    void attach(RumoSzen *doc) override;
    void commit() override;
    void refresh() override;

    // Fills the page from the document (after every successful load).
    void ShowSettings(RumoSzen &doc);
    // Writes the page into the settings record and the campaign number
    // (before every save). Only the six switch bits change in the switch word.
    void CommitSettings(RumoSzen &doc);

    // SwitchPiraten, SwitchDuerren, SwitchErz, SwitchHaendler, SwitchVulkane,
    // SwitchWaffen, for the main window's action list.
    QList<QAction *> switchActions() const;
    QString campaignNumberText() const;

protected:
    void changeEvent(QEvent *event) override;

signals:
    // (controlChanged: a value of an editing control changed, a switch was
    // toggled or the campaign box was clicked.)
    // "Kampagnen..." was clicked; `number` is the text of the number edit.
    void campaignEditorRequested(const QString &number);

private:
    RumoSzen *doc_ = nullptr;

    struct SwitchControl {
        QAction *action = nullptr;
        ScenarioSettings::Switch bit{};
        // Untranslated; shown in the current language.
        const char *hintDown = nullptr;
        const char *hintUp = nullptr;
    };

    // Sets every text of the page in the current language; the values stay.
    void retranslateUi();

    QGroupBox *buildSwitches();
    QGroupBox *buildShips();
    QGroupBox *buildMission();
    QGroupBox *buildLevel();
    QGroupBox *buildCampaign();
    QGroupBox *buildScenarioName();
    // A numeric edit for the numbers 0..max.
    QLineEdit *addNumberEdit(const char *name, int digits, qint64 max);
    static void updateSwitchHint(const SwitchControl &control);
    void cbKampagneClick();
    void setCampaignControlsEnabled(bool enabled);

    // In the order of the buttons from left to right.
    std::array<SwitchControl, 6> switches_;

    QLineEdit *editSchiffe_ = nullptr;
    QLineEdit *editMissNr_ = nullptr;
    QLineEdit *editMissSubNr_ = nullptr;
    QLineEdit *editGameId_ = nullptr;
    QLineEdit *editTutorflg_ = nullptr;
    QLineEdit *editCompLevel_ = nullptr;
    QCheckBox *cbKampagne_ = nullptr;
    QLineEdit *editKampagne_ = nullptr;
    QPushButton *btnKampagne_ = nullptr;
    QLineEdit *editSzenName_ = nullptr;

    // The groups and form rows whose captions retranslateUi() sets.
    QGroupBox *grpSchalter_ = nullptr;
    QGroupBox *gbSchiffe_ = nullptr;
    QFormLayout *shipsForm_ = nullptr;
    QGroupBox *gbMission_ = nullptr;
    QFormLayout *missionForm_ = nullptr;
    QGroupBox *gbLevel_ = nullptr;
    QFormLayout *levelForm_ = nullptr;
    QGroupBox *grpKampagne_ = nullptr;
    QFormLayout *campaignForm_ = nullptr;
    QHBoxLayout *campaignNumber_ = nullptr;
    QGroupBox *gbSzenName_ = nullptr;
    // What the page showed, so that a commit writes only what the user changed.
    ShownValues shown_;
};
