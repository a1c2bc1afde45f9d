#pragma once

#include <QGroupBox>
#include <vector>

class PlayerArea;
class QBoxLayout;
class QToolButton;

// A group box with a row of player buttons: first one button for each of
// the leading player colours, then buttons of its own kind ("Beliebiger").
// The colour buttons stand for colours, so a slot's button is the one of the
// slot's colour. A click runs the box's own button rule, then counts as a
// change.
class PlayerButtonBox : public QGroupBox {
    Q_OBJECT

public:
    // The button of `colour`, which must have one.
    QToolButton *button(int colour) const { return colourButtons_[size_t(colour)]; }
    const std::vector<QToolButton *> &colourButtons() const { return colourButtons_; }
    // All buttons, the colour buttons first.
    const std::vector<QToolButton *> &buttons() const { return buttons_; }
    // The button of the slot's colour; none for colours without one.
    QToolButton *buttonOfSlot(const PlayerArea &players, int slot) const;

    // Every button up.
    void clear() const;

signals:
    // The user clicked one of the buttons.
    void buttonClicked();

protected:
    explicit PlayerButtonBox(const char *name);

    void changeEvent(QEvent *event) override;
    // Sets the box's texts in the current language: here the colour buttons'
    // names; a box adds its own texts and calls it at the end of its
    // construction.
    virtual void retranslateUi();

    // Adds a button for each of the colours 0, 1, ... named `names`.
    void addColourButtons(QBoxLayout *row, std::initializer_list<const char *> names);
    QToolButton *addButton(QBoxLayout *row, const char *name, const QString &text,
                           const QIcon &icon);
    // The box's rule for a click on `button`, which has already toggled.
    virtual void buttonClick(QToolButton *button) = 0;

private:
    void watch(QToolButton *button);

    std::vector<QToolButton *> colourButtons_;
    std::vector<QToolButton *> buttons_;
};
