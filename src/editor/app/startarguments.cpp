#include "editor/app/startarguments.h"

#include "core/common/messages.h"
#include "editor/app/tmainform.h"
#include "editor/widgets/prompts.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>

#include <functional>

namespace {

// Runs a function once, as soon as the first paint of the watched window is
// done. The window paints before its children, all in one go, so the
// function comes after the whole first frame.
class AfterFirstPaint final : public QObject {
public:
    AfterFirstPaint(QWidget *window, std::function<void()> then)
        : QObject(window), then_(std::move(then))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && then_) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, watched, std::exchange(then_, nullptr));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> then_;
};

void describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QCoreApplication::translate(
        "StartArguments",
        "Tobrel's Brim Marbolt: Szenario-Editor für das Inselhandelsspiel Brim."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QCoreApplication::translate("StartArguments", "dateien"),
        QCoreApplication::translate("StartArguments",
                                    "Das zu öffnende Szenario (*.szs, *.szm, *.mfs, *.mfm, *.gam) "
                                    "oder ein Ordner, der im Ordnerbaum gezeigt wird; auch als "
                                    "file://-Adresse."),
        QCoreApplication::translate("StartArguments", "[datei|ordner...]"));
}

// A local path for a path or a file:// URI; empty for any other URL.
QString localPath(const QString &argument)
{
    if (argument.contains(QLatin1String("://"))) {
        const QUrl url(argument);
        return url.isLocalFile() ? url.toLocalFile() : QString();
    }
    return QFileInfo(QDir::current(), argument).absoluteFilePath();
}

} // namespace

bool mayHoldQtOptions(const QStringList &arguments)
{
    static const QStringList qtOptions = {QStringLiteral("platform"),
                                          QStringLiteral("platformpluginpath"),
                                          QStringLiteral("platformtheme"),
                                          QStringLiteral("plugin"),
                                          QStringLiteral("qwindowgeometry"),
                                          QStringLiteral("qwindowicon"),
                                          QStringLiteral("qwindowtitle"),
                                          QStringLiteral("reverse"),
                                          QStringLiteral("session"),
                                          QStringLiteral("display"),
                                          QStringLiteral("geometry"),
                                          QStringLiteral("style"),
                                          QStringLiteral("stylesheet"),
                                          QStringLiteral("widgetcount"),
                                          QStringLiteral("name"),
                                          QStringLiteral("title"),
                                          QStringLiteral("visual"),
                                          QStringLiteral("nograb"),
                                          QStringLiteral("dograb"),
                                          QStringLiteral("sync"),
                                          QStringLiteral("qmljsdebugger")};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--"))
            break;
        if (!argument.startsWith(QLatin1Char('-')))
            continue;
        QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        name = name.section(QLatin1Char('='), 0, 0);
        if (qtOptions.contains(name))
            return true;
    }
    return false;
}

StartArguments readStartArguments(const QStringList &arguments)
{
    StartArguments start;
    QCommandLineParser parser;
    describe(parser);
    if (!parser.parse(arguments)) {
        start.exitCode = 2;
        start.outputIsError = true;
        start.output = QCoreApplication::applicationName() + QStringLiteral(": ") +
                       parser.errorText() + QLatin1Char('\n') +
                       QCoreApplication::translate("StartArguments", "Mehr dazu: %1 --help\n")
                           .arg(QCoreApplication::applicationName());
        return start;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        start.exitCode = 0;
        start.output = parser.helpText();
        return start;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        start.exitCode = 0;
        start.output = QCoreApplication::applicationName() + QLatin1Char(' ') +
                       QCoreApplication::applicationVersion() + QLatin1Char('\n');
        return start;
    }
    for (const QString &argument : parser.positionalArguments()) {
        const QString path = localPath(argument);
        if (path.isEmpty()) {
            start.rejected << argument;
        } else if (QFileInfo(path).isDir()) {
            // A folder only counts while no file came: the tree then shows
            // the file's folder anyway.
            if (start.file.isEmpty() && start.folder.isEmpty())
                start.folder = QDir::cleanPath(path);
            else
                start.ignored << QDir::toNativeSeparators(path);
        } else if (start.file.isEmpty()) {
            start.file = QDir::cleanPath(path);
            start.folder.clear();
        } else {
            start.ignored << QDir::toNativeSeparators(path);
        }
    }
    return start;
}

void applyStartArguments(TMainForm &window, const StartArguments &start)
{
    if (!start.file.isEmpty())
        window.openAndSelect(start.file);
    else if (!start.folder.isEmpty())
        window.selectFolder(start.folder);
    QStringList notices;
    for (const QString &argument : start.rejected)
        notices << msg::notALocalFile(argument);
    if (!start.ignored.isEmpty())
        notices << msg::furtherFilesNotOpened(start.ignored);
    if (!notices.isEmpty())
        Prompts::current().message(&window, notices.join(QStringLiteral("\n\n")));
}

void applyStartArgumentsAfterFirstFrame(TMainForm &window, const StartArguments &start)
{
    new AfterFirstPaint(&window, [&window, start] { applyStartArguments(window, start); });
}
