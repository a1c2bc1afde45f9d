#include "support/ui/scriptedprompts.h"

ScriptedPrompts::ScriptedPrompts()
{
    Prompts::setCurrent(this);
}

ScriptedPrompts::~ScriptedPrompts()
{
    Prompts::setCurrent(nullptr);
}

void ScriptedPrompts::message(QWidget *, const QString &text)
{
    shown << "message: " + text;
}

void ScriptedPrompts::error(QWidget *, const QString &text)
{
    shown << "error: " + text;
}

Prompts::Answer ScriptedPrompts::askYesNoCancel(QWidget *, const QString &text)
{
    shown << "question: " + text;
    if (answers.isEmpty()) {
        unanswered << text;
        return Answer::Cancel;
    }
    return answers.takeFirst();
}

bool ScriptedPrompts::warnOkCancel(QWidget *, const QString &text)
{
    shown << "warning: " + text;
    if (warnings.isEmpty()) {
        unanswered << text;
        return false;
    }
    return warnings.takeFirst();
}

bool ScriptedPrompts::askYesNo(QWidget *, const QString &text)
{
    shown << "yes/no: " + text;
    if (yesNo.isEmpty()) {
        unanswered << text;
        return false;
    }
    return yesNo.takeFirst();
}

void ScriptedPrompts::notices(QWidget *, const QString &intro, const QStringList &lines)
{
    shown << "notices: " + intro;
    for (const QString &line : lines)
        shown << "notice: " + line;
}

Prompts::FileChoice ScriptedPrompts::openFile(QWidget *, const QString &folder, const QStringList &,
                                              const QString &)
{
    shown << "open: " + folder;
    if (files.isEmpty()) {
        unanswered << "open " + folder;
        return {};
    }
    return files.takeFirst();
}

Prompts::FileChoice ScriptedPrompts::saveFile(QWidget *, const QString &proposedPath,
                                              const QStringList &, const QString &, bool)
{
    shown << "save: " + proposedPath;
    if (files.isEmpty()) {
        unanswered << "save " + proposedPath;
        return {};
    }
    return files.takeFirst();
}

int ScriptedPrompts::chooseItem(QWidget *, const QString &, const QString &label,
                                const QStringList &items, int current)
{
    shown << "choice: " + label + " " + items.value(current);
    if (choices.isEmpty()) {
        unanswered << label;
        return -1;
    }
    return choices.takeFirst();
}

QString ScriptedPrompts::chooseFolder(QWidget *, const QString &, const QString &start)
{
    shown << "folder: " + start;
    if (folders.isEmpty()) {
        unanswered << "folder " + start;
        return {};
    }
    return folders.takeFirst();
}

void ScriptedPrompts::about(QWidget *, const QString &title, const QString &)
{
    shown << "about: " + title;
}
