#include "map/mappage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QLabel *titleLabel(QWidget *parent, const char *name, const QString &text, const QString &family,
                   int pixels, bool boldItalic, QPoint at)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(boldItalic);
    font.setItalic(boldItalic);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(palette);
    label->adjustSize();
    label->move(at);
    return label;
}

} // namespace

MapPage::MapPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabKarte"));

    // Panel9 holds the map; the start screen sits over it until a load.
    panel9_ = new QWidget(this);
    panel9_->setObjectName(QStringLiteral("Panel9"));
    auto *mapLayout = new QGridLayout(panel9_);
    startScreen_ = makeStartScreen();
    mapLayout->addWidget(startScreen_, 0, 0, Qt::AlignCenter);

    panel5_ = new QWidget(this);
    panel5_->setObjectName(QStringLiteral("Panel5"));
    panel5_->setFixedWidth(200);
    auto *sideLayout = new QVBoxLayout(panel5_);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    objectTree_ = new QTreeWidget(panel5_);
    objectTree_->setObjectName(QStringLiteral("ObjectTree"));
    objectTree_->setHeaderHidden(true);
    objectTree_->setIndentation(19);
    objectTree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    islandsNode_ = new QTreeWidgetItem(objectTree_, {QStringLiteral("Inseln und Städte")});
    shipsNode_ = new QTreeWidgetItem(objectTree_, {QStringLiteral("Schiffe und Karren")});
    sideLayout->addWidget(objectTree_);
    panel5_->hide();

    panel8_ = new QWidget(this);
    panel8_->setObjectName(QStringLiteral("Panel8"));
    panel8_->setFixedHeight(180);
    auto *editorLayout = new QVBoxLayout(panel8_);
    editorLayout->setContentsMargins(0, 0, 0, 0);
    pcKarte_ = new QTabWidget(panel8_);
    pcKarte_->setObjectName(QStringLiteral("pcKarte"));
    pcKarte_->setTabPosition(QTabWidget::South);
    auto *tabStadt = new QWidget;
    tabStadt->setObjectName(QStringLiteral("tabStadt"));
    auto *tabSchiff = new QWidget;
    tabSchiff->setObjectName(QStringLiteral("tabSchiff"));
    pcKarte_->addTab(tabStadt, QStringLiteral("Stadt"));
    pcKarte_->addTab(tabSchiff, QStringLiteral("Schiff/Karren"));
    editorLayout->addWidget(pcKarte_);
    panel8_->hide();

    auto *left = new QVBoxLayout;
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(panel9_, 1);
    left->addWidget(panel8_);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(left, 1);
    layout->addWidget(panel5_);
}

// "Tobrel's", the picture and "Marbolt" in the editor's blue, with the
// version below; the positions keep the composition of the original screen.
QWidget *MapPage::makeStartScreen()
{
    auto *screen = new QWidget;
    screen->setObjectName(QStringLiteral("StartScreen"));
    screen->setFixedSize(420, 280);
    const QPoint origin(40, 40);
    titleLabel(screen, "lbTitle1", QStringLiteral("Tobrel's"), QStringLiteral("Verdana"), 27, true,
               QPoint(167, 61) - origin);
    auto *picture = new QLabel(screen);
    picture->setObjectName(QStringLiteral("imTitle1"));
    picture->setPixmap(QIcon(QStringLiteral(":/title.svg")).pixmap(QSize(94, 57)));
    picture->setGeometry(QRect(QPoint(200, 110) - origin, QSize(94, 57)));
    titleLabel(screen, "lbTitle2", QStringLiteral("Marbolt"), QStringLiteral("Verdana"), 37, true,
               QPoint(61, 184) - origin);
    titleLabel(screen, "lbTitle3", QStringLiteral("Version 1.0 - 10.09.2007"),
               QStringLiteral("Microsoft Sans Serif"), 13, false, QPoint(163, 245) - origin);
    titleLabel(screen, "lbTitle4", QString(), QStringLiteral("Verdana"), 13, false,
               QPoint(163, 265) - origin);
    return screen;
}

void MapPage::ShowScenarioPanels()
{
    startScreen_->hide();
    panel5_->show();
    panel8_->show();
}

void MapPage::ClearObjectTree()
{
    qDeleteAll(islandsNode_->takeChildren());
    qDeleteAll(shipsNode_->takeChildren());
}
