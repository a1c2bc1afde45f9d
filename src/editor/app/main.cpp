// Tobrel's Brim Marbolt: a scenario editor for the game Brim.

#include "editor/app/marboltapplication.h"
#include "editor/app/tmainform.h"

int main(int argc, char *argv[])
{
    MarboltApplication app(argc, argv);
    TMainForm window;
    window.show();
    // A file manager passes the one file to open.
    const QStringList args = app.arguments();
    if (args.size() > 1)
        window.OpenAndSelect(args.at(1));
    return app.exec();
}
