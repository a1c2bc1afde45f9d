#pragma once

// What the editor's command line asks for: help or version text to print,
// or the file to open and the folder to show when the window comes up.

#include <QString>
#include <QStringList>
#include <optional>

class TMainForm;

struct StartArguments {
    // Set when the program only prints `output` and ends with this code
    // (--help, --version, a wrong option).
    std::optional<int> exitCode;
    QString output;
    bool outputIsError = false;

    QString file;         // the scenario to open
    QString folder;       // a folder to select in the folder tree
    QStringList ignored;  // further files, named in a notice
    QStringList rejected; // arguments that name nothing on this computer
};

// Reads the arguments (the first is the program) as the editor takes them:
// files, folders and file:// URIs, relative ones against the working folder.
StartArguments readStartArguments(const QStringList &arguments);

// Whether an argument may be one of the options Qt's windowing takes itself
// (-platform, -style, ...), which only the full application removes.
bool mayHoldQtOptions(const QStringList &arguments);

// Opens the file or selects the folder in `window`, and names whatever was
// left out in one notice.
void applyStartArguments(TMainForm &window, const StartArguments &start);
// The same, once the window's first frame is painted: the window shows at
// once, empty, and the scenario follows without waiting for anything else.
void applyStartArgumentsAfterFirstFrame(TMainForm &window, const StartArguments &start);
