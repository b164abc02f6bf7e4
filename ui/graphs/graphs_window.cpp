#include "ui/graphs/graphs_window.h"

#include "model/damped_run.h"
#include "ui/common/translatable.h"
#include "ui/graphs/graph_reader.h"
#include "ui/graphs/run_palette.h"
#include "ui/graphs/run_plots.h"

#include <qcustomplot.h>

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include <cmath>

namespace kestrova {

GraphsWindow::GraphsWindow(KeptRuns& kept, QWidget* parent)
    : QWidget(parent)
    , kept_(kept)
    , plots_(new RunPlots(this))
{
    setObjectName(QStringLiteral("frmGraphiques"));
    SetTranslatable(this, "windowTitle", QT_TR_NOOP("Graphiques"));
    SetTranslatable(this, "accessibleName", QT_TR_NOOP("Graphiques des lancers"));

    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("barGraphiques"));
    CreateToolBar(bar);

    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("lblParametres"));
    hint_ = new QLabel(this);
    hint_->setObjectName(QStringLiteral("lblIndication"));
    hint_->setWordWrap(true);
    SetTranslatable(hint_, "text",
                    QT_TR_NOOP("Aucune fenêtre du pendule amorti ou forcé n'est ouverte : seuls "
                               "les lancers gardés sont montrés. Ouvrez-en une (Ctrl+1 ou Ctrl+3) "
                               "pour suivre son lancer en cours."));

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabGraphiques"));
    gridPage_ = new QWidget(this);
    stack_ = new QStackedWidget(this);
    stack_->addWidget(tabs_);
    stack_->addWidget(gridPage_);
    new QGridLayout(gridPage_);
    connect(tabs_, &QTabWidget::currentChanged, this, [this] {
        if (auto* plot = qobject_cast<QCustomPlot*>(tabs_->currentWidget()))
            plot->replot(QCustomPlot::rpQueuedReplot);
    });

    readout_ = new QLabel(this);
    readout_->setObjectName(QStringLiteral("lblLecture"));
    readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Long readings are cut rather than widening the window.
    readout_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    SetTranslatable(readout_, "accessibleName", QT_TR_NOOP("Lecture du curseur"));
    reader_ = new GraphReader(*plots_, *readout_, this);

    keptList_ = new QListWidget(this);
    keptList_->setObjectName(QStringLiteral("lstLancers"));
    SetTranslatable(keptList_, "accessibleName", QT_TR_NOOP("Lancers gardés"));
    auto* removeKey = new QAction(keptList_);
    removeKey->setShortcut(QKeySequence::Delete);
    removeKey->setShortcutContext(Qt::WidgetShortcut);
    keptList_->addAction(removeKey);
    connect(removeKey, &QAction::triggered, this, &GraphsWindow::RemoveSelectedRun);
    connect(keptList_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        kept_.SetVisible(static_cast<std::size_t>(keptList_->row(item)),
                         item->checkState() == Qt::Checked);
    });
    remove_ = new QPushButton(this);
    remove_->setObjectName(QStringLiteral("cmdRetirer"));
    SetTranslatable(remove_, "text", QT_TR_NOOP("&Retirer le lancer"));
    connect(remove_, &QPushButton::clicked, this, &GraphsWindow::RemoveSelectedRun);
    auto* keptTitle = new QLabel(this);
    SetTranslatable(keptTitle, "text", QT_TR_NOOP("Lancers &gardés :"));
    keptTitle->setBuddy(keptList_);

    auto* side = new QVBoxLayout;
    side->addWidget(keptTitle);
    side->addWidget(keptList_, 1);
    side->addWidget(remove_);
    side->addWidget(plots_->Overlay().CreateControls(this));
    // What an image export shows is the left column: parameters, graphs, readout.
    auto* shown = new QVBoxLayout;
    shown->addWidget(heading_);
    shown->addWidget(hint_);
    shown->addWidget(stack_, 1);
    shown->addWidget(readout_);
    auto* middle = new QHBoxLayout;
    middle->addLayout(shown, 1);
    middle->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar);
    layout->addLayout(middle, 1);
    keptList_->setMaximumWidth(260);

    SetGridLayout(false);
    RetranslateOnLanguageChange(*this, [this] {
        plots_->Retranslate();
        ShowRuns();
    });
    KeptChanged();
    resize(900, 620);
}

GraphsWindow::~GraphsWindow() = default;

QString GraphsWindow::LibraryVersion()
{
    return QStringLiteral(QCUSTOMPLOT_VERSION_STR);
}

