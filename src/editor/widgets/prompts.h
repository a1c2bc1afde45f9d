#pragma once

// Every message box, question and file dialog of the editor goes through this
// one interface, so that tests can answer them without a window blocking.

#include <QString>
#include <QStringList>

class QWidget;

class Prompts {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompts() = default;

    // A plain message with an OK button.
    virtual void message(QWidget *parent, const QString &text) = 0;
    // An error with an OK button.
    virtual void error(QWidget *parent, const QString &text) = 0;
    // A question with Yes, No and Cancel.
    virtual Answer askYesNoCancel(QWidget *parent, const QString &text) = 0;
    // A warning with OK and Cancel; true for OK.
    virtual bool warnOkCancel(QWidget *parent, const QString &text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool askYesNo(QWidget *parent, const QString &text) = 0;
    // All notices of one load in one window: `intro` above a list of `lines`.
    virtual void notices(QWidget *parent, const QString &intro, const QStringList &lines) = 0;

    struct FileChoice {
        QString path;   // empty when cancelled
        int filter = 0; // index of the chosen filter
    };
    // `filters` in Qt's form, e.g. "Vo Einzelspieler (*.szs)"; `title` names
    // the dialog's purpose (Qt's "Öffnen" / "Speichern unter" when empty).
    virtual FileChoice openFile(QWidget *parent, const QString &folder, const QStringList &filters,
                                const QString &title = QString()) = 0;
    // Asks before overwriting an existing file, unless `askOverwrite` is
    // false: then the caller asks itself (AskYesNo), so the question is the
    // same for every name, also one the caller completes.
    virtual FileChoice saveFile(QWidget *parent, const QString &proposedPath,
                                const QStringList &filters, const QString &title = QString(),
                                bool askOverwrite = true) = 0;
    // One of `items` in a small dialog, `current` chosen at first; its
    // index, or -1 when cancelled.
    virtual int chooseItem(QWidget *parent, const QString &title, const QString &label,
                           const QStringList &items, int current) = 0;

    // A folder; empty when cancelled.
    virtual QString chooseFolder(QWidget *parent, const QString &title, const QString &start) = 0;
    // The program's "about" box with a rich `text`.
    virtual void about(QWidget *parent, const QString &title, const QString &text) = 0;

    // The prompts in use; QMessageBox and QFileDialog unless a test set others.
    static Prompts &current();
    // Replaces the prompts in use (tests); nullptr restores the default.
    static void setCurrent(Prompts *prompts);
};
