#include "editor/app/marboltapplication.h"

#include "core/common/messages.h"
#include "editor/app/languagemenu.h"
#include "editor/widgets/prompts.h"
#include "marbolt_version.h"

#include <QIcon>
#include <QSettings>
#include <exception>

MarboltApplication::MarboltApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    Q_INIT_RESOURCE(marbolt);
    setUp();
    setApplicationDisplayName(QStringLiteral("Tobrel's Brim Marbolt"));
    setDesktopFileName(QStringLiteral("io.github.tobrel.marbolt"));
    setWindowIcon(QIcon(QStringLiteral(":/marbolt.svg")));
}

void MarboltApplication::setUp()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Tobrel"));
    QCoreApplication::setApplicationName(QStringLiteral("marbolt"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MARBOLT_VERSION));

    // The language chosen in "Ansicht → Sprache", or the desktop's. Under
    // German, Qt's own German texts come with it, so that standard buttons
    // read "Ja", "Nein", "Abbrechen" and the command line's help is German.
    LanguageMenu::applyStored(QSettings());
}

bool MarboltApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        Prompts::current().error(activeWindow(),
                                 msg::unexpectedError(QString::fromLocal8Bit(e.what())));
    } catch (...) {
        Prompts::current().error(activeWindow(), msg::unexpectedError(QString()));
    }
    return false;
}
