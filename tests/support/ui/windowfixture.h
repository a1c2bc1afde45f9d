#pragma once

// What the main window's tests set up alike: a game installation under a
// temporary Wine prefix, made once per test program because the lookup keeps
// its first answer, and for every test a fresh temporary folder, scripted
// prompts and main window. A test class derives from it beside QObject and
// calls setUpGame from initTestCase, setUpWindow from init and tearDownWindow
// from cleanup.

#include "editor/app/tmainform.h"
#include "support/gameinstallation.h"
#include "support/ui/scriptedprompts.h"

#include <QTemporaryDir>
#include <memory>

class WindowFixture {
protected:
    // The game installation, named in WINEPREFIX before anything looks it up.
    void setUpGame();
    // A new temporary folder, scripted prompts and main window (not shown).
    void setUpWindow();
    // Fails the test when a prompt went unanswered; closes the window before
    // its prompts go.
    void tearDownWindow();

    // The window's control of type T named `name`; stops the test program
    // when there is none, as every later step would need it.
    template <typename T> T *control(const char *name)
    {
        T *found = window_->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

    std::unique_ptr<TempGameInstallation> game_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<ScriptedPrompts> prompts_;
    std::unique_ptr<TMainForm> window_;
};
