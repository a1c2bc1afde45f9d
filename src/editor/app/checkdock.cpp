#include "editor/app/checkdock.h"

#include "core/common/checkmessages.h"
#include "core/document/rumoszen.h"

#include <QHeaderView>
#include <QPainter>
#include <QPainterPath>
#include <QTreeWidget>
#include <QUndoStack>

namespace {

constexpr int kFindingRole = Qt::UserRole;
// Steps closer together than this (a held arrow key moving an island) are
// checked once, after the last.
constexpr int kRecheckDelayMs = 100;

// Our own severity pictures: a red disc with a cross, an amber triangle with
// an exclamation mark, a blue disc with an "i".
QIcon severityIcon(Finding::Severity severity)
{
    QIcon icon;
    for (const int size : {16, 24, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF box(0.5, 0.5, size - 1.0, size - 1.0);
        const qreal s = size / 16.0;
        QPen mark(Qt::white, 2.0 * s, Qt::SolidLine, Qt::RoundCap);
        switch (severity) {
        case Finding::Severity::Error:
            p.setPen(QPen(QColor(140, 20, 20), s * 0.75));
            p.setBrush(QColor(210, 40, 40));
            p.drawEllipse(box);
            p.setPen(mark);
            p.drawLine(QPointF(5 * s, 5 * s), QPointF(11 * s, 11 * s));
            p.drawLine(QPointF(11 * s, 5 * s), QPointF(5 * s, 11 * s));
            break;
        case Finding::Severity::Warning: {
            QPainterPath triangle;
            triangle.moveTo(8 * s, 1 * s);
            triangle.lineTo(15.2 * s, 14.5 * s);
            triangle.lineTo(0.8 * s, 14.5 * s);
            triangle.closeSubpath();
            p.setPen(
                QPen(QColor(150, 100, 0), s * 0.75, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(QColor(245, 180, 30));
            p.drawPath(triangle);
            mark.setColor(QColor(60, 40, 0));
            mark.setWidthF(1.8 * s);
            p.setPen(mark);
            p.drawLine(QPointF(8 * s, 5.5 * s), QPointF(8 * s, 9.5 * s));
            p.drawPoint(QPointF(8 * s, 12.2 * s));
            break;
        }
        case Finding::Severity::Information:
            p.setPen(QPen(QColor(20, 60, 140), s * 0.75));
            p.setBrush(QColor(50, 110, 210));
            p.drawEllipse(box);
            p.setPen(mark);
            p.drawPoint(QPointF(8 * s, 4.6 * s));
            p.drawLine(QPointF(8 * s, 7.5 * s), QPointF(8 * s, 11.5 * s));
            break;
        }
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

CheckDock::CheckDock(QWidget *parent) : QDockWidget(msg::checkTitle(), parent)
{
    setObjectName(QStringLiteral("CheckDock"));
    setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("CheckFindings"));
    list_->setColumnCount(1);
    list_->setHeaderHidden(true);
    list_->setRootIsDecorated(false);
    list_->setWordWrap(true);
    list_->setUniformRowHeights(false);
    list_->header()->setStretchLastSection(true);
    // Room for about six findings before the list scrolls.
    list_->setMinimumHeight(6 * list_->fontMetrics().height() + 12);
    connect(list_, &QTreeWidget::itemActivated, this, &CheckDock::activated);
    setWidget(list_);
    recheck_.setSingleShot(true);
    recheck_.setInterval(kRecheckDelayMs);
    connect(&recheck_, &QTimer::timeout, this, [this] {
        if (!isVisible())
            return;
        if (doc_)
            Show(ScenarioCheck::Run(*doc_));
        else
            Clear();
    });
}

void CheckDock::Follow(RumoSzen *doc)
{
    if (doc_)
        disconnect(doc_->undoStack(), nullptr, this, nullptr);
    doc_ = doc;
    Clear();
    if (!doc_)
        return;
    connect(doc_->undoStack(), &QUndoStack::indexChanged, this, &CheckDock::Recheck);
    // A new document is checked at once, so the list never shows the findings
    // of another.
    if (isVisible())
        Show(ScenarioCheck::Run(*doc_));
    else
        stale_ = true;
}

void CheckDock::Recheck()
{
    stale_ = true;
    if (isVisible())
        recheck_.start();
}

void CheckDock::showEvent(QShowEvent *event)
{
    QDockWidget::showEvent(event);
    if (stale_ && doc_)
        recheck_.start();
}

void CheckDock::Show(const QList<Finding> &findings)
{
    recheck_.stop();
    stale_ = false;
    findings_ = findings;
    list_->clear();
    if (findings.isEmpty()) {
        auto *item = new QTreeWidgetItem(list_, {msg::noFindings()});
        item->setFlags(Qt::ItemIsEnabled);
        return;
    }
    const QIcon icons[] = {severityIcon(Finding::Severity::Error),
                           severityIcon(Finding::Severity::Warning),
                           severityIcon(Finding::Severity::Information)};
    for (qsizetype i = 0; i < findings.size(); ++i) {
        const Finding &f = findings[i];
        auto *item = new QTreeWidgetItem(list_, {f.message});
        item->setIcon(0, icons[int(f.severity)]);
        item->setToolTip(0, f.line());
        item->setData(0, kFindingRole, int(i));
    }
}

void CheckDock::Clear()
{
    findings_.clear();
    list_->clear();
}

void CheckDock::activated(QTreeWidgetItem *item)
{
    const QVariant index = item ? item->data(0, kFindingRole) : QVariant();
    if (index.isValid())
        emit objectRequested(findings_.at(index.toInt()).object);
}
