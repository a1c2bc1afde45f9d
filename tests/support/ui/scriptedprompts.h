#pragma once

// Answers the editor's messages, questions and file dialogs from a script, so
// that widget tests never block on a window. Installed for its lifetime.

#include "editor/widgets/prompts.h"

#include <QList>
#include <QStringList>

class ScriptedPrompts final : public Prompts {
public:
    ScriptedPrompts();
    ~ScriptedPrompts() override;

    // Answers used in order; a prompt with no answer left is recorded in
    // `unanswered` and gets Cancel (or an empty file choice).
    QList<Answer> answers;
    QList<bool> warnings;
    QList<bool> yesNo;
    QList<FileChoice> files;
    QStringList folders;
    QList<int> choices;

    // Every text shown, in order, prefixed with its kind: "message: ",
    // "error: ", "question: ", "warning: ", "yes/no: ", "open: ", "save: ",
    // "choice: " (with its label and the item chosen at first),
    // "folder: " (with its start) or "about: " (with its title)
    // (the file dialogs record the folder or proposed path they were given);
    // a notices window records "notices: " with its intro, then one entry
    // "notice: " per line.
    QStringList shown;
    QStringList unanswered;

    void message(QWidget *parent, const QString &text) override;
    void error(QWidget *parent, const QString &text) override;
    Answer askYesNoCancel(QWidget *parent, const QString &text) override;
    bool warnOkCancel(QWidget *parent, const QString &text) override;
    bool askYesNo(QWidget *parent, const QString &text) override;
    void notices(QWidget *parent, const QString &intro, const QStringList &lines) override;
    FileChoice openFile(QWidget *parent, const QString &folder, const QStringList &filters,
                        const QString &title) override;
    FileChoice saveFile(QWidget *parent, const QString &proposedPath, const QStringList &filters,
                        const QString &title, bool askOverwrite) override;
    int chooseItem(QWidget *parent, const QString &title, const QString &label,
                   const QStringList &items, int current) override;
    QString chooseFolder(QWidget *parent, const QString &title, const QString &start) override;
    void about(QWidget *parent, const QString &title, const QString &text) override;
};
