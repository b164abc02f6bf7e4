// The runs the graphs window shows: the one it follows live, the kept ones
// recomputed from their setups, and the names that tell them apart.

#include "model/damped_run.h"
#include "model/driven_run.h"
#include "ui/graphs/graph_reader.h"
#include "ui/graphs/graphs_window.h"
#include "ui/graphs/run_palette.h"
#include "ui/graphs/run_plots.h"

#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace kestrova {

namespace {

// The time axis grows by this much when the current run reaches its end.
constexpr double kTimeAxisStep = 10;
// How far the kept runs are drawn while no run is followed.
constexpr double kKeptOnlySeconds = 30;

QIcon ColourIcon(const QColor& colour)
{
    QPixmap swatch(16, 16);
    swatch.fill(colour);
    return QIcon(swatch);
}

/// The words of run names in the interface language, owned while a name is made.
struct Words {
    Words()
        : separator(QLocale().decimalPoint().toStdString())
        , damped(GraphsWindow::tr("Amorti : ").toStdString())
        , driven(GraphsWindow::tr("Forcé : ").toStdString())
    { }
    operator RunLabelWords() const { return {separator, damped, driven}; }

    std::string separator;
    std::string damped;
    std::string driven;
};

QString Name(const std::string& label)
{
    return QString::fromStdString(label);
}

} // namespace

void GraphsWindow::Follow(LiveRun run)
{
    live_ = run;
    liveRows_ = 0;
    hint_->setVisible(std::holds_alternative<std::monostate>(live_));
    ShowRuns();
}

std::optional<RunSetup> GraphsWindow::LiveSetup() const
{
    if (const auto* damped = std::get_if<const DampedRun*>(&live_))
        return RunSetup((*damped)->Setup());
    if (const auto* driven = std::get_if<const DrivenRun*>(&live_))
        return RunSetup((*driven)->Setup());
    return std::nullopt;
}

std::optional<RunOnGraphs> GraphsWindow::LiveGraphs() const
{
    if (const auto* damped = std::get_if<const DampedRun*>(&live_))
        return OnGraphs(**damped);
    if (const auto* driven = std::get_if<const DrivenRun*>(&live_))
        return OnGraphs(**driven);
    return std::nullopt;
}

double GraphsWindow::LiveTime() const
{
    if (const auto* damped = std::get_if<const DampedRun*>(&live_))
        return (*damped)->Time();
    if (const auto* driven = std::get_if<const DrivenRun*>(&live_))
        return (*driven)->Time();
    return 0;
}

std::vector<double> GraphsWindow::DrivenScales() const
{
    std::vector<double> scales;
    auto add = [&](const RunOnGraphs& graphs) {
        scales.insert(scales.end(), {graphs.angleScale, graphs.speedScale});
    };
    if (std::holds_alternative<const DrivenRun*>(live_))
        add(*LiveGraphs());
    for (const std::unique_ptr<RunCurves>& curves : curves_) {
        if (IsDriven(curves->Setup()))
            add(curves->Graphs());
    }
    return scales;
}

void GraphsWindow::RunMoved()
{
    const std::optional<RunOnGraphs> live = LiveGraphs();
    if (!live)
        return;
    const MotionRecorder& recording = *live->recording;
    if (LiveSetup() != liveSetup_ || recording.RowCount() < liveRows_) {
        // A reset: the run starts again, perhaps with another setup.
        ShowRuns();
        return;
    }
    liveRows_ = recording.RowCount();
    // The kept runs stay a time step ahead of the current one, a frame's
    // worth at a time: when the time axis grows they already cover it.
    for (const std::unique_ptr<RunCurves>& curves : curves_)
        curves->ExtendTo(LiveTime() + kTimeAxisStep);
    if (DrivenScales() != drivenScales_) {
        ShowRuns();
        return;
    }
    plots_->Extend(TimeEnd());
}

