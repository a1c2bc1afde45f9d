#include "editor/map/islandtemplatedialog.h"

#include "core/common/messages.h"
#include "core/islands/insel.h"
#include "core/map/worldrenderer.h"
#include "editor/widgets/prompts.h"

#include <QAbstractListModel>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kPreviewSize = 96;

// Where a node of the group tree leads: a climate variant with all its
// size classes or with one of them.
constexpr int kClimateRole = Qt::UserRole;
constexpr int kNativeRole = Qt::UserRole + 1;
constexpr int kSizeRole = Qt::UserRole + 2;
// How many templates a node's group holds.
constexpr int kCountRole = Qt::UserRole + 3;

QString climateName(int climate, bool native)
{
    static const char *const names[Insel::Climates] = {
        QT_TRANSLATE_NOOP("IslandTemplateDialog", "Nord"),
        QT_TRANSLATE_NOOP("IslandTemplateDialog", "Süd"),
        QT_TRANSLATE_NOOP("IslandTemplateDialog", "ohne Klima")};
    const QString name = QCoreApplication::translate("IslandTemplateDialog", names[climate]);
    return native
               ? QCoreApplication::translate("IslandTemplateDialog", "%1 (Eingeborene)").arg(name)
               : name;
}

// The size classes by their size, with the stem of their file names.
QString sizeName(int sizeClass)
{
    static const char *const names[Insel::SizeClasses] = {
        QT_TRANSLATE_NOOP("IslandTemplateDialog", "sehr klein"),
        QT_TRANSLATE_NOOP("IslandTemplateDialog", "klein"),
        QT_TRANSLATE_NOOP("IslandTemplateDialog", "mittel"),
        QT_TRANSLATE_NOOP("IslandTemplateDialog", "groß"),
        QT_TRANSLATE_NOOP("IslandTemplateDialog", "sehr groß")};
    const QString stem = Insel::templateFile(0, sizeClass, false, IslandRecord::NoTemplateNumber)
                             .section(QLatin1Char('\\'), 1)
                             .section(QLatin1Char('.'), 0, 0);
    return QStringLiteral("%1 (%2)").arg(
        QCoreApplication::translate("IslandTemplateDialog", names[sizeClass]), stem);
}

QString withCount(const QString &text, int count)
{
    return QStringLiteral("%1 · %2").arg(text).arg(count);
}

// The island on the sea, as large as the square allows: enlarged in whole
// blocks, so that every tile stays crisp, reduced smoothly.
QPixmap thumbnailOf(const QImage &ground)
{
    QPixmap pixmap(kPreviewSize, kPreviewSize);
    pixmap.fill(QColor::fromRgb(World::Sea));
    QPainter painter(&pixmap);
    const int room = kPreviewSize - 8;
    const double scale = std::min(double(room) / ground.width(), double(room) / ground.height());
    const QSize size(std::max(1, int(ground.width() * scale)),
                     std::max(1, int(ground.height() * scale)));
    if (scale < 1.0)
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QRect target(QPoint(), size);
    target.moveCenter(pixmap.rect().center());
    painter.drawImage(target, ground);
    return pixmap;
}

// A grey square with a red cross: a template that could not be read.
QPixmap failedPreview()
{
    QPixmap pixmap(kPreviewSize, kPreviewSize);
    pixmap.fill(QColor(200, 200, 200));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(200, 40, 40), 6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(28, 28, 68, 68);
    painter.drawLine(68, 28, 28, 68);
    return pixmap;
}

} // namespace

// The templates of one group. An entry's file is read and its picture drawn
// when the view first asks for it, which a list view does only for the
// entries it shows; what was drawn is kept for the dialog's lifetime.
class TemplateListModel : public QAbstractListModel {
public:
    TemplateListModel(PlayerArea players, QObject *parent)
        : QAbstractListModel(parent), players_(players)
    {
    }

    void setEntries(std::vector<TemplateFileEntry> entries)
    {
        beginResetModel();
        entries_ = std::move(entries);
        endResetModel();
    }
    // Draws an entry from an island read already (a file the user chose).
    void addPreview(const QString &path, const Insel &island)
    {
        previews_.insert(path, previewFor(path, &island, QString()));
    }
    QString pathAt(const QModelIndex &index) const
    {
        return index.isValid() ? entries_[size_t(index.row())].path : QString();
    }
    int rowOf(const QString &path) const
    {
        for (size_t row = 0; row < entries_.size(); ++row) {
            if (entries_[row].path == path)
                return int(row);
        }
        return -1;
    }
    int drawn() const { return drawn_; }

    int rowCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : int(entries_.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= int(entries_.size()))
            return {};
        if (role != Qt::DisplayRole && role != Qt::DecorationRole && role != Qt::ToolTipRole)
            return {};
        const Preview &preview = previewOf(entries_[size_t(index.row())]);
        switch (role) {
        case Qt::DisplayRole:
            return preview.text;
        case Qt::DecorationRole:
            return preview.picture;
        default:
            return preview.toolTip;
        }
    }

