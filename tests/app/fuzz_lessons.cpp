// Feeds mutated lesson files to the reader: byte flips, truncations, spliced
// pieces, values swapped for values of other types or extreme ones, all
// grown from the example lessons. Nothing may crash (the sanitizer build
// reports any fault) and every lesson the reader accepts must lie within
// the windows' ranges.
//
//     fuzz_lessons [count [seed]]      (count 3000 by default)

#include "app/lesson_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <cstdio>
#include <optional>
#include <random>

namespace {

using kestrova::LessonReading;

/// Values of every JSON type, the awkward ones included.
const QJsonValue kOddValues[] = {
    QJsonValue(),
    QJsonValue(true),
    QJsonValue(-1),
    QJsonValue(1e308),
    QJsonValue(-1e-308),
    QJsonValue(0.5),
    QJsonValue(4294967296.0),
    QJsonValue(QStringLiteral("NaN")),
    QJsonValue(QString(5000, QLatin1Char('x'))),
    QJsonValue(QJsonArray{1, 2}),
    QJsonValue(QJsonObject{{QStringLiteral("teta0"), 1}}),
    QJsonValue(180),
    QJsonValue(3.0000001),
};

/// Replaces one value somewhere in the document by an odd one.
QJsonValue SwapOne(const QJsonValue& value, std::mt19937& random, int depth = 0)
{
    const auto pick = [&random](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    if (value.isObject() && depth < 4 && pick(4) != 0) {
        QJsonObject object = value.toObject();
        if (object.isEmpty())
            return value;
        const QString key = object.keys().at(static_cast<qsizetype>(pick(object.size())));
        object.insert(key, SwapOne(object.value(key), random, depth + 1));
        return object;
    }
    if (value.isArray() && depth < 4 && pick(4) != 0) {
        QJsonArray array = value.toArray();
        if (array.isEmpty())
            return value;
        const auto index = static_cast<qsizetype>(pick(array.size()));
        array.replace(index, SwapOne(array.at(index), random, depth + 1));
        return array;
    }
    return kOddValues[pick(std::size(kOddValues))];
}

QByteArray Mutate(const QByteArray& seed, std::mt19937& random)
{
    const auto pick = [&random](qsizetype n) {
        return static_cast<qsizetype>(
            std::uniform_int_distribution<long long>(0, std::max<long long>(n - 1, 0))(random));
    };
    QByteArray bytes = seed;
    switch (pick(5)) {
    case 0: // byte flips
        for (int i = 0, n = 1 + static_cast<int>(pick(8)); i < n && !bytes.isEmpty(); ++i)
            bytes[pick(bytes.size())] = static_cast<char>(random());
        break;
    case 1: // truncation
        bytes.truncate(pick(bytes.size() + 1));
        break;
    case 2: // a piece of the file spliced elsewhere in it
        bytes.insert(pick(bytes.size()), bytes.mid(pick(bytes.size()), pick(64)));
        break;
    case 3: // a value swapped for one of another type or an extreme one
        bytes = QJsonDocument(SwapOne(QJsonDocument::fromJson(bytes).object(), random).toObject())
                    .toJson();
        break;
    default: // digits replaced: numbers grow, shrink or change sign
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            if (std::isdigit(static_cast<unsigned char>(bytes[i])) && pick(6) == 0)
                bytes[i] = "0123456789-.e9"[pick(14)];
        }
        break;
    }
    return bytes;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const long count = argc > 1 ? std::atol(argv[1]) : 3000;
    std::mt19937 random(argc > 2 ? static_cast<unsigned>(std::atol(argv[2])) : 25U);

    QList<QByteArray> seeds;
    const QDir examples(QStringLiteral(":/kestrova/examples"));
    for (const QString& name : examples.entryList(QDir::Files)) {
        QFile file(examples.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            seeds.append(file.readAll());
    }
    if (seeds.isEmpty()) {
        std::fprintf(stderr, "no example lessons to grow files from\n");
        return 1;
    }
    // And the first with a measurement in each of its encodings: times on a
    // regular clock, irregular times with a pause, and texts of numbers.
    if (std::optional<kestrova::Lesson> lesson = kestrova::ReadLesson(seeds[0], {}).lesson) {
        kestrova::MeasuredSeries series;
        for (int i = 0; i < 40; ++i) {
            series.time.push_back(i / 50.0);
            series.value.push_back(0.3 * std::cos(i / 4.0));
        }
        lesson->measurement = series;
        seeds.append(kestrova::LessonJson(*lesson));
        series.time[20] += 1e-4;
        series.pauses = {series.time[30]};
        lesson->measurement = series;
        seeds.append(kestrova::LessonJson(*lesson));
        seeds.append(QByteArray(seeds[0]).replace(
            "\"titre\"",
            "\"mesure\": {\"vitesseAngulaire\": false, \"temps\": \"0 0.02 0.04 "
            "0.06\", \"valeurs\": \"0.1 0.2 0.1 -0.1\", \"pauses\": \"0.02\"}, \"titre\""));
    }
    QElapsedTimer timer;
    timer.start();
    long accepted = 0;
    for (long i = 0; i < count; ++i) {
        // Half the time a mutant of a mutant, for deeper changes.
        QByteArray bytes = Mutate(seeds[static_cast<qsizetype>(random() % seeds.size())], random);
        if (random() % 2 == 0)
            bytes = Mutate(bytes, random);
        const LessonReading reading = kestrova::ReadLesson(bytes, QStringLiteral("fuzz.kestrova"));
        if (reading.lesson) {
            ++accepted;
            if (!kestrova::LessonWithinRanges(*reading.lesson)) {
                std::fprintf(stderr, "accepted out of range (file %ld):\n%s\n", i,
                             bytes.constData());
                return 1;
            }
        } else if (!reading.error.contains(QStringLiteral("fuzz.kestrova"))) {
            std::fprintf(stderr, "refusal without the file's name: %s\n",
                         qPrintable(reading.error));
            return 1;
        }
    }
    std::printf("%ld mutated lessons, %ld accepted, %lld ms\n", count, accepted,
                static_cast<long long>(timer.elapsed()));
    return 0;
}
