// The application object: German standard buttons, and an error escaping an
// event handler becomes a message instead of ending the program.

#include "editor/app/marboltapplication.h"
#include "support/ui/scriptedprompts.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <stdexcept>

namespace {

class Throwing : public QObject {
public:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User)
            throw std::runtime_error("kaputt");
        return QObject::event(e);
    }
};

} // namespace

class TestApplication : public QObject {
    Q_OBJECT

private slots:
    void standardButtonsAreGerman()
    {
        QMessageBox box(QMessageBox::Question, QString(), QString(),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Yes)->text().remove('&'), QStringLiteral("Ja"));
        QCOMPARE(box.button(QMessageBox::No)->text().remove('&'), QStringLiteral("Nein"));
        QCOMPARE(box.button(QMessageBox::Cancel)->text().remove('&'), QStringLiteral("Abbrechen"));
    }

    void escapingErrorIsShownAndTheLoopGoesOn()
    {
        ScriptedPrompts prompts;
        Throwing target;
        QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
        QCoreApplication::processEvents();
        QCOMPARE(prompts.shown.size(), 1);
        QVERIFY(prompts.shown.first().startsWith("error: "));
        QVERIFY(prompts.shown.first().contains("kaputt"));

        bool ran = false;
        QTimer::singleShot(0, [&] { ran = true; });
        QTRY_VERIFY(ran);
    }
};

int main(int argc, char *argv[])
{
    MarboltApplication app(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
