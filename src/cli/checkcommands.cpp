#include "cli/checkcommands.h"

#include "core/check/scenariocheck.h"
#include "core/check/scenariodiff.h"
#include "core/common/messages.h"
#include "core/document/rumoszen.h"

#include <QJsonDocument>
#include <QTextStream>
#include <algorithm>

namespace {

// Loads a scenario as the editor does; load notices go to `err`, and a
// failed load as the other commands report it: the sentence, the file and
// the reason.
bool load(RumoSzen &doc, const QString &path, QTextStream &err)
{
    const auto loaded = doc.Load(path);
    for (const QString &notice : doc.notices())
        err << notice << '\n';
    if (!loaded) {
        err << msg::readScenarioFailed() << ' ' << path;
        if (!loaded.error().isEmpty())
            err << ": " << loaded.error();
        err << '\n';
    }
    err.flush();
    return loaded.ok();
}

} // namespace

int runCheck(const QString &path, bool json, QTextStream &out, QTextStream &err)
{
    RumoSzen doc;
    if (!load(doc, path, err))
        return ExitTrouble;
    const QList<Finding> findings = ScenarioCheck::Run(doc);
    if (json) {
        out << QJsonDocument(ScenarioCheck::toJson(findings)).toJson(QJsonDocument::Indented);
    } else {
        for (const Finding &f : findings)
            out << f.line() << '\n';
    }
    // Information alone (chunks the program carries unread, which every
    // scenario of the game has) is nothing to act on.
    const bool actionable = std::any_of(findings.begin(), findings.end(), [](const Finding &f) {
        return f.severity != Finding::Severity::Information;
    });
    return actionable ? ExitFound : ExitNothing;
}

int runDiff(const QString &a, const QString &b, bool json, QTextStream &out, QTextStream &err)
{
    RumoSzen docA;
    RumoSzen docB;
    if (!load(docA, a, err) || !load(docB, b, err))
        return ExitTrouble;
    const QList<DiffLine> lines = ScenarioDiff::Compare(docA, docB);
    if (json) {
        out << QJsonDocument(ScenarioDiff::toJson(lines)).toJson(QJsonDocument::Indented);
    } else {
        for (const DiffLine &line : lines)
            out << line.text << '\n';
    }
    return lines.isEmpty() ? ExitNothing : ExitFound;
}
