#include "app/lesson_measurement.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <vector>

namespace kestrova {
namespace {

constexpr char kSpeedKey[] = "vitesseAngulaire";
constexpr char kTimesKey[] = "temps";
constexpr char kValuesKey[] = "valeurs";
constexpr char kPausesKey[] = "pauses";

QString Numbers(const std::vector<double>& values)
{
    QStringList parts;
    parts.reserve(static_cast<qsizetype>(values.size()));
    for (const double v : values)
        parts << QString::number(v, 'g', QLocale::FloatingPointShortest);
    return parts.join(QLatin1Char(' '));
}

/// The numbers of `text`, or false when one is not a number or there are
/// more than a lesson carries.
bool ParseNumbers(const QString& text, std::vector<double>& out)
{
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (static_cast<std::size_t>(parts.size()) > kLessonMeasurementMaxSamples)
        return false;
    out.reserve(static_cast<std::size_t>(parts.size()));
    for (const QString& part : parts) {
        bool ok = false;
        out.push_back(part.toDouble(&ok));
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

QJsonObject MeasurementJson(const MeasuredSeries& series)
{
    return {{QLatin1String(kSpeedKey), series.speed},
            {QLatin1String(kTimesKey), Numbers(series.time)},
            {QLatin1String(kValuesKey), Numbers(series.value)},
            {QLatin1String(kPausesKey), Numbers(series.pauses)}};
}

std::optional<MeasuredSeries> ReadLessonMeasurement(const QJsonObject& root, QString& problem)
{
    const QJsonValue value = root.value(QLatin1String(kLessonMeasurementKey));
    if (value.isUndefined())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    MeasuredSeries series;
    const QJsonValue speed = object.value(QLatin1String(kSpeedKey));
    series.speed = speed.toBool();
    const bool read = speed.isBool() && object.value(QLatin1String(kTimesKey)).isString()
        && object.value(QLatin1String(kValuesKey)).isString()
        && ParseNumbers(object.value(QLatin1String(kTimesKey)).toString(), series.time)
        && ParseNumbers(object.value(QLatin1String(kValuesKey)).toString(), series.value)
        && ParseNumbers(object.value(QLatin1String(kPausesKey)).toString(), series.pauses);
    if (!read || !SeriesSound(series)) {
        problem = QCoreApplication::translate("kestrova::LessonFile",
                                              "la mesure (« mesure ») est incomplète ou illisible");
        return std::nullopt;
    }
    return series;
}

} // namespace kestrova
