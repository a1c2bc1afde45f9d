#include "support/ui/windowfixture.h"

#include <QtTest>

void WindowFixture::setUpGame()
{
    game_ = std::make_unique<TempGameInstallation>();
    qputenv("WINEPREFIX", game_->prefix().toLocal8Bit());
}

void WindowFixture::setUpWindow()
{
    dir_ = std::make_unique<QTemporaryDir>();
    prompts_ = std::make_unique<ScriptedPrompts>();
    window_ = std::make_unique<TMainForm>();
}

void WindowFixture::tearDownWindow()
{
    QVERIFY2(prompts_->unanswered.isEmpty(), qPrintable(prompts_->unanswered.join(", ")));
    window_.reset();
    prompts_.reset();
}
