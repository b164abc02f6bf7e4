#include "app/lesson_session.h"

#include "app/animation_menu.h"
#include "app/lesson_file.h"
#include "app/mdi_brunmalt.h"
#include "app/measurement_session.h"
#include "app/measurements_dock.h"
#include "app/view_menu.h"
#include "ui/damped/frm_pendule_amorti.h"
#include "ui/driven/frm_pendule_force.h"
#include "ui/foucault/frm_foucault.h"

#include <QAction>
#include <QFileInfo>

namespace kestrova {

LessonSession::LessonSession(MDIBrunmalt& frame, QMenu& fileMenu)
    : QObject(&frame)
    , frame_(frame)
{
    CreateActions(fileMenu);
    InstallDefaultDialogs();
    connect(frame.Animation(), &AnimationMenu::SpeedChanged, this, &LessonSession::Recheck);
    connect(frame.EnergyCurvesAction(), &QAction::toggled, this, &LessonSession::Recheck);
    connect(&frame.View(), &ViewMenu::ChoiceChanged, this, &LessonSession::Recheck);
    connect(frame.Measurements().ShowAction(), &QAction::toggled, this, &LessonSession::Recheck);
    frame.KeptRunList().SetOnChanged([this] { Recheck(); });
}

void LessonSession::FollowMeasurement(MeasurementSession& measured)
{
    connect(&measured, &MeasurementSession::SeriesChanged, this, &LessonSession::Recheck);
    connect(&measured, &MeasurementSession::FittedChanged, this, &LessonSession::Recheck);
}

Lesson LessonSession::Gather() const
{
    Lesson lesson;
    lesson.title = title_;
    lesson.note = note_;
    lesson.window = frame_.FoucaultWindow() != nullptr ? LessonWindow::Foucault
        : DrivenWindow() != nullptr                    ? LessonWindow::Driven
                                                       : LessonWindow::Damped;
    lesson.damped = frame_.DampedWindow() != nullptr ? frame_.DampedWindow()->Setup() : damped_;
    // The pace and the energy curves are the frame's items, whichever window is open.
    lesson.damped.speed = frame_.Animation()->Speed();
    lesson.damped.energyCurves = frame_.EnergyCurvesWanted();
    lesson.foucault =
        frame_.FoucaultWindow() != nullptr ? frame_.FoucaultWindow()->Setup() : foucault_;
    lesson.driven = DrivenWindow() != nullptr ? DrivenWindow()->Setup() : driven_;
    lesson.keptRuns = LessonRuns(frame_.KeptRunList().Runs());
    lesson.measurementsOpen = frame_.Measurements().Wanted();
    lesson.graphsOpen = graphsOpen_;
    const ViewChoice view = frame_.View().Choice();
    lesson.view = LessonView{view.fitted, view.zoom, view.highContrast};
    // Every series the importer makes is sound; a lesson never carries one
    // its reader would refuse.
    if (const MeasurementSession* measured = frame_.MeasuredOrNull();
        measured != nullptr && measured->Series() && SeriesSound(*measured->Series())) {
        lesson.measurement = measured->Series();
        lesson.measurementName = measured->Name().toStdString();
        lesson.fittedMotion = measured->Fitted();
    }
    return lesson;
}

void LessonSession::Apply(const Lesson& lesson)
{
    applying_ = true;
    frame_.ShowSimulation(lesson.window == LessonWindow::Foucault     ? kFoucaultSimulation
                              : lesson.window == LessonWindow::Driven ? kDrivenSimulation
                                                                      : kDampedSimulation);
    frame_.Animation()->SetSpeed(lesson.damped.speed);
    frame_.SetEnergyCurvesWanted(lesson.damped.energyCurves);
    damped_ = lesson.damped;
    foucault_ = lesson.foucault;
    driven_ = lesson.driven;
    if (frmPenduleForce* driven = DrivenWindow())
        driven->ApplySetup(lesson.driven);
    if (frmPenduleAmorti* damped = frame_.DampedWindow())
        damped->ApplySetup(lesson.damped);
    if (frmFoucault* foucault = frame_.FoucaultWindow())
        foucault->ApplySetup(lesson.foucault);
    frame_.KeptRunList().Assign(KeptRunsOf(lesson.keptRuns));
    frame_.Measurements().SetWanted(lesson.measurementsOpen);
    // The graphs window follows this flag once the frame has one; until
    // then the flag is kept as the lesson gave it.
    graphsOpen_ = lesson.graphsOpen;
    if (const std::optional<LessonView>& view = lesson.view)
        frame_.View().Choose({view->fitted, view->zoom, view->highContrast});
    if (MeasurementSession* measured = frame_.MeasuredOrNull()) {
        measured->SetSeries(lesson.measurement, QString::fromStdString(lesson.measurementName));
        measured->SetFitted(lesson.fittedMotion);
    }
    title_ = lesson.title;
    note_ = lesson.note;
    applying_ = false;
    Recheck();
}

void LessonSession::WindowOpened()
{
    if (frmPenduleAmorti* damped = frame_.DampedWindow())
        connect(damped, &frmPenduleAmorti::SetupChanged, this, &LessonSession::Recheck,
                Qt::UniqueConnection);
    if (frmFoucault* foucault = frame_.FoucaultWindow())
        connect(foucault, &frmFoucault::SetupChanged, this, &LessonSession::Recheck,
                Qt::UniqueConnection);
    if (frmPenduleForce* driven = DrivenWindow())
        connect(driven, &frmPenduleForce::SetupChanged, this, &LessonSession::Recheck,
                Qt::UniqueConnection);
    Recheck();
}

void LessonSession::Recheck()
{
    if (applying_)
        return;
    if (frmPenduleAmorti* damped = frame_.DampedWindow())
        damped_ = damped->Setup();
    if (frmFoucault* foucault = frame_.FoucaultWindow())
        foucault_ = foucault->Setup();
    if (frmPenduleForce* driven = DrivenWindow())
        driven_ = driven->Setup();
    // An untitled session has nothing to lose: no mark, no question.
    const bool modified = !name_.isEmpty() && Gather() != saved_;
    if (modified != modified_) {
        modified_ = modified;
        emit TitleChanged();
    }
}

void LessonSession::MarkSaved(const QString& path, const QString& name)
{
    path_ = path;
    name_ = name;
    saved_ = Gather();
    modified_ = false;
    emit TitleChanged();
}

bool LessonSession::OpenReading(const QString& path, const QString& name, bool keepPath)
{
    if (!MayDiscardChanges())
        return false;
    const LessonReading reading = ReadLessonFile(path);
    if (!reading.lesson) {
        if (report_)
            report_(reading.error);
        return false;
    }
    Apply(*reading.lesson);
    MarkSaved(keepPath ? path : QString(), name);
    if (showNote_ && !(reading.lesson->title.empty() && reading.lesson->note.empty()))
        showNote_(QString::fromStdString(reading.lesson->title),
                  QString::fromStdString(reading.lesson->note));
    return true;
}

bool LessonSession::Open(const QString& path)
{
    const bool opened = OpenReading(path, QFileInfo(path).fileName(), true);
    if (opened)
        RememberRecent(QFileInfo(path).absoluteFilePath());
    return opened;
}

bool LessonSession::OpenExample(const QString& path)
{
    return OpenReading(path, QFileInfo(path).fileName(), false);
}

bool LessonSession::Save()
{
    if (path_.isEmpty()) {
        const QString proposed =
            name_.isEmpty() ? tr("lecon") + QLatin1Char('.') + QLatin1String(kLessonSuffix) : name_;
        const QString chosen = chooseSave_ ? chooseSave_(proposed) : QString();
        return !chosen.isEmpty() && SaveAs(chosen);
    }
    return SaveAs(path_);
}

bool LessonSession::SaveAs(const QString& path)
{
    QString target = path;
    if (QFileInfo(target).suffix().isEmpty())
        target += QLatin1Char('.') + QLatin1String(kLessonSuffix);
    const QString error = SaveLessonFile(target, Gather());
    if (!error.isEmpty()) {
        if (report_)
            report_(error);
        return false;
    }
    MarkSaved(target, QFileInfo(target).fileName());
    RememberRecent(QFileInfo(target).absoluteFilePath());
    return true;
}

void LessonSession::NewSession()
{
    if (!MayDiscardChanges())
        return;
    Apply(Lesson{});
    path_.clear();
    name_.clear();
    saved_ = Gather();
    modified_ = false;
    emit TitleChanged();
}

bool LessonSession::MayDiscardChanges()
{
    Recheck();
    if (!modified_)
        return true;
    switch (askUnsaved_ ? askUnsaved_(name_) : UnsavedAnswer::Discard) {
    case UnsavedAnswer::Save:
        return Save();
    case UnsavedAnswer::Discard:
        return true;
    case UnsavedAnswer::Cancel:
        break;
    }
    return false;
}

frmPenduleForce* LessonSession::DrivenWindow() const
{
    return qobject_cast<frmPenduleForce*>(frame_.SimulationWidget(kDrivenSimulation));
}

} // namespace kestrova
