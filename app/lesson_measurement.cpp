#include "app/lesson_measurement.h"

#include <QCoreApplication>
#include <QJsonValue>
#include <QStringList>
#include <QtEndian>

#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

namespace kestrova {
namespace {

constexpr char kSpeedKey[] = "vitesseAngulaire";
constexpr char kValuesKey[] = "valeursBinaires";
constexpr char kUniformTimesKey[] = "tempsUniformes";
constexpr char kTimesKey[] = "tempsBinaires";
constexpr char kPausesKey[] = "pausesBinaires";
constexpr char kGridStartKey[] = "debut";
constexpr char kGridStepKey[] = "pas";
constexpr char kGridDivisorKey[] = "diviseur";
constexpr char kGridCountKey[] = "nombre";
// The texts of numbers that files held before the binary encoding.
constexpr char kTextTimesKey[] = "temps";
constexpr char kTextValuesKey[] = "valeurs";
constexpr char kTextPausesKey[] = "pauses";

/// Integers up to this are exact in a double, and so are their sums.
constexpr double kExactInteger = 9007199254740992.0; // 2^53
/// Finer than any recorder's clock, and 10^15 is still exact.
constexpr int kMaxGridDecimals = 15;

QJsonValue Key(const QJsonObject& object, const char* key)
{
    return object.value(QLatin1String(key));
}

QString Encoded(const std::vector<double>& values)
{
    QByteArray bytes(static_cast<qsizetype>(values.size() * 8), Qt::Uninitialized);
    for (std::size_t i = 0; i < values.size(); ++i)
        qToLittleEndian(std::bit_cast<quint64>(values[i]), bytes.data() + i * 8);
    return QString::fromLatin1(bytes.toBase64());
}

/// The doubles encoded in `value`, or false when it is no such text or
/// holds more than a lesson carries.
bool Decode(const QJsonValue& value, std::vector<double>& out)
{
    if (!value.isString())
        return false;
    const QString text = value.toString();
    if (static_cast<std::size_t>(text.size()) > (kLessonMeasurementMaxSamples * 8 + 2) / 3 * 4)
        return false;
    const QByteArray::FromBase64Result decoded =
        QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() % 8 != 0)
        return false;
    out.resize(static_cast<std::size_t>(decoded.decoded.size() / 8));
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = std::bit_cast<double>(qFromLittleEndian<quint64>(decoded.decoded.data() + i * 8));
    return true;
}

/// Sample times (start + i·step) / divisor, integers over a power of ten:
/// the division of two exact integers rounds once, to the double nearest
/// the decimal time, exactly as reading that time from a file did.
struct TimeGrid {
    double start = 0, step = 0, divisor = 1;
    std::size_t count = 0;

    [[nodiscard]] double At(std::size_t i) const
    {
        return (start + static_cast<double>(i) * step) / divisor;
    }
    [[nodiscard]] bool Exact() const
    {
        return step > 0 && std::floor(start) == start && std::floor(step) == step
            && std::abs(start) + static_cast<double>(count) * step < kExactInteger;
    }
};

std::optional<TimeGrid> UniformGrid(const std::vector<double>& t)
{
    if (t.size() < 2)
        return std::nullopt;
    TimeGrid grid;
    grid.count = t.size();
    for (int decimals = 0; decimals <= kMaxGridDecimals; ++decimals, grid.divisor *= 10) {
        grid.start = std::round(t[0] * grid.divisor);
        grid.step = std::round((t[1] - t[0]) * grid.divisor);
        if (!grid.Exact())
            continue;
        std::size_t i = 0;
        while (i < t.size() && grid.At(i) == t[i])
            ++i;
        if (i == t.size())
            return grid;
    }
    return std::nullopt;
}

bool ReadGrid(const QJsonValue& value, std::vector<double>& out)
{
    if (!value.isObject())
        return false;
    const QJsonObject object = value.toObject();
    TimeGrid grid;
    grid.start = Key(object, kGridStartKey).toDouble(NAN);
    grid.step = Key(object, kGridStepKey).toDouble(NAN);
    grid.divisor = Key(object, kGridDivisorKey).toDouble(NAN);
    const double count = Key(object, kGridCountKey).toDouble(NAN);
    bool powerOfTen = false;
    for (double p = 1; p <= 1e15; p *= 10)
        powerOfTen = powerOfTen || grid.divisor == p;
    if (!powerOfTen || !(count >= 2)
        || !(count <= static_cast<double>(kLessonMeasurementMaxSamples))
        || std::floor(count) != count)
        return false;
    grid.count = static_cast<std::size_t>(count);
    if (!grid.Exact())
        return false;
    out.resize(grid.count);
    for (std::size_t i = 0; i < grid.count; ++i)
        out[i] = grid.At(i);
    return true;
}

/// The numbers of `text`, or false when one is not a number or there are
/// more than a lesson carries.
bool ParseNumbers(const QJsonValue& value, std::vector<double>& out)
{
    if (!value.isString())
        return false;
    const QStringList parts = value.toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
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
    QJsonObject object{{QLatin1String(kSpeedKey), series.speed},
                       {QLatin1String(kValuesKey), Encoded(series.value)},
                       {QLatin1String(kPausesKey), Encoded(series.pauses)}};
    if (const std::optional<TimeGrid> grid = UniformGrid(series.time))
        object.insert(
            QLatin1String(kUniformTimesKey),
            QJsonObject{{QLatin1String(kGridStartKey), grid->start},
                        {QLatin1String(kGridStepKey), grid->step},
                        {QLatin1String(kGridDivisorKey), grid->divisor},
                        {QLatin1String(kGridCountKey), static_cast<double>(grid->count)}});
    else
        object.insert(QLatin1String(kTimesKey), Encoded(series.time));
    return object;
}

std::optional<MeasuredSeries> ReadLessonMeasurement(const QJsonObject& root, QString& problem)
{
    const QJsonValue value = root.value(QLatin1String(kLessonMeasurementKey));
    if (value.isUndefined())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    MeasuredSeries series;
    const QJsonValue speed = Key(object, kSpeedKey);
    series.speed = speed.toBool();
    bool read = speed.isBool();
    if (object.contains(QLatin1String(kValuesKey)))
        read = read && Decode(Key(object, kValuesKey), series.value)
            && (object.contains(QLatin1String(kUniformTimesKey))
                    ? ReadGrid(Key(object, kUniformTimesKey), series.time)
                    : Decode(Key(object, kTimesKey), series.time))
            && Decode(Key(object, kPausesKey), series.pauses);
    else
        read = read && ParseNumbers(Key(object, kTextTimesKey), series.time)
            && ParseNumbers(Key(object, kTextValuesKey), series.value)
            && ParseNumbers(QJsonValue(Key(object, kTextPausesKey).toString()), series.pauses);
    if (!read || !SeriesSound(series)) {
        problem = QCoreApplication::translate("kestrova::LessonFile",
                                              "la mesure (« mesure ») est incomplète ou illisible");
        return std::nullopt;
    }
    return series;
}

} // namespace kestrova
