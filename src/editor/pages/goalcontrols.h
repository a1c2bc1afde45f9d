#pragma once

#include <QStringList>
#include <functional>
#include <limits>
#include <vector>

class DocumentPage;
class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QIcon;
class QLabel;
class QLineEdit;
class QToolButton;
class QWidget;

// "Erreiche / Halte [n] Einwohner, davon [count] [group]": the controls of a
// city goal or of a supported player's inhabitants goal.
struct InhabitantsGoal {
    QCheckBox *check = nullptr;
    QLineEdit *inhabitants = nullptr;
    QLabel *label = nullptr;
    QLineEdit *count = nullptr;
    QComboBox *group = nullptr;
};

// "[check] [n] ...": a goal with one number.
struct NumberGoal {
    QCheckBox *check = nullptr;
    QLineEdit *edit = nullptr;
};

// Makes the goal controls of the missions page and keeps the lists of them
// that the page clears and enables as a whole. Every edit and combo box
// reports its changes through `edited`; goal check boxes and player buttons
// report their clicks as a change of `page`.
class GoalControls {
public:
    // Ranges of the goal fields: signed 32 bits, unsigned 32 bits, the signed
    // 16 bits of the settlements.
    static constexpr qint64 Int32Min = std::numeric_limits<qint32>::min();
    static constexpr qint64 Int32Max = std::numeric_limits<qint32>::max();
    static constexpr qint64 UInt32Max = std::numeric_limits<quint32>::max();
    static constexpr qint64 Int16Min = std::numeric_limits<qint16>::min();
    static constexpr qint64 Int16Max = std::numeric_limits<qint16>::max();

    GoalControls(DocumentPage *page, std::function<void()> edited);

    // A goal's check box; its owner sets the caption.
    QCheckBox *goalCheck(const char *name) const;
    // The check box's click sets the Enabled state of `controls`.
    void addGoal(QCheckBox *check, const std::vector<QWidget *> &controls);
    // A check box whose click only counts as a change.
    void addPlainCheck(QCheckBox *check) const;
    // A numeric edit for the numbers min..max.
    QLineEdit *numberEdit(const char *name, int digits, qint64 min, qint64 max);
    // A numeric edit for a signed 32-bit field.
    QLineEdit *int32Edit(const char *name);
    // A goal with a signed 32-bit number whose check box enables the edit and
    // `more`.
    NumberGoal int32Goal(const char *check, const char *edit, std::vector<QWidget *> more = {});
    static QLabel *label(const char *name, const QString &text);
    QComboBox *combo(const char *name, const QStringList &items);
    QComboBox *groupCombo(const char *name);
    // The goal's texts come with retranslate().
    InhabitantsGoal inhabitantsGoal(const char *check, const char *inhabitants, const char *label,
                                    const char *count, const char *group);
    // Sets the texts of `goal` in the current language, its check box
    // reading `verb`.
    static void retranslate(const InhabitantsGoal &goal, const QString &verb);
    // Gives the items of `box` the texts `items`, in order: its selection
    // stays and no change is reported.
    static void setItemTexts(QComboBox *box, const QStringList &items);
    // The names of the population groups, the items of a group combo box.
    static QStringList groupNames();
    // A player button that toggles by itself.
    static QToolButton *playerButton(const char *name, const QString &text, const QIcon &icon);

    // Every goal unchecked, every edit empty, every combo box without
    // selection, the dependent controls disabled.
    void clear() const;
    // Each goal's controls enabled as its check box is checked.
    void applyEnableRules() const;

private:
    struct Goal {
        QCheckBox *check = nullptr;
        std::vector<QWidget *> controls;
    };

    DocumentPage *page_;
    std::function<void()> edited_;
    std::vector<Goal> goals_;
    std::vector<QLineEdit *> edits_;
    std::vector<QComboBox *> combos_;
};

// One line of a goal: the widgets side by side, the rest of the line empty.
QHBoxLayout *goalLine(std::initializer_list<QWidget *> widgets);
