#include "app/file_menu.h"

#include "app/atomic_save.h"
#include "app/kestrova_version.h"
#include "app/labelled_plot.h"
#include "app/printed_page.h"
#include "model/damped_run.h"
#include "model/driven_csv.h"
#include "model/driven_run.h"
#include "model/recording_csv.h"
#include "plot/plot_picture.h"
#include "plot/qt_utf8.h"

#include <QAction>
#include <QClipboard>
#include <QCursor>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include <algorithm>
#include <array>
#include <string>

namespace kestrova {

namespace {

// Exported and copied images carry twice the pixels of the screen's
// logical ones: sharp in a document, on a high-density screen and on paper.
constexpr qreal kImageRatio = 2;

/// The column titles of the table, with their units.
std::array<std::string, kRecordingColumns> ColumnTitles()
{
    const QString titles[] = {
        FileMenu::tr("temps (s)"),
        FileMenu::tr("angle (°)"),
        FileMenu::tr("angle (rad)"),
        FileMenu::tr("vitesse angulaire (rad/s)"),
        FileMenu::tr("angle aux petits angles (rad)"),
        FileMenu::tr("vitesse aux petits angles (rad/s)"),
        FileMenu::tr("énergie cinétique par m·L² (J/(kg·m²))"),
        FileMenu::tr("énergie potentielle par m·L² (J/(kg·m²))"),
        FileMenu::tr("énergie totale par m·L² (J/(kg·m²))"),
    };
    std::array<std::string, kRecordingColumns> out;
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = titles[i].toStdString();
    return out;
}

/// The driven run's columns: time, the angle turned through, the speed and the drive.
std::array<std::string, kDrivenColumns> DrivenColumnTitles()
{
    const QString titles[] = {
        FileMenu::tr("temps (s)"),
        FileMenu::tr("angle (°)"),
        FileMenu::tr("angle (rad)"),
        FileMenu::tr("vitesse angulaire (rad/s)"),
        FileMenu::tr("excitation γω₀² cos Ωt (rad/s²)"),
    };
    std::array<std::string, kDrivenColumns> out;
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = titles[i].toStdString();
    return out;
}

/// A run to export: started at least once since its reset.
template <typename Run>
bool HasRun(const Run* run)
{
    return run != nullptr && (run->Running() || run->Time() > 0);
}

CsvStyle LocaleCsvStyle()
{
    return CsvStyleFor(QLocale().decimalPoint() == QLatin1String(",") ? ',' : '.');
}

std::string ProgramNote()
{
    return "Kestrova " + std::to_string(kVersionMajor) + '.' + std::to_string(kVersionMinor);
}

/// Writes the pieces of a table to `device`, as long as it takes them.
CsvSink DeviceSink(QIODevice& device)
{
    return [&device](std::string_view piece) {
        const auto size = static_cast<qint64>(piece.size());
        return device.write(piece.data(), size) == size;
    };
}

} // namespace

FileMenu::FileMenu(QMainWindow& frame, std::function<const DampedRun*()> damped,
                   std::function<PlotSource*()> active)
    : QObject(&frame)
    , frame_(frame)
    , damped_(std::move(damped))
    , active_(std::move(active))
    , chooseName_([this](const QString& caption, const QString& proposed, const QString& filters) {
        return QFileDialog::getSaveFileName(&frame_, caption, proposed, filters);
    })
    , reportError_([this](const QString& message) {
        QMessageBox::warning(&frame_, frame_.windowTitle(), message);
    })
{
    menu_ = new QMenu(&frame);
    exportData_ = menu_->addAction(QString());
    exportData_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    exportPlots_ = menu_->addAction(QString());
    exportPlots_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    menu_->addSeparator();
    copy_ = menu_->addAction(QString());
    copy_->setShortcut(QKeySequence::Copy);
    print_ = menu_->addAction(QString());
    print_->setShortcut(QKeySequence::Print);
    Retranslate();
    menu_->installEventFilter(this);
    // The shortcuts work over the whole frame, whichever child has the focus.
    frame.addActions({exportData_, exportPlots_, copy_, print_});

    connect(menu_, &QMenu::aboutToShow, this, &FileMenu::UpdateEnabled);
    connect(exportData_, &QAction::triggered, this, [this] {
        const bool damped = HasRun(damped_());
        if (!damped && !HasRun(DrivenOnly()))
            return;
        const QString path =
            chooseName_(tr("Exporter les données"),
                        ProposedPath(FromUtf8(damped ? kDampedRunFileStem : kDrivenRunFileStem),
                                     QStringLiteral("csv")),
                        tr("Tableau CSV (*.csv)"));
        if (!path.isEmpty())
            ExportData(path);
    });
    connect(exportPlots_, &QAction::triggered, this, [this] {
        if (active_() == nullptr)
            return;
        const QString path = chooseName_(tr("Exporter le graphique"),
                                         ProposedPath(active_()->FileStem(), QStringLiteral("png")),
                                         tr("Image PNG (*.png);;Dessin vectoriel SVG (*.svg)"));
        if (!path.isEmpty())
            ExportPlots(path);
    });
    connect(copy_, &QAction::triggered, this, [this] { Copy(QCursor::pos()); });
    connect(print_, &QAction::triggered, this, &FileMenu::Print);
}

void FileMenu::Retranslate()
{
    // Alt+F belongs to the damped window ("Approximation angle faible").
    menu_->setTitle(tr("F&ichier"));
    exportData_->setText(tr("Exporter les &données…"));
    exportPlots_->setText(tr("Exporter le &graphique…"));
    copy_->setText(tr("&Copier"));
    print_->setText(tr("&Imprimer…"));
}

bool FileMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == menu_ && event->type() == QEvent::LanguageChange)
        Retranslate();
    return QObject::eventFilter(watched, event);
}

