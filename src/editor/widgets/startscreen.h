#pragma once

#include <QWidget>

// What the map shows until the first scenario is loaded: "Tobrel's", the
// picture and "Marbolt" in the editor's blue, with the version and release
// date below, in the composition of the original screen.
class StartScreen : public QWidget {
    Q_OBJECT

public:
    explicit StartScreen(QWidget *parent = nullptr);
};