double GraphsWindow::TimeEnd() const
{
    if (std::holds_alternative<std::monostate>(live_))
        return kKeptOnlySeconds;
    return std::max(1.0, std::ceil(LiveTime() / kTimeAxisStep)) * kTimeAxisStep;
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

std::vector<RunSetup> GraphsWindow::AllSetups() const
{
    std::vector<RunSetup> setups;
    if (const std::optional<RunSetup> live = LiveSetup())
        setups.push_back(*live);
    for (const KeptRun& run : kept_.Runs())
        setups.push_back(run.setup);
    return setups;
}

QString GraphsWindow::KeptName(const RunSetup& setup) const
{
    return Name(RunLabel(setup, AllSetups(), Words()));
}

QString GraphsWindow::LiveName() const
{
    // Alone, or like every kept run, it needs no more than its name: the
    // heading gives its parameters.
    const std::vector<RunSetup> setups = AllSetups();
    const bool alike = std::all_of(setups.begin(), setups.end(),
                                   [&](const RunSetup& setup) { return setup == setups.front(); });
    if (alike)
        return tr("en cours");
    return tr("en cours (%1)").arg(Name(RunLabel(*LiveSetup(), setups, Words())));
}

void GraphsWindow::ShowRuns()
{
    const double end = TimeEnd();
    std::vector<PlotRun> runs;
    std::vector<ReadRun> read;
    auto plotRun = [](const RunOnGraphs& graphs, const QString& name, const QColor& colour,
                      bool live) {
        return PlotRun{.recording = graphs.recording,
                       .parameters = graphs.parameters,
                       .name = name,
                       .colour = colour,
                       .live = live,
                       .angleScale = graphs.angleScale,
                       .speedScale = graphs.speedScale,
                       .energyScale = graphs.energyScale,
                       .envelope = graphs.smallAngleEnvelope};
    };
    for (std::size_t i = 0; i < curves_.size(); ++i) {
        const KeptRun& kept = kept_.Runs()[i];
        curves_[i]->ExtendTo(end);
        if (!kept.visible)
            continue;
        const QString name = KeptName(kept.setup);
        runs.push_back(plotRun(curves_[i]->Graphs(), name, KeptRunColour(kept.colour), false));
        read.push_back({name, &curves_[i]->Recording()});
    }
    if (const std::optional<RunOnGraphs> live = LiveGraphs()) {
        liveSetup_ = LiveSetup();
        liveRows_ = live->recording->RowCount();
        runs.push_back(plotRun(*live, LiveName(), kLiveRunColour, true));
        read.insert(read.begin(), {LiveName(), live->recording});
    }
    heading_->setText(Heading());
    heading_->setVisible(LiveSetup().has_value());
    drivenScales_ = DrivenScales();
    plots_->Show(runs, end);
    reader_->SetRuns(std::move(read));
    FillKeptList();
}

QString GraphsWindow::Heading() const
{
    const std::optional<RunSetup> live = LiveSetup();
    const Words words;
    if (live && IsDriven(*live)) {
        const std::string all = RunLabel(std::get<DrivenSetup>(*live), {}, words.separator);
        return tr("Pendule forcé : %1").arg(Name(all));
    }
    if (live) {
        const std::string all = RunLabel(std::get<SliderValues>(*live), {}, words.separator);
        return tr("Pendule pesant amorti : %1").arg(Name(all));
    }
    const bool anyDriven = std::any_of(kept_.Runs().begin(), kept_.Runs().end(),
                                       [](const KeptRun& run) { return IsDriven(run.setup); });
    return anyDriven ? tr("Lancers gardés") : tr("Pendule pesant amorti : lancers gardés");
}

void GraphsWindow::FillKeptList()
{
    const QSignalBlocker quiet(keptList_);
    const int selected = keptList_->currentRow();
    keptList_->clear();
    for (const KeptRun& run : kept_.Runs()) {
        const QString name = KeptName(run.setup);
        auto* item = new QListWidgetItem(ColourIcon(KeptRunColour(run.colour)), name, keptList_);
        // A long name is cut by the list's width.
        item->setToolTip(name);
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

std::vector<CsvRun> GraphsWindow::DataRuns() const
{
    std::vector<CsvRun> runs;
    if (const std::optional<RunOnGraphs> live = LiveGraphs())
        runs.push_back({LiveName().toStdString(), live->recording});
    for (std::size_t i = 0; i < curves_.size(); ++i)
        runs.push_back({KeptName(kept_.Runs()[i].setup).toStdString(), &curves_[i]->Recording()});
    return runs;
}

std::vector<std::string> GraphsWindow::DataNotes() const
{
    std::vector<std::string> notes;
    const std::vector<CsvRun> runs = DataRuns();
    const std::vector<RunSetup> setups = AllSetups();
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const QString full = Name(FullRunLabel(setups[i], Words()));
        notes.push_back(tr("%1 — %2").arg(Name(runs[i].name), full).toStdString());
    }
    return notes;
}

} // namespace kestrova
