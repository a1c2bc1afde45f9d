#pragma once

#include <QApplication>

// The editor's application object: German standard buttons, our title and
// icon, and a message instead of a crash when an error escapes an event
// handler.
class MarboltApplication : public QApplication {
    Q_OBJECT

public:
    MarboltApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};
