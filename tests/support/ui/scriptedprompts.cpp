#include "support/ui/scriptedprompts.h"

ScriptedPrompts::ScriptedPrompts()
{
    Prompts::SetCurrent(this);
}

ScriptedPrompts::~ScriptedPrompts()
{
    Prompts::SetCurrent(nullptr);
}

void ScriptedPrompts::Message(QWidget *, const QString &text)
{
    shown << "message: " + text;
}

void ScriptedPrompts::Error(QWidget *, const QString &text)
{
    shown << "error: " + text;
}

Prompts::Answer ScriptedPrompts::AskYesNoCancel(QWidget *, const QString &text)
{
    shown << "question: " + text;
    if (answers.isEmpty()) {
        unanswered << text;
        return Answer::Cancel;
    }
    return answers.takeFirst();
}

bool ScriptedPrompts::WarnOkCancel(QWidget *, const QString &text)
{
    shown << "warning: " + text;
    if (warnings.isEmpty()) {
        unanswered << text;
        return false;
    }
    return warnings.takeFirst();
}

Prompts::FileChoice ScriptedPrompts::OpenFile(QWidget *, const QString &folder, const QStringList &)
{
    shown << "open: " + folder;
    if (files.isEmpty()) {
        unanswered << "open " + folder;
        return {};
    }
    return files.takeFirst();
}

Prompts::FileChoice ScriptedPrompts::SaveFile(QWidget *, const QString &proposedPath,
                                              const QStringList &)
{
    shown << "save: " + proposedPath;
    if (files.isEmpty()) {
        unanswered << "save " + proposedPath;
        return {};
    }
    return files.takeFirst();
}
