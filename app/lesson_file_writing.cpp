#include "app/atomic_save.h"
#include "app/lesson_file.h"
#include "app/lesson_fit.h"
#include "app/lesson_keys.h"
#include "app/lesson_measurement.h"

#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <optional>

namespace kestrova {

using namespace lesson_key;

QByteArray LessonJson(const Lesson& lesson)
{
    auto sliders = [](const SliderValues& values) {
        QJsonObject object;
        for (const DampedParameterEntry& entry : kDampedParameters)
            object.insert(QLatin1String(entry.id.data(), static_cast<qsizetype>(entry.id.size())),
                          values[entry.parameter]);
        return object;
    };
    QJsonObject damped = sliders(lesson.damped.sliders);
    damped.insert(QLatin1String(kSmallAngle), lesson.damped.smallAngle);
    damped.insert(QLatin1String(kEnergyCurves), lesson.damped.energyCurves);
    damped.insert(QLatin1String(kSpeed), lesson.damped.speed);

    const FoucaultWindowSetup& f = lesson.foucault;
    const QJsonObject foucault{
        {QLatin1String(kLength), f.lengthMetres},
        {QLatin1String(kLatitude), f.latitudeDegrees},
        {QLatin1String(kDay),
         f.day == foucault::PlanetDay::Sidereal ? QLatin1String(kSidereal)
                                                : QLatin1String(kAccelerated)},
        {QLatin1String(kTimeFactor), f.timeFactor},
    };
    auto drivenValues = [](const DrivenSetup& setup) {
        QJsonObject object;
        for (const DrivenParameterEntry& entry : kDrivenParameters)
            object.insert(QLatin1String(entry.id.data(), static_cast<qsizetype>(entry.id.size())),
                          setup.*entry.member);
        return object;
    };
    const QJsonObject driven = drivenValues(lesson.driven);
    QJsonArray runs;
    for (const LessonKeptRun& run : lesson.keptRuns) {
        // A damped run as lessons always wrote it; a driven one under its key.
        QJsonObject object;
        if (const DrivenSetup* setup = std::get_if<DrivenSetup>(&run.setup))
            object.insert(QLatin1String(kDriven), drivenValues(*setup));
        else
            object = sliders(std::get<SliderValues>(run.setup));
        object.insert(QLatin1String(kVisible), run.visible);
        runs.append(object);
    }
    QJsonObject root{
        {QLatin1String(kFormat), QLatin1String(kFormatName)},
        {QLatin1String(kVersion),
         QStringLiteral("%1.%2").arg(kLessonFormatMajor).arg(kLessonFormatMinor)},
        {QLatin1String(kTitle), QString::fromStdString(lesson.title)},
        {QLatin1String(kNote), QString::fromStdString(lesson.note)},
        {QLatin1String(kWindow),
         QLatin1String(lesson.window == LessonWindow::Foucault     ? kFoucault
                           : lesson.window == LessonWindow::Driven ? kDriven
                                                                   : kDamped)},
        {QLatin1String(kDamped), damped},
        {QLatin1String(kFoucault), foucault},
        {QLatin1String(kDriven), driven},
        {QLatin1String(kRuns), runs},
        {QLatin1String(kPanels),
         QJsonObject{{QLatin1String(kMeasurements), lesson.measurementsOpen},
                     {QLatin1String(kGraphs), lesson.graphsOpen}}},
    };
    if (const std::optional<LessonView>& view = lesson.view) {
        root.insert(
            QLatin1String(kView),
            QJsonObject{{QLatin1String(kFitted), view->fitted},
                        {QLatin1String(kZoom), static_cast<int>(std::lround(view->zoom * 100))},
                        {QLatin1String(kHighContrast), view->highContrast}});
    }
    if (lesson.measurement) {
        QJsonObject measurement = MeasurementJson(*lesson.measurement);
        AddMeasurementFit(measurement, lesson);
        root.insert(QLatin1String(kLessonMeasurementKey), measurement);
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString SaveLessonFile(const QString& path, const Lesson& lesson)
{
    const QByteArray bytes = LessonJson(lesson);
    return SaveAtomically(
        {{path, [&bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); }}});
}

} // namespace kestrova
