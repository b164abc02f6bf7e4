#include "app/graphs_menu.h"

#include "app/atomic_save.h"
#include "app/file_menu.h"
#include "app/kestrova_version.h"
#include "app/measurement_session.h"
#include "model/kept_runs.h"
#include "model/runs_csv.h"
#include "ui/common/translatable.h"
#include "ui/damped/frm_pendule_amorti.h"
#include "ui/driven/frm_pendule_force.h"
#include "ui/graphs/graphs_window.h"
#include "ui/graphs/run_plots.h"

#include <qcustomplot.h>

#include <QAction>
#include <QBuffer>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <array>
#include <string>

namespace kestrova {

namespace {

constexpr qreal kImageRatio = 2;
const QString kFileStem = QStringLiteral("graphiques");

bool HasSuffix(const QString& path, const char* suffix)
{
    return QFileInfo(path).suffix().compare(QLatin1String(suffix), Qt::CaseInsensitive) == 0;
}

} // namespace

GraphsMenu::GraphsMenu(QMainWindow& frame, QMdiArea& area, KeptRuns& kept, QMenu& analysis,
                       QAction& energyCurves)
    : QObject(&frame)
    , frame_(frame)
    , area_(area)
    , kept_(kept)
    , energyCurves_(energyCurves)
    , chooseName_([this](const QString& caption, const QString& proposed, const QString& filters) {
        return QFileDialog::getSaveFileName(&frame_, caption, proposed, filters);
    })
    , reportError_([this](const QString& message) {
        QMessageBox::warning(&frame_, frame_.windowTitle(), message);
    })
{
    graphs_ = new QAction(this);
    SetTranslatable(graphs_, "text", QT_TR_NOOP("&Graphiques"));
    graphs_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    connect(graphs_, &QAction::triggered, this, &GraphsMenu::ShowGraphs);

    keep_ = new QAction(this);
    SetTranslatable(keep_, "text", QT_TR_NOOP("Garder ce &lancer"));
    keep_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(keep_, &QAction::triggered, this, &GraphsMenu::KeepCurrentRun);

    clear_ = new QAction(this);
    SetTranslatable(clear_, "text", QT_TR_NOOP("&Effacer les lancers"));
    connect(clear_, &QAction::triggered, this, &GraphsMenu::ClearKeptRuns);

    analysis.addSeparator();
    analysis.addActions({graphs_, keep_, clear_});
    frame.addActions({graphs_, keep_, clear_});
    connect(&energyCurves_, &QAction::toggled, this, [this](bool shown) {
        if (GraphsWindow* window = Window())
            window->SetEnergyLevelsShown(shown);
    });
    kept_.AddOnChanged([this] { KeptChanged(); });
    connect(&area_, &QMdiArea::subWindowActivated, this, &GraphsMenu::WindowActivated);
    UpdateEnabled();
}

GraphsWindow* GraphsMenu::Window() const
{
    return subWindow_ ? qobject_cast<GraphsWindow*>(subWindow_->widget()) : nullptr;
}

void GraphsMenu::Follow(frmPenduleAmorti* damped)
{
    damped_ = damped;
    dampedObject_ = damped;
    if (damped != nullptr) {
        followed_ = Followed::Damped;
        connect(damped, &frmPenduleAmorti::RunMoved, this, [this] {
            GraphsWindow* window = Window();
            if (window != nullptr && followed_ == Followed::Damped)
                window->RunMoved();
            UpdateEnabled();
        });
        // Told before the window's run goes: the graphs stop reading it.
        connect(damped, &frmPenduleAmorti::Unloaded, this, [this] {
            damped_.clear();
            ShowFollowed();
        });
        // By then the window is only a QObject: forget it before anything
        // looks at it as a window. A damped window opened since (the same
        // simulation shown again) is followed already and stays so.
        connect(damped, &QObject::destroyed, this, [this](QObject* gone) {
            if (gone != dampedObject_)
                return;
            dampedObject_ = nullptr;
            damped_.clear();
            ShowFollowed();
        });
    }
    ShowFollowed();
}

void GraphsMenu::Follow(frmPenduleForce* driven)
{
    driven_ = driven;
    followed_ = Followed::Driven;
    connect(driven, &frmPenduleForce::RunMoved, this, [this] {
        GraphsWindow* window = Window();
        if (window != nullptr && followed_ == Followed::Driven)
            window->RunMoved();
        UpdateEnabled();
    });
    connect(driven, &frmPenduleForce::Unloaded, this, [this] {
        driven_.clear();
        ShowFollowed();
    });
    connect(driven, &QObject::destroyed, this, [this] {
        driven_.clear();
        ShowFollowed();
    });
    ShowFollowed();
}

void GraphsMenu::WindowActivated(QMdiSubWindow* subWindow)
{
    const QWidget* widget = subWindow != nullptr ? subWindow->widget() : nullptr;
    const Followed before = followed_;
    if (widget != nullptr && widget == damped_.data())
        followed_ = Followed::Damped;
    else if (widget != nullptr && widget == driven_.data())
        followed_ = Followed::Driven;
    if (followed_ != before)
        ShowFollowed();
}

std::variant<std::monostate, const DampedRun*, const DrivenRun*> GraphsMenu::Live()
{
    if (followed_ == Followed::Damped && !damped_ && driven_)
        followed_ = Followed::Driven;
    else if (followed_ == Followed::Driven && !driven_ && damped_)
        followed_ = Followed::Damped;
    if (followed_ == Followed::Damped && damped_)
        return &damped_->Run();
    if (followed_ == Followed::Driven && driven_)
        return &driven_->Run();
    return {};
}

void GraphsMenu::ShowFollowed()
{
    const auto live = Live();
    if (GraphsWindow* window = Window())
        window->Follow(live);
    UpdateEnabled();
}

void GraphsMenu::FollowMeasurement(const MeasurementSession& measured)
{
    measured_ = &measured;
    connect(&measured, &MeasurementSession::SeriesChanged, this, &GraphsMenu::ShowMeasurement);
    connect(&measured, &MeasurementSession::FittedChanged, this, &GraphsMenu::ShowMeasurement);
    ShowMeasurement();
}

void GraphsMenu::ShowMeasurement()
{
    if (GraphsWindow* window = Window(); window != nullptr && measured_ != nullptr)
        window->Plots().Overlay().Set(measured_->Series(), measured_->Name(), measured_->Fitted());
}

void GraphsMenu::ShowGraphs()
{
    if (subWindow_) {
        subWindow_->showNormal();
        area_.setActiveSubWindow(subWindow_);
        return;
    }
    auto* window = new GraphsWindow(kept_);
    window->SetEnergyLevelsShown(energyCurves_.isChecked());
    window->Follow(Live());
    connect(window, &GraphsWindow::ExportImageAsked, this, [this] {
        const QString path = chooseName_(
            tr("Exporter l'image des graphiques"),
            FileMenu::ProposedPath(kFileStem, QStringLiteral("png")),
            tr("Image PNG (*.png);;Dessin vectoriel SVG (*.svg);;Document PDF (*.pdf)"));
        if (!path.isEmpty())
            ExportImage(path);
    });
    connect(window, &GraphsWindow::ExportDataAsked, this, [this] {
        const QString path = chooseName_(tr("Exporter les données des graphiques"),
                                         FileMenu::ProposedPath(kFileStem, QStringLiteral("csv")),
                                         tr("Tableau CSV (*.csv)"));
        if (!path.isEmpty())
            ExportData(path);
    });
    subWindow_ = area_.addSubWindow(window);
    subWindow_->setAttribute(Qt::WA_DeleteOnClose);
    subWindow_->setWindowIcon(frame_.windowIcon());
    subWindow_->resize(window->size().grownBy(subWindow_->contentsMargins()));
    subWindow_->move(24, 24);
    ShowMeasurement();
    subWindow_->show();
    area_.setActiveSubWindow(subWindow_);
}

void GraphsMenu::KeepCurrentRun()
{
    const auto live = Live();
    if (const auto* damped = std::get_if<const DampedRun*>(&live))
        kept_.Keep((*damped)->Setup());
    else if (const auto* driven = std::get_if<const DrivenRun*>(&live))
        kept_.Keep((*driven)->Setup());
}

void GraphsMenu::ClearKeptRuns()
{
    kept_.Clear();
    if (clearOtherRuns_)
        clearOtherRuns_();
    UpdateEnabled();
}

void GraphsMenu::SetOtherRuns(std::function<bool()> any, std::function<void()> clear)
{
    anyOtherRuns_ = std::move(any);
    clearOtherRuns_ = std::move(clear);
    UpdateEnabled();
}

void GraphsMenu::KeptChanged()
{
    if (GraphsWindow* window = Window())
        window->KeptChanged();
    UpdateEnabled();
}

void GraphsMenu::UpdateEnabled()
{
    const bool full = kept_.Runs().size() >= KeptRuns::kLimit;
    keep_->setEnabled(!std::holds_alternative<std::monostate>(Live()) && !full);
    // At the limit, the item says why it is off.
    keep_->setStatusTip(
        full ? tr("Huit lancers sont gardés : retirez-en un pour en garder un autre.") : QString());
    keep_->setToolTip(keep_->statusTip());
    clear_->setEnabled(!kept_.Empty() || (anyOtherRuns_ && anyOtherRuns_()));
}

bool GraphsMenu::Report(const QString& message)
{
    if (message.isEmpty())
        return true;
    if (reportError_)
        reportError_(message);
    return false;
}

bool GraphsMenu::ExportImage(const QString& path)
{
    const GraphsWindow* window = Window();
    if (window == nullptr)
        return false;
    const QSize size = window->ShownSize();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (HasSuffix(path, "svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(window->Heading());
        QCPPainter painter(&svg);
        window->PaintShown(painter);
    } else if (HasSuffix(path, "pdf")) {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(window->Heading());
        pdf.setResolution(72); // one point a pixel: the page is the window
        pdf.setPageSize(QPageSize(QSizeF(size), QPageSize::Point));
        pdf.setPageMargins(QMarginsF());
        QCPPainter painter(&pdf);
        window->PaintShown(painter);
    } else {
        QImage image(size * kImageRatio, QImage::Format_RGB32);
        image.setDevicePixelRatio(kImageRatio);
        {
            QCPPainter painter(&image);
            window->PaintShown(painter);
        }
        image.save(&buffer, "PNG");
    }
    buffer.close();
    return Report(SaveAtomically(
        {{path, [&bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); }}}));
}

bool GraphsMenu::ExportData(const QString& path)
{
    const GraphsWindow* window = Window();
    if (window == nullptr)
        return false;
    const std::array<QString, kRunsColumns> titles{tr("lancer"),
                                                   tr("temps (s)"),
                                                   tr("angle (rad)"),
                                                   tr("vitesse angulaire (rad/s)"),
                                                   tr("énergie cinétique par m·L² (J/(kg·m²))"),
                                                   tr("énergie potentielle par m·L² (J/(kg·m²))"),
                                                   tr("énergie totale par m·L² (J/(kg·m²))")};
    std::array<std::string, kRunsColumns> utf8;
    std::array<std::string_view, kRunsColumns> views;
    for (std::size_t i = 0; i < titles.size(); ++i) {
        utf8[i] = titles[i].toStdString();
        views[i] = utf8[i];
    }
    const CsvStyle style = CsvStyleFor(QLocale().decimalPoint() == QLatin1String(",") ? ',' : '.');
    std::vector<CsvRun> runs = window->DataRuns();
    for (const CsvRun& measured : window->Plots().Overlay().DataRuns())
        runs.push_back(measured);
    std::vector<std::string> notes{"Kestrova " + std::to_string(kVersionMajor) + '.'
                                   + std::to_string(kVersionMinor)};
    for (std::string& note : window->DataNotes())
        notes.push_back(std::move(note));
    return Report(SaveAtomically({{path, [&](QIODevice& device) {
                                       return WriteRunsCsv(
                                           runs, style, notes, views, [&](std::string_view piece) {
                                               const auto size = static_cast<qint64>(piece.size());
                                               return device.write(piece.data(), size) == size;
                                           });
                                   }}}));
}

} // namespace kestrova
