#include "app/lesson_file.h"

#include "app/lesson_fit.h"
#include "app/lesson_keys.h"
#include "app/lesson_measurement.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace kestrova {

namespace {

struct LessonFile {
    Q_DECLARE_TR_FUNCTIONS(kestrova::LessonFile)
};

/// A text marked with QT_TRANSLATE_NOOP in the context above, translated.
QString Translated(const char* text)
{
    return LessonFile::tr(text);
}

using namespace lesson_key;

/// A number as the user reads it in a message: the locale's decimal separator.
QString Number(double value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 12);
}

/// The reason a lesson is refused, thrown out of the reading of its keys.
struct Refusal {
    QString problem;
};

/// Reads the keys of a lesson's JSON object into a lesson, refusing any
/// value of the wrong type or outside the windows' ranges. Absent keys keep
/// the lesson's defaults; unknown keys are ignored.
class LessonReader {
public:
    Lesson Read(const QJsonObject& root)
    {
        Lesson lesson;
        lesson.title = Text(root, kTitle, kLessonTitleMaxLength).toStdString();
        lesson.note = Text(root, kNote, kLessonNoteMaxLength).toStdString();
        const QString window = Choice(root, kWindow, {kDamped, kFoucault, kDriven}, kDamped);
        lesson.window = window == QLatin1String(kFoucault) ? LessonWindow::Foucault
            : window == QLatin1String(kDriven)             ? LessonWindow::Driven
                                                           : LessonWindow::Damped;
        if (const QJsonObject damped = Object(root, kDamped); !damped.isEmpty())
            lesson.damped = ReadDamped(damped, lesson.damped);
        if (const QJsonObject foucault = Object(root, kFoucault); !foucault.isEmpty())
            lesson.foucault = ReadFoucault(foucault, lesson.foucault);
        if (const QJsonObject driven = Object(root, kDriven); !driven.isEmpty())
            lesson.driven = ReadDriven(driven, lesson.driven);
        ReadRuns(root, lesson.keptRuns);
        const QJsonObject panels = Object(root, kPanels);
        lesson.measurementsOpen = Bool(panels, kMeasurements, false);
        lesson.graphsOpen = Bool(panels, kGraphs, false);
        if (const QJsonObject view = Object(root, kView); root.contains(QLatin1String(kView)))
            lesson.view = ReadView(view);
        QString problem;
        lesson.measurement = ReadLessonMeasurement(root, problem);
        ReadMeasurementFit(root, lesson, problem);
        if (!problem.isEmpty())
            Refuse(problem);
        return lesson;
    }

private:
    [[noreturn]] static void Refuse(const QString& problem) { throw Refusal{problem}; }

    QString Name(const char* key) const
    {
        return path_.isEmpty() ? QString::fromLatin1(key)
                               : path_ + QLatin1Char('.') + QString::fromLatin1(key);
    }

    [[noreturn]] void WrongType(const char* key, const char* expected) const
    {
        Refuse(LessonFile::tr("« %1 » doit être %2").arg(Name(key), Translated(expected)));
    }

    QJsonObject Object(const QJsonObject& parent, const char* key)
    {
        path_.clear();
        const QJsonValue value = parent.value(QLatin1String(key));
        if (value.isUndefined())
            return {};
        if (!value.isObject())
            WrongType(key, QT_TRANSLATE_NOOP("kestrova::LessonFile", "un objet { … }"));
        path_ = QString::fromLatin1(key);
        return value.toObject();
    }