private:
    struct Preview {
        QPixmap picture;
        QString text;
        QString toolTip;
    };

    Preview previewFor(const QString &path, const Insel *island, const QString &error) const
    {
        const QString name = QFileInfo(path).fileName();
        const QString shownPath = QDir::toNativeSeparators(path);
        ++drawn_;
        if (!island)
            return {
                failedPreview(),
                QCoreApplication::translate("IslandTemplateDialog", "%1\nnicht lesbar").arg(name),
                error};
        const QString size = QStringLiteral("%1 × %2").arg(island->width()).arg(island->height());
        return {thumbnailOf(WorldPicture::groundPicture(*island, players_)),
                name + QLatin1Char('\n') + size,
                QCoreApplication::translate("IslandTemplateDialog", "%1\n%2 Felder")
                    .arg(shownPath, size)};
    }

    const Preview &previewOf(const TemplateFileEntry &entry) const
    {
        auto it = previews_.constFind(entry.path);
        if (it != previews_.constEnd())
            return *it;
        QString error;
        const std::unique_ptr<Insel> island = Insel::fromTemplateFile(entry.path, &error);
        return *previews_.insert(entry.path, previewFor(entry.path, island.get(), error));
    }

    PlayerArea players_;
    std::vector<TemplateFileEntry> entries_;
    mutable QHash<QString, Preview> previews_;
    mutable int drawn_ = 0;
};

IslandTemplateDialog::IslandTemplateDialog(const QString &gameFolder, PlayerArea players,
                                           const QString &fileFolder, QWidget *parent)
    : QDialog(parent), templates_(listTemplateFiles(gameFolder)), fileFolder_(fileFolder)
{
    setObjectName(QStringLiteral("IslandTemplateDialog"));

    groups_ = new QTreeWidget;
    groups_->setObjectName(QStringLiteral("templateGroups"));
    groups_->setHeaderHidden(true);
    groups_->setRootIsDecorated(true);

    model_ = new TemplateListModel(players, this);
    list_ = new QListView;
    list_->setObjectName(QStringLiteral("templateList"));
    list_->setViewMode(QListView::IconMode);
    list_->setMovement(QListView::Static);
    list_->setResizeMode(QListView::Adjust);
    list_->setWrapping(true);
    // All entries are the same size, so the view lays them out without
    // asking each for its picture: only the shown ones are read and drawn.
    list_->setUniformItemSizes(true);
    list_->setIconSize(QSize(kPreviewSize, kPreviewSize));
    const int textHeight = 2 * fontMetrics().lineSpacing();
    list_->setGridSize(QSize(kPreviewSize + 36, kPreviewSize + textHeight + 16));
    list_->setSpacing(4);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setModel(model_);

    auto *splitter = new QSplitter;
    splitter->addWidget(groups_);
    splitter->addWidget(list_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({200, 560});
    splitter->setChildrenCollapsible(false);

    hint_ = new QLabel;
    hint_->setObjectName(QStringLiteral("noTemplatesHint"));
    hint_->setWordWrap(true);
    hint_->setVisible(templates_.empty());
    auto *placing = placing_ = new QLabel;
    placing->setWordWrap(true);
    placing->setForegroundRole(QPalette::PlaceholderText);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto *choose = choose_ = buttons_->addButton(QString(), QDialogButtonBox::ActionRole);
    choose->setObjectName(QStringLiteral("chooseFileButton"));
    choose->setAutoDefault(false);
    connect(choose, &QPushButton::clicked, this, &IslandTemplateDialog::chooseFile);
    connect(buttons_, &QDialogButtonBox::accepted, this, &IslandTemplateDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &IslandTemplateDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(hint_);
    layout->addWidget(splitter, 1);
    layout->addWidget(placing);
    layout->addWidget(buttons_);
    resize(800, 560);

    connect(groups_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *node) { showGroup(node); });
    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &IslandTemplateDialog::updateButtons);
    connect(list_, &QListView::activated, this, &IslandTemplateDialog::accept);
    fillGroups();
    retranslateUi();
    updateButtons();
}

IslandTemplateDialog::~IslandTemplateDialog() = default;

void IslandTemplateDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

// The pictures' texts already drawn keep their language.
void IslandTemplateDialog::retranslateUi()
{
    setWindowTitle(msg::insertIslandTitle());
    hint_->setText(msg::noTemplatesFound());
    placing_->setText(msg::placingHint());
    buttons_->button(QDialogButtonBox::Ok)->setText(tr("Einfügen"));
    choose_->setText(tr("Datei wählen…"));
    for (QTreeWidgetItemIterator it(groups_); *it; ++it) {
        QTreeWidgetItem *node = *it;
        const int count = node->data(0, kCountRole).toInt();
        if (node == chosenNode_) {
            node->setText(0, withCount(tr("Gewählte Dateien"), count));
        } else {
            const int sizeClass = node->data(0, kSizeRole).toInt();
            node->setText(0,
                          withCount(sizeClass < 0 ? climateName(node->data(0, kClimateRole).toInt(),
                                                                node->data(0, kNativeRole).toBool())
                                                  : sizeName(sizeClass),
                                    count));
        }
    }
}

