#pragma once

#include "core/islands/templatecatalog.h"
#include "core/players/playerrecord.h"

#include <QDialog>
#include <memory>

class Insel;
class QDialogButtonBox;
class QLabel;
class QListView;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TemplateListModel;

// "Insel einfügen…": the island templates of the game installation, grouped
// by climate (with the native variants) and size class, each with a picture
// of its ground, its size in tiles and its file name, and "Datei wählen…"
// for any other template file. The list is made from the folders alone; a
// template is read and drawn when its entry first comes into view, so the
// dialog opens at once however many templates there are.
class IslandTemplateDialog : public QDialog {
    Q_OBJECT

public:
    // `players` colour owned tiles as the map does; `fileFolder` is where
    // "Datei wählen…" starts.
    IslandTemplateDialog(const QString &gameFolder, PlayerArea players, const QString &fileFolder,
                         QWidget *parent = nullptr);
    ~IslandTemplateDialog() override;

    // The chosen template, read when the dialog was accepted; nothing
    // before, and after the first call.
    std::unique_ptr<Insel> TakeIsland();

    // How many templates the dialog lists, and how many of them it has read
    // and drawn so far.
    int templateCount() const;
    int previewsDrawn() const;

    void accept() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();
    void fillGroups();
    void showGroup(QTreeWidgetItem *node);
    void chooseFile();
    void updateButtons();

    std::vector<TemplateFileEntry> templates_;
    // The files of "Datei wählen…", in the order chosen.
    QStringList chosen_;
    QString fileFolder_;
    QTreeWidget *groups_ = nullptr;
    QListView *list_ = nullptr;
    TemplateListModel *model_ = nullptr;
    QLabel *hint_ = nullptr;
    QLabel *placing_ = nullptr;
    QPushButton *choose_ = nullptr;
    QDialogButtonBox *buttons_ = nullptr;
    // "Gewählte Dateien", once a file was chosen.
    QTreeWidgetItem *chosenNode_ = nullptr;
    std::unique_ptr<Insel> island_;
};
