#include "app/prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QString title()
{
    return QApplication::applicationName();
}

class DialogPrompts final : public Prompts {
public:
    void Message(QWidget *parent, const QString &text) override
    {
        QMessageBox::information(parent, title(), text);
    }
    void Error(QWidget *parent, const QString &text) override
    {
        QMessageBox::critical(parent, title(), text);
    }
    Answer AskYesNoCancel(QWidget *parent, const QString &text) override
    {
        switch (QMessageBox::question(parent, title(), text,
                                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                      QMessageBox::Yes)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
        }
    }
    bool WarnOkCancel(QWidget *parent, const QString &text) override
    {
        return QMessageBox::warning(parent, title(), text, QMessageBox::Ok | QMessageBox::Cancel,
                                    QMessageBox::Cancel) == QMessageBox::Ok;
    }
    FileChoice OpenFile(QWidget *parent, const QString &folder, const QStringList &filters) override
    {
        return run(parent, QFileDialog::AcceptOpen, folder, filters);
    }
    FileChoice SaveFile(QWidget *parent, const QString &proposedPath,
                        const QStringList &filters) override
    {
        return run(parent, QFileDialog::AcceptSave, proposedPath, filters);
    }

private:
    static FileChoice run(QWidget *parent, QFileDialog::AcceptMode mode, const QString &start,
                          const QStringList &filters)
    {
        QFileDialog dialog(parent);
        dialog.setAcceptMode(mode);
        dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                           : QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::ReadOnly, false);
        dialog.setNameFilters(filters);
        const QFileInfo info(start);
        if (info.isDir()) {
            dialog.setDirectory(start);
        } else if (!start.isEmpty()) {
            dialog.setDirectory(info.absolutePath());
            dialog.selectFile(info.fileName());
        }
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return {dialog.selectedFiles().first(), int(filters.indexOf(dialog.selectedNameFilter()))};
    }
};

Prompts *current = nullptr;

} // namespace

Prompts &Prompts::Current()
{
    static DialogPrompts dialogs;
    return current ? *current : dialogs;
}

void Prompts::SetCurrent(Prompts *prompts)
{
    current = prompts;
}
