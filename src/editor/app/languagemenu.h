#pragma once

#include <QMenu>

class QAction;
class QSettings;

// "Sprache" in the menu "Ansicht": German, English, or the desktop's
// language. A choice applies at once (every window retranslates on the
// language change Qt sends) and is kept in the settings for the next start.
class LanguageMenu : public QMenu {
    Q_OBJECT

public:
    // `settings` may be null: then the choice lasts until the program ends.
    LanguageMenu(QSettings *settings, QWidget *parent);

    // Installs the language kept in `settings` (the desktop's when none is).
    static void applyStored(const QSettings &settings);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();

    QSettings *settings_;
    QAction *german_;
    QAction *english_;
    QAction *system_;
};
