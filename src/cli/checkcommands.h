#pragma once

#include <QString>

class QTextStream;

// "check FILE": the findings of the scenario check, one line each (or a JSON
// array), on `out`. 0 when there is nothing to report, 1 when there are
// findings or the file cannot be read.
int RunCheck(const QString &path, bool json, QTextStream &out, QTextStream &err);

// "diff A B": what differs between two scenarios, one line each (or a JSON
// array), on `out`. 0 when they are the same, 1 when they differ, 2 when one
// of them cannot be read.
int RunDiff(const QString &a, const QString &b, bool json, QTextStream &out, QTextStream &err);
