#include "editor/app/marboltapplication.h"

#include "core/common/messages.h"
#include "editor/widgets/prompts.h"
#include "marbolt_version.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>
#include <exception>

MarboltApplication::MarboltApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    Q_INIT_RESOURCE(marbolt);
    SetUp(*this);
    setApplicationDisplayName(QStringLiteral("Tobrel's Brim Marbolt"));
    setDesktopFileName(QStringLiteral("io.github.tobrel.marbolt"));
    setWindowIcon(QIcon(QStringLiteral(":/marbolt.svg")));
}

void MarboltApplication::SetUp(QCoreApplication &app)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Tobrel"));
    QCoreApplication::setApplicationName(QStringLiteral("marbolt"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MARBOLT_VERSION));

    // Qt's own German texts, so that standard buttons read "Ja", "Nein",
    // "Abbrechen" and the command line's help is German too.
    auto *qtGerman = new QTranslator(&app);
    if (qtGerman->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtGerman);
}

bool MarboltApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        Prompts::Current().Error(activeWindow(),
                                 msg::unexpectedError(QString::fromLocal8Bit(e.what())));
    } catch (...) {
        Prompts::Current().Error(activeWindow(), msg::unexpectedError(QString()));
    }
    return false;
}
