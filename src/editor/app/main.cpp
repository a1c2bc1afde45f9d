// Tobrel's Brim Marbolt: a scenario editor for the game Brim.

#include "editor/app/marboltapplication.h"
#include "editor/app/startarguments.h"
#include "editor/app/tmainform.h"

#include <QSettings>
#include <cstdio>

namespace {

int printAndExit(const StartArguments &start)
{
    const QByteArray text = start.output.toLocal8Bit();
    std::FILE *to = start.outputIsError ? stderr : stdout;
    const bool written =
        std::fwrite(text.constData(), 1, size_t(text.size()), to) == size_t(text.size()) &&
        std::fflush(to) == 0;
    return written || start.outputIsError ? *start.exitCode : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    // Help, version and wrong options are answered without a window, so
    // they work where there is no display. Qt's own window options are only
    // known to the full application.
    {
        QCoreApplication app(argc, argv);
        MarboltApplication::setUp();
        const StartArguments start = readStartArguments(app.arguments());
        if (start.exitCode && !mayHoldQtOptions(app.arguments()))
            return printAndExit(start);
    }
    MarboltApplication app(argc, argv);
    // Qt's own options (-platform, -style, ...) are gone from the list by now.
    const StartArguments start = readStartArguments(app.arguments());
    if (start.exitCode)
        return printAndExit(start);
    // ~/.config/Tobrel/marbolt.conf
    QSettings settings;
    TMainForm window(nullptr, &settings);
    // The window comes first; reading a big scenario may take a moment.
    applyStartArgumentsAfterFirstFrame(window, start);
    window.show();
    return app.exec();
}