// One node per climate variant, under it one per size class, each with its
// count; the first variant is shown.
void IslandTemplateDialog::fillGroups()
{
    QTreeWidgetItem *variant = nullptr;
    QTreeWidgetItem *size = nullptr;
    int variantCount = 0;
    int sizeCount = 0;
    for (const TemplateFileEntry &entry : templates_) {
        if (!variant || variant->data(0, kClimateRole).toInt() != entry.climate ||
            variant->data(0, kNativeRole).toBool() != entry.native) {
            variant = new QTreeWidgetItem(groups_);
            variant->setData(0, kClimateRole, entry.climate);
            variant->setData(0, kNativeRole, entry.native);
            variant->setData(0, kSizeRole, -1);
            variantCount = 0;
            size = nullptr;
        }
        if (!size || size->data(0, kSizeRole).toInt() != entry.sizeClass) {
            size = new QTreeWidgetItem(variant);
            size->setData(0, kClimateRole, entry.climate);
            size->setData(0, kNativeRole, entry.native);
            size->setData(0, kSizeRole, entry.sizeClass);
            sizeCount = 0;
        }
        variant->setData(0, kCountRole, ++variantCount);
        size->setData(0, kCountRole, ++sizeCount);
    }
    groups_->expandAll();
    if (QTreeWidgetItem *first = groups_->topLevelItem(0))
        groups_->setCurrentItem(first);
}

void IslandTemplateDialog::showGroup(QTreeWidgetItem *node)
{
    if (!node)
        return;
    if (node == chosenNode_) {
        std::vector<TemplateFileEntry> chosen;
        for (const QString &path : chosen_) {
            TemplateFileEntry entry;
            entry.path = path;
            entry.fileName = QFileInfo(path).fileName();
            chosen.push_back(entry);
        }
        model_->setEntries(std::move(chosen));
    } else {
        const int climate = node->data(0, kClimateRole).toInt();
        const bool native = node->data(0, kNativeRole).toBool();
        const int sizeClass = node->data(0, kSizeRole).toInt();
        std::vector<TemplateFileEntry> shown;
        for (const TemplateFileEntry &entry : templates_) {
            if (entry.climate == climate && entry.native == native &&
                (sizeClass < 0 || entry.sizeClass == sizeClass))
                shown.push_back(entry);
        }
        model_->setEntries(std::move(shown));
    }
    if (model_->rowCount(QModelIndex()) > 0)
        list_->setCurrentIndex(model_->index(0));
    list_->scrollToTop();
    updateButtons();
}

// The file is read at once: one that cannot be read is named with its
// reason and not listed.
void IslandTemplateDialog::chooseFile()
{
    const Prompts::FileChoice choice = Prompts::current().openFile(
        this, fileFolder_, {tr("Brim Inseldateien (*.scp)"), tr("Alle Dateien (*)")},
        msg::chooseTemplateFileTitle());
    if (choice.path.isEmpty())
        return;
    const QString path = QFileInfo(choice.path).absoluteFilePath();
    fileFolder_ = QFileInfo(path).absolutePath();
    QString error;
    const std::unique_ptr<Insel> island = Insel::fromTemplateFile(path, &error);
    if (!island) {
        Prompts::current().error(this, error);
        return;
    }
    // A file chosen again shows what it holds now.
    model_->addPreview(path, *island);
    if (!chosen_.contains(path))
        chosen_ << path;
    if (!chosenNode_)
        chosenNode_ = new QTreeWidgetItem(groups_);
    chosenNode_->setData(0, kCountRole, int(chosen_.size()));
    chosenNode_->setText(0, withCount(tr("Gewählte Dateien"), int(chosen_.size())));
    hint_->hide();
    // Shows the chosen files with this one selected.
    if (groups_->currentItem() == chosenNode_)
        showGroup(chosenNode_);
    else
        groups_->setCurrentItem(chosenNode_);
    list_->setCurrentIndex(model_->index(model_->rowOf(path)));
    list_->setFocus();
}

void IslandTemplateDialog::updateButtons()
{
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(list_->currentIndex().isValid());
}

// The template is read again as it is now; one that fails is named with
// its reason, and the dialog stays open for another choice.
void IslandTemplateDialog::accept()
{
    const QString path = model_->pathAt(list_->currentIndex());
    if (path.isEmpty())
        return;
    QString error;
    std::unique_ptr<Insel> island = Insel::fromTemplateFile(path, &error);
    if (!island) {
        Prompts::current().error(this, error);
        return;
    }
    island_ = std::move(island);
    QDialog::accept();
}

std::unique_ptr<Insel> IslandTemplateDialog::TakeIsland()
{
    return std::move(island_);
}

int IslandTemplateDialog::templateCount() const
{
    return int(templates_.size());
}

int IslandTemplateDialog::previewsDrawn() const
{
    return model_->drawn();
}
