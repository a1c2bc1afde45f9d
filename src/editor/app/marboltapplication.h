#pragma once

#include <QApplication>

// The editor's application object: the chosen language, our names and
// icon, and a message instead of a crash when an error escapes an event
// handler.
class MarboltApplication : public QApplication {
    Q_OBJECT

public:
    MarboltApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Names, version and the chosen language for the running application;
    // also used for the bare
    // application that answers --help and --version without a display.
    // The organisation and application names are plain ASCII, as they name
    // the settings file (~/.config/Tobrel/marbolt.conf).
    static void setUp();
};