    QString Text(const QJsonObject& object, const char* key, std::size_t maxLength) const
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined())
            return {};
        if (!value.isString())
            WrongType(key, QT_TRANSLATE_NOOP("kestrova::LessonFile", "un texte entre guillemets"));
        const QString text = value.toString();
        if (Utf8Length(text.toStdString()) > maxLength)
            Refuse(LessonFile::tr("« %1 » est trop long (plus de %2 caractères)")
                       .arg(Name(key))
                       .arg(maxLength));
        return text;
    }

    bool Bool(const QJsonObject& object, const char* key, bool fallback) const
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined())
            return fallback;
        if (!value.isBool())
            WrongType(key, QT_TRANSLATE_NOOP("kestrova::LessonFile", "true ou false"));
        return value.toBool();
    }

    double Double(const QJsonObject& object, const char* key, double fallback) const
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined())
            return fallback;
        if (!value.isDouble())
            WrongType(key, QT_TRANSLATE_NOOP("kestrova::LessonFile", "un nombre"));
        const double number = value.toDouble();
        if (!std::isfinite(number))
            Refuse(LessonFile::tr("« %1 » n'est pas un nombre fini").arg(Name(key)));
        return number;
    }

    /// An integer from `minimum` to `maximum`, checked before any conversion.
    int Integer(const QJsonObject& object, const char* key, int minimum, int maximum,
                int fallback) const
    {
        const double number = Double(object, key, fallback);
        if (number < minimum || number > maximum)
            OutOfRange(key, number, LessonFile::tr("de %1 à %2").arg(minimum).arg(maximum));
        if (number != std::floor(number))
            WrongType(key, QT_TRANSLATE_NOOP("kestrova::LessonFile", "un nombre entier"));
        return static_cast<int>(number);
    }

    [[noreturn]] void OutOfRange(const char* key, double number, const QString& allowed) const
    {
        Refuse(LessonFile::tr("« %1 » vaut %2, hors des valeurs permises (%3)")
                   .arg(Name(key), Number(number), allowed));
    }

    QString Choice(const QJsonObject& object, const char* key,
                   std::initializer_list<const char*> choices, const char* fallback) const
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined())
            return QString::fromLatin1(fallback);
        QStringList names;
        for (const char* choice : choices)
            names.append(QStringLiteral("« %1 »").arg(QLatin1String(choice)));
        const QString text = value.toString();
        if (!value.isString() || !names.contains(QStringLiteral("« %1 »").arg(text)))
            Refuse(LessonFile::tr("« %1 » doit valoir %2")
                       .arg(Name(key), names.join(LessonFile::tr(" ou "))));
        return text;
    }

    SliderValues Sliders(const QJsonObject& object, SliderValues sliders) const
    {
        for (const DampedParameterEntry& entry : kDampedParameters) {
            const std::string id(entry.id);
            sliders[entry.parameter] = Integer(object, id.c_str(), entry.range.minimum,
                                               entry.range.maximum, sliders[entry.parameter]);
        }
        return sliders;
    }

    DampedWindowSetup ReadDamped(const QJsonObject& object, DampedWindowSetup setup) const
    {
        setup.sliders = Sliders(object, setup.sliders);
        setup.smallAngle = Bool(object, kSmallAngle, setup.smallAngle);
        setup.energyCurves = Bool(object, kEnergyCurves, setup.energyCurves);
        setup.speed = Double(object, kSpeed, setup.speed);
        if (!ValidSpeed(setup.speed))
            OutOfRange(kSpeed, setup.speed, QStringLiteral("1 ; 0,5 ; 0,25 ; 0,125"));
        return setup;
    }

    LessonView ReadView(const QJsonObject& object) const
    {
        LessonView view;
        view.fitted = Bool(object, kFitted, view.fitted);
        const double percent = Double(object, kZoom, 100);
        view.zoom = percent / 100;
        if (!ValidZoomStep(view.zoom))
            OutOfRange(kZoom, percent, QStringLiteral("75 ; 100 ; 125 ; 150 ; 200"));
        view.highContrast = Bool(object, kHighContrast, view.highContrast);
        return view;
    }

    FoucaultWindowSetup ReadFoucault(const QJsonObject& object, FoucaultWindowSetup setup) const
    {
        setup.lengthMetres = Double(object, kLength, setup.lengthMetres);
        if (!ValidLength(setup.lengthMetres))
            OutOfRange(kLength, setup.lengthMetres, LessonFile::tr("plus de 3 et au plus 1000"));
        setup.latitudeDegrees = Double(object, kLatitude, setup.latitudeDegrees);
        if (!ValidLatitude(setup.latitudeDegrees))
            OutOfRange(kLatitude, setup.latitudeDegrees, LessonFile::tr("de -90 à 90"));
        const QString day = Choice(object, kDay, {kAccelerated, kSidereal}, kAccelerated);
        setup.day = day == QLatin1String(kSidereal) ? foucault::PlanetDay::Sidereal
                                                    : foucault::PlanetDay::Accelerated;
        const double factor = Double(object, kTimeFactor, setup.timeFactor);
        const bool listed =
            std::find(foucault::kTimeFactors.begin(), foucault::kTimeFactors.end(), factor)
            != foucault::kTimeFactors.end();
        if (!listed || !ValidTimeFactor(setup.day, static_cast<int>(factor)))
            OutOfRange(kTimeFactor, factor,
                       setup.day == foucault::PlanetDay::Sidereal
                           ? QStringLiteral("1, 60, 600, 3600")
                           : LessonFile::tr("1 avec le jour accéléré"));
        setup.timeFactor = static_cast<int>(factor);
        return setup;
    }

    DrivenSetup ReadDriven(const QJsonObject& object, DrivenSetup setup) const
    {
        for (const DrivenParameterEntry& entry : kDrivenParameters) {
            const std::string id(entry.id);
            double& value = setup.*entry.member;
            value = Double(object, id.c_str(), value);
            DrivenSetup alone;
            alone.*entry.member = value;
            if (!WithinBounds(alone))
                OutOfRange(id.c_str(), value,
                           LessonFile::tr("de %1 à %2")
                               .arg(Number(entry.minimum / entry.displayScale),
                                    Number(entry.maximum / entry.displayScale)));
        }
        return setup;
    }

    void ReadRuns(const QJsonObject& root, std::vector<LessonKeptRun>& runs)
    {
        path_.clear();
        const QJsonValue value = root.value(QLatin1String(kRuns));
        if (value.isUndefined())
            return;
        if (!value.isArray())
            WrongType(kRuns, QT_TRANSLATE_NOOP("kestrova::LessonFile", "une liste [ … ]"));
        const QJsonArray array = value.toArray();
        if (static_cast<std::size_t>(array.size()) > KeptRuns::kLimit)
            Refuse(LessonFile::tr("« %1 » contient plus de %2 essais")
                       .arg(QLatin1String(kRuns))
                       .arg(KeptRuns::kLimit));
        for (qsizetype i = 0; i < array.size(); ++i) {
            path_ = QStringLiteral("%1[%2]").arg(QLatin1String(kRuns)).arg(i);
            if (!array[i].isObject())
                Refuse(LessonFile::tr("« %1 » doit être %2")
                           .arg(path_,
                                Translated(
                                    QT_TRANSLATE_NOOP("kestrova::LessonFile", "un objet { … }"))));
            const QJsonObject run = array[i].toObject();
            // A driven run holds its values in an object of its own; a
            // damped one, as lessons always had it, its sliders at its top.
            RunSetup setup = SliderValues{};
            if (run.contains(QLatin1String(kDriven))) {
                const QJsonValue driven = run.value(QLatin1String(kDriven));
                if (!driven.isObject())
                    WrongType(kDriven, QT_TRANSLATE_NOOP("kestrova::LessonFile", "un objet { … }"));
                const QString at = path_;
                path_ = Name(kDriven);
                setup = ReadDriven(driven.toObject(), DrivenSetup{});
                path_ = at;
            } else {
                setup = Sliders(run, SliderValues{});
            }
            runs.push_back({setup, Bool(run, kVisible, true)});
        }
    }

    QString path_; ///< the object being read, for the names in messages
};