void FileMenu::UpdateEnabled()
{
    exportData_->setEnabled(HasRun(damped_()) || HasRun(DrivenOnly()));
    for (QAction* action : {exportPlots_, copy_, print_})
        action->setEnabled(active_() != nullptr);
}

QString FileMenu::ProposedPath(const QString& stem, const QString& suffix)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HH'h'mm"));
    return QDir(folder).filePath(stem + QLatin1Char('-') + stamp + QLatin1Char('.') + suffix);
}

bool FileMenu::Report(const QString& message)
{
    if (message.isEmpty())
        return true;
    if (reportError_)
        reportError_(message);
    return false;
}

const DrivenRun* FileMenu::DrivenOnly() const
{
    return damped_() == nullptr && driven_ ? driven_() : nullptr;
}

bool FileMenu::ExportData(const QString& path)
{
    const DampedRun* run = damped_();
    if (run == nullptr) {
        const DrivenRun* driven = DrivenOnly();
        return driven != nullptr && ExportDrivenData(*driven, path);
    }
    const std::array<std::string, kRecordingColumns> titles = ColumnTitles();
    std::array<std::string_view, kRecordingColumns> views;
    for (std::size_t i = 0; i < titles.size(); ++i)
        views[i] = titles[i];
    const CsvStyle style = LocaleCsvStyle();
    const std::vector<std::string> notes =
        SetupNotes(run->Setup(), style.decimalMark, ProgramNote());
    const MotionRecorder& recording = run->Recording();
    return Report(SaveAtomically({{path, [&](QIODevice& device) {
                                       return WriteRecordingCsv(recording, style, notes, views,
                                                                DeviceSink(device));
                                   }}}));
}

bool FileMenu::ExportDrivenData(const DrivenRun& run, const QString& path)
{
    const std::array<std::string, kDrivenColumns> titles = DrivenColumnTitles();
    std::array<std::string_view, kDrivenColumns> views;
    std::copy(titles.begin(), titles.end(), views.begin());
    const CsvStyle style = LocaleCsvStyle();
    const std::vector<std::string> notes =
        DrivenSetupNotes(run.Setup(), style.decimalMark, ProgramNote());
    return Report(SaveAtomically({{path, [&](QIODevice& device) {
                                       return WriteDrivenCsv(run.StepRecording(), run.Setup(),
                                                             style, notes, views,
                                                             DeviceSink(device));
                                   }}}));
}

bool FileMenu::ExportPlots(const QString& path)
{
    const PlotSource* source = active_();
    if (source == nullptr)
        return false;
    const QFileInfo chosen(path);
    const bool svg = chosen.suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0;
    const QString suffix = svg ? QStringLiteral("svg") : QStringLiteral("png");
    const QString base =
        chosen.suffix().isEmpty() || chosen.suffix().compare(suffix, Qt::CaseInsensitive) == 0
        ? chosen.completeBaseName()
        : chosen.fileName();
    // A file read away from the program carries what the screen shows
    // beside the plot, and the setup of the run it shows.
    const QStringList parameters = source->Captions();
    QList<PlannedFile> files;
    for (const PlotPicture& plot : AllPlots(*source)) {
        const QByteArray bytes = svg ? LabelledPlotSvg(plot, parameters)
                                     : PngBytes(LabelledPlotImage(plot, parameters, kImageRatio));
        files.append(
            {chosen.dir().filePath(base + QLatin1Char('-') + plot.name + QLatin1Char('.') + suffix),
             [bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); }});
    }
    return Report(SaveAtomically(files));
}

QList<PlotPicture> FileMenu::AllPlots(const PlotSource& source) const
{
    QList<PlotPicture> plots = source.Plots();
    if (sidePlots_)
        plots.append(sidePlots_());
    return plots;
}

void FileMenu::Copy(QPoint pointer)
{
    PlotSource* source = active_();
    if (source == nullptr)
        return;
    auto* data = new QMimeData;
    for (const PlotPicture& plot : AllPlots(*source)) {
        const QWidget* box = plot.shownBy;
        if (box != nullptr && box->isVisible()
            && box->rect().contains(box->mapFromGlobal(pointer))) {
            data->setImageData(PlotImage(plot, kImageRatio));
            data->setData(QStringLiteral("image/svg+xml"), PlotSvg(plot));
            break;
        }
    }
    if (!data->hasImage()) {
        // Not over a plot: the whole window, as it shows now.
        if (auto* window = dynamic_cast<QWidget*>(source))
            data->setImageData(window->grab().toImage());
    }
    QGuiApplication::clipboard()->setMimeData(data);
}

void FileMenu::Print()
{
    const PlotSource* source = active_();
    if (source == nullptr)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(source->Heading());
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, &frame_);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        Report(tr("L'impression n'a pas pu commencer."));
        return;
    }
    PaintPage(painter, printer.pageLayout().paintRectPixels(printer.resolution()).size(), *source);
    painter.end();
}

} // namespace kestrova
