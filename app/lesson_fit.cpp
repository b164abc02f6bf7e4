#include "app/lesson_fit.h"

#include "app/lesson_measurement.h"

#include <QCoreApplication>
#include <QJsonValue>

#include <array>
#include <utility>

namespace kestrova {
namespace {

constexpr char kNameKey[] = "fichier";
constexpr char kFitKey[] = "ajustement";
constexpr char kModelKey[] = "modele";
constexpr char kLinear[] = "lineaire";
constexpr char kQuadratic[] = "quadratique";

/// Each fitted value under its key.
constexpr std::array<std::pair<const char*, double FittedMotion::*>, 8> kValues{{
    {"omega0", &FittedMotion::omega0},
    {"lambda", &FittedMotion::lambda},
    {"mu", &FittedMotion::mu},
    {"angle", &FittedMotion::angle},
    {"vitesse", &FittedMotion::velocity},
    {"decalage", &FittedMotion::offset},
    {"debut", &FittedMotion::from},
    {"fin", &FittedMotion::to},
}};

} // namespace

void AddMeasurementFit(QJsonObject& measurement, const Lesson& lesson)
{
    if (!lesson.measurementName.empty())
        measurement.insert(QLatin1String(kNameKey), QString::fromStdString(lesson.measurementName));
    if (!lesson.fittedMotion)
        return;
    const FittedMotion& motion = *lesson.fittedMotion;
    QJsonObject fit{
        {QLatin1String(kModelKey),
         QLatin1String(motion.model == DampingModel::Quadratic ? kQuadratic : kLinear)}};
    for (const auto& [key, member] : kValues)
        fit.insert(QLatin1String(key), motion.*member);
    measurement.insert(QLatin1String(kFitKey), fit);
}

void ReadMeasurementFit(const QJsonObject& root, Lesson& lesson, QString& problem)
{
    if (!lesson.measurement)
        return;
    const QJsonObject measurement = root.value(QLatin1String(kLessonMeasurementKey)).toObject();
    const QJsonValue name = measurement.value(QLatin1String(kNameKey));
    const QJsonValue fitValue = measurement.value(QLatin1String(kFitKey));
    bool read = (name.isUndefined() || name.isString())
        && Utf8Length(name.toString().toStdString()) <= kLessonTitleMaxLength
        && lesson.measurement.has_value() && (fitValue.isUndefined() || fitValue.isObject());
    lesson.measurementName = name.toString().toStdString();
    if (read && fitValue.isObject()) {
        const QJsonObject fit = fitValue.toObject();
        const QString model = fit.value(QLatin1String(kModelKey)).toString();
        FittedMotion motion;
        motion.speed = lesson.measurement->speed;
        motion.model =
            model == QLatin1String(kQuadratic) ? DampingModel::Quadratic : DampingModel::Linear;
        read = model == QLatin1String(kLinear) || model == QLatin1String(kQuadratic);
        for (const auto& [key, member] : kValues) {
            const QJsonValue value = fit.value(QLatin1String(key));
            read = read && value.isDouble();
            motion.*member = value.toDouble();
        }
        read = read && FittedMotionSound(motion, *lesson.measurement);
        if (read)
            lesson.fittedMotion = motion;
    }
    if (!read)
        problem = QCoreApplication::translate(
            "kestrova::LessonFile",
            "l'ajustement de la mesure (« mesure.ajustement ») est incomplet ou illisible");
}

} // namespace kestrova
