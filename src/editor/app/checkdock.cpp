#include "editor/app/checkdock.h"

#include "core/common/checkmessages.h"
#include "core/document/rumoszen.h"
#include "editor/widgets/drawnicons.h"

#include <QEvent>
#include <QHeaderView>
#include <QTreeWidget>
#include <QUndoStack>

namespace {

constexpr int kFindingRole = Qt::UserRole;
// Steps closer together than this (a held arrow key moving an island) are
// checked once, after the last.
constexpr int kRecheckDelayMs = 100;

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
            showFindings(ScenarioCheck::Run(*doc_));
        else
            clear();
    });
}

void CheckDock::follow(RumoSzen *doc)
{
    if (doc_)
        disconnect(doc_->undoStack(), nullptr, this, nullptr);
    doc_ = doc;
    clear();
    if (!doc_)
        return;
    connect(doc_->undoStack(), &QUndoStack::indexChanged, this, &CheckDock::recheck);
    // A new document is checked at once, so the list never shows the findings
    // of another.
    if (isVisible())
        showFindings(ScenarioCheck::Run(*doc_));
    else
        stale_ = true;
}

void CheckDock::recheck()
{
    stale_ = true;
    if (isVisible())
        recheck_.start();
}

// The findings' texts were made in the language of their check: a dock
// that is showing checks again, a hidden one once it is shown. The check
// only reads the document.
void CheckDock::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        setWindowTitle(msg::checkTitle());
        if (doc_) {
            if (isVisible())
                showFindings(ScenarioCheck::Run(*doc_));
            else
                stale_ = true;
        } else if (findings_.isEmpty() && list_->topLevelItemCount() == 1) {
            list_->topLevelItem(0)->setText(0, msg::noFindings());
        }
    }
    QDockWidget::changeEvent(event);
}

void CheckDock::showEvent(QShowEvent *event)
{
    QDockWidget::showEvent(event);
    if (stale_ && doc_)
        recheck_.start();
}

void CheckDock::showFindings(const QList<Finding> &findings)
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
    const QIcon icons[] = {DrawnIcons::severity(Finding::Severity::Error),
                           DrawnIcons::severity(Finding::Severity::Warning),
                           DrawnIcons::severity(Finding::Severity::Information)};
    for (qsizetype i = 0; i < findings.size(); ++i) {
        const Finding &f = findings[i];
        auto *item = new QTreeWidgetItem(list_, {f.message});
        item->setIcon(0, icons[int(f.severity)]);
        item->setToolTip(0, f.line());
        item->setData(0, kFindingRole, int(i));
    }
}

void CheckDock::clear()
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
