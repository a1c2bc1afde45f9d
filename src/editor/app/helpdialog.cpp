#include "editor/app/helpdialog.h"

#include "core/common/messages.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// The README as installed beside the program, if there is one.
QString installedReadme()
{
    QStringList candidates;
    const QString app = QCoreApplication::applicationDirPath();
    candidates << app + QStringLiteral("/../share/doc/marbolt/README.md");
    for (const QString &data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        candidates << data + QStringLiteral("/doc/marbolt/README.md");
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return QDir::cleanPath(candidate);
    }
    return {};
}

} // namespace

void ShowHelpDialog(QWidget *parent)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("HelpDialog"));
    dialog.setWindowTitle(msg::helpTitle());
    auto *layout = new QVBoxLayout(&dialog);
    auto *text = new QTextBrowser(&dialog);
    text->setObjectName(QStringLiteral("HelpText"));
    text->setOpenExternalLinks(true);
    const QString readme = installedReadme();
    if (readme.isEmpty())
        text->setHtml(msg::builtInHelp());
    else
        text->setSource(QUrl::fromLocalFile(readme), QTextDocument::MarkdownResource);
    layout->addWidget(text);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(640, 520);
    dialog.exec();
}