QString Refused(const QString& fileName, const QString& problem)
{
    return LessonFile::tr("Le fichier « %1 » n'a pas pu être ouvert : %2.")
        .arg(QDir::toNativeSeparators(fileName), problem);
}

QString SyntaxProblem(const QJsonParseError& error)
{
    switch (error.error) {
    case QJsonParseError::UnterminatedObject:
    case QJsonParseError::UnterminatedArray:
    case QJsonParseError::UnterminatedString:
    case QJsonParseError::TerminationByNumber:
        return LessonFile::tr("il s'arrête avant la fin (fichier tronqué ?)");
    case QJsonParseError::DeepNesting:
        return LessonFile::tr("ses données sont imbriquées trop profondément");
    case QJsonParseError::IllegalUTF8String:
        return LessonFile::tr("il contient des caractères qui ne sont pas du texte UTF-8");
    case QJsonParseError::IllegalNumber:
        return LessonFile::tr("un nombre y est illisible ou trop grand (à l'octet %1)")
            .arg(error.offset + 1);
    case QJsonParseError::DocumentTooLarge:
        return LessonFile::tr("il est trop volumineux");
    default:
        return LessonFile::tr("ce n'est pas du JSON valide (erreur à l'octet %1)")
            .arg(error.offset + 1);
    }
}

