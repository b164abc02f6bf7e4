// Feeds mutated measurement files to the importer: byte flips, truncations,
// spliced pieces, delimiters and decimal marks swapped, digits changed, all
// grown from the sample measurements (their first lines, and the whole
// archive). Nothing may crash (the sanitizer build reports any fault);
// every table the reader accepts has columns of one length and at least two
// rows, and every series the proposed pick gives has finite, strictly
// increasing times. One file in fifty is also fitted, with a small
// iteration cap: a fit must end and claim nothing it did not reach.
//
//     fuzz_measurements [count [seed]]      (count 2000 by default)

#include "model/measured_series.h"
#include "model/measurement_archive.h"
#include "model/pendulum_fit.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace kestrova;

std::string Seed(const char* name, std::size_t lines)
{
    std::ifstream in(std::string(KESTROVA_SAMPLE_MEASUREMENTS) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    std::string text = bytes.str();
    std::size_t at = 0;
    for (std::size_t k = 0; k < lines && at != std::string::npos; ++k)
        at = text.find('\n', at + 1);
    return at == std::string::npos ? text : text.substr(0, at + 1);
}

std::string Mutate(const std::string& seed, std::mt19937& random)
{
    const auto pick = [&random](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n == 0 ? 0 : n - 1)(random);
    };
    std::string bytes = seed;
    switch (pick(6)) {
    case 0: // byte flips
        for (std::size_t i = 0, n = 1 + pick(8); i < n && !bytes.empty(); ++i)
            bytes[pick(bytes.size())] = static_cast<char>(random());
        break;
    case 1: // truncation
        bytes.resize(pick(bytes.size() + 1));
        break;
    case 2: // a piece spliced elsewhere
        bytes.insert(pick(bytes.size() + 1), bytes.substr(pick(bytes.size() + 1), pick(200)));
        break;
    case 3: // one separator or mark swapped for another
        for (std::size_t i = 0, n = 1 + pick(20); i < n && !bytes.empty(); ++i) {
            const std::size_t at = bytes.find_first_of(",;\t. \n", pick(bytes.size()));
            if (at != std::string::npos)
                bytes[at] = ",;\t. \n\"E"[pick(8)];
        }
        break;
    case 4: // a line repeated or dropped: times that repeat or jump
    {
        const std::size_t at = bytes.find('\n', pick(bytes.size()));
        const std::size_t end = at == std::string::npos ? at : bytes.find('\n', at + 1);
        if (end != std::string::npos) {
            if (pick(2) == 0)
                bytes.insert(at + 1, bytes.substr(at + 1, end - at));
            else
                bytes.erase(at + 1, end - at);
        }
        break;
    }
    default: // digits replaced: numbers grow, shrink, change sign or vanish
        for (char& c : bytes)
            if (c >= '0' && c <= '9' && pick(8) == 0)
                c = "0123456789-.eE9N"[pick(16)];
        break;
    }
    return bytes;
}

bool Check(const std::string& bytes, std::mt19937& random, long index)
{
    const ArchiveReading file = ReadMeasurementFile(bytes);
    if (!file.reading.Ok())
        return file.reading.refusal[0] != '\0';
    const MeasurementTable& table = file.reading.table;
    if (table.RowCount() < 2 || table.names.size() != table.columns.size()
        || table.units.size() != table.columns.size()) {
        std::fprintf(stderr, "file %ld: a table of %zu rows or uneven lists\n", index,
                     table.RowCount());
        return false;
    }
    for (const auto& column : table.columns)
        if (column.size() != table.RowCount()) {
            std::fprintf(stderr, "file %ld: columns of different lengths\n", index);
            return false;
        }
    const SeriesReading series = MakeSeries(table, ProposedPick(table), file.pauses);
    if (!series.Ok())
        return true;
    const MeasuredSeries& s = series.series;
    for (std::size_t i = 0; i < s.time.size(); ++i)
        if (!std::isfinite(s.time[i]) || !std::isfinite(s.value[i])
            || (i > 0 && s.time[i] <= s.time[i - 1])) {
            std::fprintf(stderr, "file %ld: row %zu of the series is not sound\n", index, i);
            return false;
        }
    if (random() % 50 == 0) {
        FitOptions options;
        options.maxIterations = 30;
        const PendulumFit fit = FitPendulum(s, options);
        if (fit.Converged() && (!std::isfinite(fit.omega0.value) || !std::isfinite(fit.rms))) {
            std::fprintf(stderr, "file %ld: a converged fit with values that are not finite\n",
                         index);
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    const long count = argc > 1 ? std::atol(argv[1]) : 2000;
    std::mt19937 random(argc > 2 ? static_cast<unsigned>(std::atol(argv[2])) : 27U);
    const std::vector<std::string> seeds{Seed("gyroscope-virgule-point.csv", 120),
                                         Seed("gyroscope-tabulation-virgule.csv", 120),
                                         Seed("gyroscope-point-virgule-point.csv", 120),
                                         Seed("video-positions.txt", 120),
                                         Seed("interface-angle.csv", 120),
                                         Seed("interface-frottement-air.csv", 120),
                                         Seed("gyroscope-avec-pause.zip", 1000000)};
    for (const std::string& seed : seeds)
        if (seed.empty()) {
            std::fprintf(stderr, "no sample measurements to grow files from\n");
            return 1;
        }
    const auto start = std::chrono::steady_clock::now();
    long accepted = 0;
    for (long i = 0; i < count; ++i) {
        // The archive less often: each of its mutants is a whole recording.
        const std::size_t which =
            random() % 20 == 0 ? seeds.size() - 1 : random() % (seeds.size() - 1);
        std::string bytes = Mutate(seeds[which], random);
        if (random() % 2 == 0)
            bytes = Mutate(bytes, random);
        if (!Check(bytes, random, i))
            return 1;
        accepted += ReadMeasurementFile(bytes).reading.Ok() ? 1 : 0;
    }
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start)
                        .count();
    std::printf("%ld mutated measurement files, %ld read, %lld ms\n", count, accepted,
                static_cast<long long>(ms));
    return 0;
}
