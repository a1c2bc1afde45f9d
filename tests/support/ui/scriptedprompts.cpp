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

bool ScriptedPrompts::AskYesNo(QWidget *, const QString &text)
{
    shown << "yes/no: " + text;
    if (yesNo.isEmpty()) {
        unanswered << text;
        return false;
    }
    return yesNo.takeFirst();
}

void ScriptedPrompts::Notices(QWidget *, const QString &intro, const QStringList &lines)
{
    shown << "notices: " + intro;
    for (const QString &line : lines)
        shown << "notice: " + line;
}

Prompts::FileChoice ScriptedPrompts::OpenFile(QWidget *, const QString &folder, const QStringList &,
                                              const QString &)
{
    shown << "open: " + folder;
    if (files.isEmpty()) {
        unanswered << "open " + folder;
        return {};
    }
    return files.takeFirst();
}

Prompts::FileChoice ScriptedPrompts::SaveFile(QWidget *, const QString &proposedPath,
                                              const QStringList &, const QString &, bool)
{
    shown << "save: " + proposedPath;
    if (files.isEmpty()) {
        unanswered << "save " + proposedPath;
        return {};
    }
    return files.takeFirst();
}

int ScriptedPrompts::ChooseItem(QWidget *, const QString &, const QString &label,
                                const QStringList &items, int current)
{
    shown << "choice: " + label + " " + items.value(current);
    if (choices.isEmpty()) {
        unanswered << label;
        return -1;
    }
    return choices.takeFirst();
}

QString ScriptedPrompts::ChooseFolder(QWidget *, const QString &, const QString &start)
{
    shown << "folder: " + start;
    if (folders.isEmpty()) {
        unanswered << "folder " + start;
        return {};
    }
    return folders.takeFirst();
}

void ScriptedPrompts::About(QWidget *, const QString &title, const QString &)
{
    shown << "about: " + title;
}
