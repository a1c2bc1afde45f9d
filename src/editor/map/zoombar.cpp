#include "editor/map/zoombar.h"

#include "editor/map/mappanel.h"
#include "editor/widgets/drawnicons.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

ZoomBar::ZoomBar(MapPanel *panel, QWidget *page) : QWidget(page), panel_(panel)
{
    setObjectName(QStringLiteral("PanelZoom"));
    auto make = [page](const char *name, const QList<QKeySequence> &keys) {
        auto *action = new QAction(page);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        action->setEnabled(false);
        page->addAction(action);
        return action;
    };
    zoomIn_ = make("ZoomInAction",
                   {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    zoomIn_->setIcon(DrawnIcons::magnifier(true));
    zoomOut_ = make("ZoomOutAction", {QKeySequence(QKeySequence::ZoomOut)});
    zoomOut_->setIcon(DrawnIcons::magnifier(false));
    fit_ = make("ZoomFitAction", {QKeySequence(Qt::CTRL | Qt::Key_0)});
    connect(zoomIn_, &QAction::triggered, panel_, &MapPanel::zoomIn);
    connect(zoomOut_, &QAction::triggered, panel_, &MapPanel::zoomOut);
    connect(fit_, &QAction::triggered, panel_, &MapPanel::fit);
    connect(panel_, &MapPanel::zoomChanged, this, &ZoomBar::follow);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->setSpacing(2);
    auto button = [this](const char *name, QAction *action) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setDefaultAction(action);
        b->setFixedHeight(32);
        return b;
    };
    for (QToolButton *b : {button("btVerkleinern", zoomOut_), button("btVergroessern", zoomIn_)}) {
        b->setIconSize(QSize(24, 24));
        b->setFixedWidth(32);
        layout->addWidget(b);
    }
    QToolButton *whole = button("btGanzeKarte", fit_);
    whole->setToolButtonStyle(Qt::ToolButtonTextOnly);
    layout->addWidget(whole);
    layout->addStretch();
    percent_ = new QLabel(this);
    percent_->setObjectName(QStringLiteral("lbZoom"));
    percent_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(percent_);
    retranslateUi();
    follow();
}

void ZoomBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void ZoomBar::retranslateUi()
{
    // The tool tip names the first key.
    const auto name = [](QAction *action, const QString &text) {
        action->setText(text);
        action->setToolTip(QStringLiteral("%1 (%2)").arg(
            text, action->shortcut().toString(QKeySequence::NativeText)));
    };
    name(zoomIn_, tr("Vergrößern"));
    name(zoomOut_, tr("Verkleinern"));
    name(fit_, tr("Ganze Karte"));
    percent_->setToolTip(tr("Vergrößerung: 100 % ist ein Bildpunkt je Feld"));
}

void ZoomBar::setActive(bool active)
{
    active_ = active;
    follow();
}

void ZoomBar::follow()
{
    const MapZoom &zoom = panel_->zoom();
    zoomIn_->setEnabled(active_ && zoom.canZoomIn());
    zoomOut_->setEnabled(active_ && zoom.canZoomOut());
    fit_->setEnabled(active_ && !zoom.fitted());
    percent_->setText(QStringLiteral("%1 %").arg(qRound(zoom.currentScale() * 100)));
}
