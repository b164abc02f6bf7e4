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
namespace {

// The time axis grows by this much when the current run reaches its end.
constexpr double kTimeAxisStep = 10;
// How far the kept runs are drawn while no run is followed.
constexpr double kKeptOnlySeconds = 30;

QString DecimalSeparator()
{
    return QLocale().decimalPoint();
}

QIcon ColourIcon(const QColor& colour)
{
    QPixmap swatch(16, 16);
    swatch.fill(colour);
    return QIcon(swatch);
}

} // namespace

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
                    QT_TR_NOOP("Aucune fenêtre du pendule amorti n'est ouverte : seuls les lancers "
                               "gardés sont montrés. Ouvrez-la (Ctrl+1) pour suivre le lancer en "
                               "cours."));

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

void GraphsWindow::Follow(const DampedRun* run)
{
    live_ = run;
    liveRows_ = 0;
    hint_->setVisible(live_ == nullptr);
    ShowRuns();
}

void GraphsWindow::RunMoved()
{
    if (live_ == nullptr)
        return;
    const MotionRecorder& recording = live_->Recording();
    if (live_->Setup() != liveSetup_ || recording.RowCount() < liveRows_) {
        // A reset: the run starts again, perhaps with another setup.
        ShowRuns();
        return;
    }
    liveRows_ = recording.RowCount();
    // The kept runs stay a time step ahead of the current one, a frame's
    // worth at a time: when the time axis grows they already cover it.
    for (const std::unique_ptr<RunCurves>& curves : curves_)
        curves->ExtendTo(live_->Time() + kTimeAxisStep);
    plots_->Extend(TimeEnd());
}

double GraphsWindow::TimeEnd() const
{
    if (live_ == nullptr)
        return kKeptOnlySeconds;
    return std::max(1.0, std::ceil(live_->Time() / kTimeAxisStep)) * kTimeAxisStep;
}

void GraphsWindow::KeptChanged()
{
    // The curves of runs still kept are kept; only new setups are run again.
    std::vector<std::unique_ptr<RunCurves>> curves;
    for (const KeptRun& run : kept_.Runs()) {
        auto found = std::find_if(curves_.begin(), curves_.end(), [&](const auto& c) {
            return c != nullptr && c->Setup() == run.setup;
        });
        curves.push_back(found != curves_.end() ? std::move(*found)
                                                : std::make_unique<RunCurves>(run.setup));
    }
    curves_ = std::move(curves);
    ShowRuns();
}

std::vector<SliderValues> GraphsWindow::AllSetups() const
{
    std::vector<SliderValues> setups;
    if (live_ != nullptr)
        setups.push_back(live_->Setup());
    for (const KeptRun& run : kept_.Runs())
        setups.push_back(run.setup);
    return setups;
}

QString GraphsWindow::LiveName() const
{
    // Alone, or like every kept run, it needs no more than its name: the
    // heading gives its parameters.
    const std::vector<SliderValues> setups = AllSetups();
    const bool alike = std::all_of(setups.begin(), setups.end(), [&](const SliderValues& setup) {
        return setup == setups.front();
    });
    if (alike)
        return tr("en cours");
    const std::string label = RunLabel(live_->Setup(), setups, DecimalSeparator().toStdString());
    return tr("en cours (%1)").arg(QString::fromStdString(label));
}

void GraphsWindow::ShowRuns()
{
    const double end = TimeEnd();
    const std::vector<SliderValues> setups = AllSetups();
    const std::string separator = DecimalSeparator().toStdString();
    std::vector<PlotRun> runs;
    std::vector<ReadRun> read;
    for (std::size_t i = 0; i < curves_.size(); ++i) {
        const KeptRun& kept = kept_.Runs()[i];
        curves_[i]->ExtendTo(end);
        if (!kept.visible)
            continue;
        const PenduleState& state = curves_[i]->Run().State();
        const QString name = QString::fromStdString(RunLabel(kept.setup, setups, separator));
        runs.push_back({&curves_[i]->Recording(), curves_[i]->Parameters(), name,
                        KeptRunColour(kept.colour), false, state.TetaMax, state.OmegaMax});
        read.push_back({name, &curves_[i]->Recording()});
    }
    if (live_ != nullptr) {
        liveSetup_ = live_->Setup();
        liveRows_ = live_->Recording().RowCount();
        const PenduleState& state = live_->State();
        runs.push_back({&live_->Recording(), live_->Parameters(), LiveName(), kLiveRunColour, true,
                        state.TetaMax, state.OmegaMax});
        read.insert(read.begin(), {LiveName(), &live_->Recording()});
        heading_->setText(Heading());
    } else {
        heading_->setText(QString());
    }
    heading_->setVisible(live_ != nullptr);
    plots_->Show(runs, end);
    reader_->SetRuns(std::move(read));
    FillKeptList();
}

QString GraphsWindow::Heading() const
{
    if (live_ == nullptr)
        return tr("Pendule pesant amorti : lancers gardés");
    const std::string all =
        RunLabel(live_->Setup(), {live_->Setup()}, DecimalSeparator().toStdString());
    return tr("Pendule pesant amorti : %1").arg(QString::fromStdString(all));
}

void GraphsWindow::FillKeptList()
{
    const QSignalBlocker quiet(keptList_);
    const int selected = keptList_->currentRow();
    keptList_->clear();
    const std::vector<SliderValues> setups = AllSetups();
    for (const KeptRun& run : kept_.Runs()) {
        auto* item = new QListWidgetItem(
            ColourIcon(KeptRunColour(run.colour)),
            QString::fromStdString(RunLabel(run.setup, setups, DecimalSeparator().toStdString())),
            keptList_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(run.visible ? Qt::Checked : Qt::Unchecked);
    }
    keptList_->setCurrentRow(std::min(selected, keptList_->count() - 1));
    remove_->setEnabled(keptList_->count() > 0);
}

void GraphsWindow::RemoveSelectedRun()
{
    const int row = keptList_->currentRow();
    if (row >= 0)
        kept_.Remove(static_cast<std::size_t>(row));
}

void GraphsWindow::SetEnergyLevelsShown(bool shown)
{
    plots_->SetEnergyLevelsShown(shown);
}

std::vector<CsvRun> GraphsWindow::DataRuns() const
{
    std::vector<CsvRun> runs;
    const std::vector<SliderValues> setups = AllSetups();
    const std::string separator = DecimalSeparator().toStdString();
    if (live_ != nullptr)
        runs.push_back({LiveName().toStdString(), &live_->Recording()});
    for (std::size_t i = 0; i < curves_.size(); ++i)
        runs.push_back(
            {RunLabel(kept_.Runs()[i].setup, setups, separator), &curves_[i]->Recording()});
    return runs;
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
