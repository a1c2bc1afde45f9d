#pragma once

#include <QString>

class QTextStream;

// The exit status of check and diff, as diff(1) has it.
enum ExitStatus {
    // Nothing to report, or the same.
    ExitNothing = 0,
    // Warnings or errors found, or the scenarios differ.
    ExitFound = 1,
    // Trouble: wrong usage, a file that cannot be read, output that cannot
    // be written.
    ExitTrouble = 2,
};

// "check FILE": the findings of the scenario check, one line each (or a JSON
// array), on `out`. ExitFound only for warnings and errors: information alone
// is ExitNothing. A file that cannot be read is ExitTrouble, with its error
// on `err`.
int runCheck(const QString &path, bool json, QTextStream &out, QTextStream &err);

// "diff A B": what differs between two scenarios, one line each (or a JSON
// array), on `out`. ExitNothing when they are the same, ExitFound when they
// differ, ExitTrouble when one of them cannot be read.
int runDiff(const QString &a, const QString &b, bool json, QTextStream &out, QTextStream &err);
