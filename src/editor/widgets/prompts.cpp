#include "editor/widgets/prompts.h"

#include "core/common/messages.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

QString title()
{
    return QApplication::applicationDisplayName();
}

class DialogPrompts final : public Prompts {
public:
    void message(QWidget *parent, const QString &text) override
    {
        QMessageBox::information(parent, title(), text);
    }
    void error(QWidget *parent, const QString &text) override
    {
        QMessageBox::critical(parent, title(), text);
    }
    Answer askYesNoCancel(QWidget *parent, const QString &text) override
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
    bool warnOkCancel(QWidget *parent, const QString &text) override
    {
        return QMessageBox::warning(parent, title(), text, QMessageBox::Ok | QMessageBox::Cancel,
                                    QMessageBox::Cancel) == QMessageBox::Ok;
    }
    bool askYesNo(QWidget *parent, const QString &text) override
    {
        return QMessageBox::question(parent, title(), text, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    }
    void notices(QWidget *parent, const QString &intro, const QStringList &lines) override
    {
        QDialog dialog(parent);
        dialog.setObjectName(QStringLiteral("NoticesDialog"));
        dialog.setWindowTitle(msg::noticesTitle());
        auto *layout = new QVBoxLayout(&dialog);
        auto *label = new QLabel(intro, &dialog);
        label->setWordWrap(true);
        layout->addWidget(label);
        auto *list = new QListWidget(&dialog);
        list->addItems(lines);
        list->setWordWrap(true);
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        layout->addWidget(list);
        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        layout->addWidget(buttons);
        dialog.resize(560, 320);
        dialog.exec();
    }
    FileChoice openFile(QWidget *parent, const QString &folder, const QStringList &filters,
                        const QString &caption) override
    {
        return run(parent, QFileDialog::AcceptOpen, folder, filters, caption);
    }
    FileChoice saveFile(QWidget *parent, const QString &proposedPath, const QStringList &filters,
                        const QString &caption, bool askOverwrite) override
    {
        return run(parent, QFileDialog::AcceptSave, proposedPath, filters, caption, askOverwrite);
    }
    int chooseItem(QWidget *parent, const QString &caption, const QString &label,
                   const QStringList &items, int current) override
    {
        QInputDialog dialog(parent);
        dialog.setObjectName(QStringLiteral("ChooseItemDialog"));
        dialog.setWindowTitle(caption);
        dialog.setLabelText(label);
        dialog.setComboBoxItems(items);
        dialog.setComboBoxEditable(false);
        dialog.setTextValue(items.value(current));
        if (dialog.exec() != QDialog::Accepted)
            return -1;
        return int(items.indexOf(dialog.textValue()));
    }
    QString chooseFolder(QWidget *parent, const QString &caption, const QString &start) override
    {
        QFileDialog dialog(parent, caption, start);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly, true);
        sizeForColumns(dialog);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().first();
    }
    void about(QWidget *parent, const QString &caption, const QString &text) override
    {
        QMessageBox::about(parent, caption, text);
    }

private:
    // Qt's own dialog opens so narrow that the name column cuts the names
    // and the size and date columns are off to the right.
    static void sizeForColumns(QFileDialog &dialog)
    {
        dialog.resize(dialog.sizeHint().expandedTo(QSize(900, 540)));
        // In the detail view the name takes the room the other columns leave
        // and those show their values whole.
        if (auto *details = dialog.findChild<QTreeView *>(QStringLiteral("treeView"))) {
            QHeaderView *header = details->header();
            header->setStretchLastSection(false);
            header->setSectionResizeMode(QHeaderView::ResizeToContents);
            header->setSectionResizeMode(0, QHeaderView::Stretch);
        }
        if (auto *sides = dialog.findChild<QSplitter *>(QStringLiteral("splitter")))
            sides->setSizes({190, 710});
    }

    static FileChoice run(QWidget *parent, QFileDialog::AcceptMode mode, const QString &start,
                          const QStringList &filters, const QString &caption,
                          bool askOverwrite = true)
    {
        QFileDialog dialog(parent);
        dialog.setAcceptMode(mode);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !askOverwrite);
        if (!caption.isEmpty())
            dialog.setWindowTitle(caption);
        dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                           : QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::ReadOnly, false);
        dialog.setNameFilters(filters);
        sizeForColumns(dialog);
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

Prompts *installed = nullptr;

} // namespace

Prompts &Prompts::current()
{
    static DialogPrompts dialogs;
    return installed ? *installed : dialogs;
}

void Prompts::setCurrent(Prompts *prompts)
{
    installed = prompts;
}