/// The version "major.minor" of the document, or a refusal.
void CheckVersion(const QJsonObject& root)
{
    if (root.value(QLatin1String(kFormat)).toString() != QLatin1String(kFormatName))
        throw Refusal{
            LessonFile::tr("ce n'est pas une leçon Kestrova (la clé « format » ne vaut pas « %1 »)")
                .arg(QLatin1String(kFormatName))};
    const QString version = root.value(QLatin1String(kVersion)).toString();
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,4})\\.([0-9]{1,4})$"));
    const QRegularExpressionMatch match = pattern.match(version);
    if (!match.hasMatch())
        throw Refusal{
            LessonFile::tr("sa version de format (« version ») n'est pas de la forme 1.0")};
    const int major = match.captured(1).toInt();
    if (major > kLessonFormatMajor)
        throw Refusal{
            LessonFile::tr("il est au format %1, plus récent que celui que lit ce programme "
                           "(%2.x) : il faut une version de Kestrova qui lise le format %3")
                .arg(version)
                .arg(kLessonFormatMajor)
                .arg(version)};
    if (major < 1)
        throw Refusal{LessonFile::tr("sa version de format %1 n'existe pas").arg(version)};
}

} // namespace

LessonReading ReadLesson(const QByteArray& bytes, const QString& fileName)
{
    try {
        if (bytes.trimmed().isEmpty())
            throw Refusal{LessonFile::tr("il est vide")};
        if (bytes.size() > kLessonFileMaxBytes)
            throw Refusal{LessonFile::tr("il est trop volumineux")};
        if (bytes.contains('\0'))
            throw Refusal{LessonFile::tr("il contient des données binaires, pas du texte")};
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
        if (error.error != QJsonParseError::NoError)
            throw Refusal{SyntaxProblem(error)};
        if (!document.isObject())
            throw Refusal{LessonFile::tr(
                "ce n'est pas une leçon Kestrova (le document n'est pas un objet { … })")};
        const QJsonObject root = document.object();
        CheckVersion(root);
        Lesson lesson = LessonReader().Read(root);
        // The reader checked each value; the whole is checked once more
        // against the model's own ranges.
        if (!LessonWithinRanges(lesson))
            throw Refusal{LessonFile::tr("certaines valeurs sont hors des limites")};
        return {std::move(lesson), {}};
    } catch (const Refusal& refusal) {
        return {std::nullopt, Refused(fileName, refusal.problem)};
    }
}

LessonReading ReadLessonFile(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return {std::nullopt, Refused(path, LessonFile::tr("c'est un dossier, pas un fichier"))};
    if (!info.exists())
        return {std::nullopt, Refused(path, LessonFile::tr("il n'existe pas"))};
    if (info.size() > kLessonFileMaxBytes)
        return {std::nullopt, Refused(path, LessonFile::tr("il est trop volumineux"))};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt,
                Refused(path, LessonFile::tr("il ne peut pas être lu (droits d'accès ?)"))};
    // One byte more than allowed tells a file that grew since.
    return ReadLesson(file.read(kLessonFileMaxBytes + 1), path);
}

} // namespace kestrova
