#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QPushButton;

// "Freigeschaltete Gebäude": the 32 unlocked-buildings switches of the player
// that the players page shows, one check box per bit. The dialog is modeless
// and lives as long as the players page; closing only hides it. The boxes are
// the working copy of the flags: the players page fills them when it shows a
// player and reads them when it writes the player back.
class TFreiForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int Bits = 32;

    explicit TFreiForm(QWidget *parent = nullptr);

    // Box k is ticked exactly when bit k is set. Counts no change.
    void setFlags(quint32 flags);
    // Bit k set for each ticked box k; nothing else.
    quint32 Flags() const;

protected:
    void changeEvent(QEvent *event) override;

signals:
    // The user ticked or cleared a box.
    void controlChanged();

private:
    void retranslateUi();

    QLabel *warning_ = nullptr;
    std::array<QCheckBox *, Bits> boxes_{};
    QPushButton *close_ = nullptr;
};