QAction* GraphsWindow::AddTool(QToolBar* bar, const char* text, QKeyCombination key, bool checkable)
{
    auto* action = new QAction(this);
    SetTranslatable(action, "text", text);
    action->setShortcut(QKeySequence(key));
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    action->setCheckable(checkable);
    addAction(action);
    bar->addAction(action);
    // The tool buttons are reached with Tab too.
    bar->widgetForAction(action)->setFocusPolicy(Qt::TabFocus);
    return action;
}

void GraphsWindow::CreateToolBar(QToolBar* bar)
{
    grid_ = AddTool(bar, QT_TR_NOOP("&Grille"), Qt::ALT | Qt::Key_G, true);
    connect(grid_, &QAction::toggled, this, &GraphsWindow::SetGridLayout);
    boxZoom_ = AddTool(bar, QT_TR_NOOP("&Zoom par cadre"), Qt::ALT | Qt::Key_Z, true);
    connect(boxZoom_, &QAction::toggled, this, [this](bool box) { plots_->SetBoxZoom(box); });
    resetView_ = AddTool(bar, QT_TR_NOOP("&Vue d'ensemble"), Qt::ALT | Qt::Key_V, false);
    connect(resetView_, &QAction::triggered, this, [this] { plots_->ResetView(); });
    measure_ = AddTool(bar, QT_TR_NOOP("Mes&urer"), Qt::ALT | Qt::Key_U, true);
    connect(measure_, &QAction::toggled, this, [this](bool on) { reader_->SetMeasuring(on); });
    projector_ = AddTool(bar, QT_TR_NOOP("Style p&rojecteur"), Qt::ALT | Qt::Key_R, true);
    connect(projector_, &QAction::toggled, this, [this](bool on) {
        plots_->SetProjectorStyle(on);
        QFont font = readout_->font();
        font.setPointSizeF(on ? 14 : QFont().pointSizeF());
        readout_->setFont(font);
        heading_->setFont(font);
    });
    bar->addSeparator();
    exportImage_ = AddTool(bar, QT_TR_NOOP("E&xporter l'image…"), Qt::ALT | Qt::Key_X, false);
    connect(exportImage_, &QAction::triggered, this, &GraphsWindow::ExportImageAsked);
    exportData_ = AddTool(bar, QT_TR_NOOP("Exporter le ta&bleau…"), Qt::ALT | Qt::Key_B, false);
    connect(exportData_, &QAction::triggered, this, &GraphsWindow::ExportDataAsked);
}

void GraphsWindow::SetGridLayout(bool grid)
{
    auto* gridLayout = static_cast<QGridLayout*>(gridPage_->layout());
    const int current = tabs_->currentIndex();
    while (tabs_->count() > 0)
        tabs_->removeTab(0);
    for (std::size_t i = 0; i < kGraphCount; ++i) {
        QCustomPlot* plot = plots_->Plots()[i];
        const int index = static_cast<int>(i);
        if (grid) {
            gridLayout->addWidget(plot, index / 2, index % 2);
            plot->show();
        } else {
            // The tabs show one page at a time: the others stay hidden, and
            // a hidden graph costs nothing while the run goes on.
            tabs_->addTab(plot, plot->accessibleName());
        }
    }
    tabs_->setCurrentIndex(std::max(0, current));
    stack_->setCurrentWidget(grid ? gridPage_ : static_cast<QWidget*>(tabs_));
    for (QCustomPlot* plot : plots_->Plots())
        plot->replot(QCustomPlot::rpQueuedReplot);
}

void GraphsWindow::SetEnergyLevelsShown(bool shown)
{
    plots_->SetEnergyLevelsShown(shown);
}

QRect GraphsWindow::ShownArea() const
{
    QRect area = stack_->geometry();
    for (const QLabel* label : {heading_, readout_}) {
        if (label->isVisible())
            area |= label->geometry();
    }
    return area;
}

QSize GraphsWindow::ShownSize() const
{
    return ShownArea().size();
}

void GraphsWindow::PaintShown(QCPPainter& painter) const
{
    painter.fillRect(QRect(QPoint(0, 0), ShownSize()), Qt::white);
    painter.translate(-ShownArea().topLeft());
    for (const QLabel* label : {heading_, readout_}) {
        if (!label->isVisible())
            continue;
        painter.setFont(label->font());
        painter.setPen(Qt::black);
        painter.drawText(label->geometry(), Qt::AlignLeft | Qt::AlignVCenter, label->text());
    }
    for (QCustomPlot* plot : plots_->Plots()) {
        if (!plot->isVisible())
            continue;
        const QPoint at = plot->mapTo(this, QPoint(0, 0));
        painter.save();
        painter.translate(at);
        plot->toPainter(&painter, plot->width(), plot->height());
        painter.restore();
    }
}

} // namespace kestrova
