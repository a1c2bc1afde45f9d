#pragma once

#include <QStringList>
#include <QWidget>
#include <array>
#include <optional>

class QFormLayout;
class QLineEdit;
class QPushButton;
class UpDown;

// "Installierte Kampagnen": browses and edits the campaign list of the game's
// text file. Every campaign is an entry of five lines, entry n being lines
// 5n to 5n + 4 of the list; lines after the last complete entry belong to no
// entry but are written back with the rest. The window is created once, is
// not modal and only hides when closed; each opening reloads the list from
// the file, so edits that were never saved are gone.
class TKampForm : public QWidget {
    Q_OBJECT

public:
    explicit TKampForm(QWidget *parent = nullptr);

    // Shows the window in front with the focus, loads the list afresh and
    // shows the entry `number` (the scenario's campaign number). A failed
    // load shows its message and leaves the fields and the number as they
    // were, with no list held.
    void open(const QString &number);

    // The list currently held; nothing before a successful load.
    const std::optional<QStringList> &campaignList() const { return list_; }

protected:
    void changeEvent(QEvent *event) override;

private:
    static constexpr int LinesPerEntry = 5;

    void retranslateUi();
    static constexpr int NumberMax = 1000;

    QWidget *makeNumberField();
    // The number as an entry of the list, or nothing when it is no integer,
    // negative or names no complete entry.
    std::optional<qsizetype> chosenEntry() const;
    void showEntry();
    void fitLines();
    void save();

    QLineEdit *editKampnr_ = nullptr;
    UpDown *upDown_ = nullptr;
    std::array<QLineEdit *, LinesPerEntry> lines_{};
    QFormLayout *form_ = nullptr;
    QWidget *numberField_ = nullptr;
    QPushButton *save_ = nullptr;
    QPushButton *close_ = nullptr;
    std::optional<QStringList> list_;
};
