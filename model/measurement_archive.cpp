#include "model/measurement_archive.h"

#include "model/translatable_text.h"

#include <zip.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

namespace kestrova {
namespace {

/// Largest unpacked entry read: as large as a table file may be.
constexpr zip_uint64_t kMaxEntryBytes = kMeasurementMaxBytes;

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};

/// The unpacked bytes of entry `index`, or false.
bool ReadEntry(zip_t* archive, zip_uint64_t index, zip_uint64_t size, std::string& out)
{
    zip_file_t* file = zip_fopen_index(archive, index, 0);
    if (file == nullptr)
        return false;
    out.resize(size);
    const zip_int64_t got = size == 0 ? 0 : zip_fread(file, out.data(), size);
    zip_fclose(file);
    return got == static_cast<zip_int64_t>(size);
}

bool EndsWith(std::string_view s, std::string_view tail)
{
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

} // namespace

bool LooksLikeZip(std::string_view bytes)
{
    return bytes.substr(0, 4) == std::string_view("PK\x03\x04", 4);
}

std::vector<RecordingPause> PausesOfTimeTable(std::string_view bytes)
{
    std::vector<RecordingPause> pauses;
    const std::string text = DecodeToUtf8(bytes);
    const std::size_t firstBreak = text.find_first_of(",;\t");
    if (firstBreak == std::string::npos)
        return pauses;
    const char delimiter = text[firstBreak];
    double pausedAt = 0, pausedSystem = 0;
    bool paused = false;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string_view line = std::string_view(text).substr(start, end - start);
        start = end + 1;
        // The event, its experiment time, its system time, in any dialect.
        std::string_view fields[3];
        for (auto& field : fields) {
            const std::size_t at = line.find(delimiter);
            field = line.substr(0, at);
            line = at == std::string_view::npos ? std::string_view() : line.substr(at + 1);
            if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
                field = field.substr(1, field.size() - 2);
        }
        const char mark =
            delimiter != ',' && fields[1].find(',') != std::string_view::npos ? ',' : '.';
        double experiment = 0, system = 0;
        if (!ParseCell(fields[1], mark, experiment) || !ParseCell(fields[2], mark, system)
            || !std::isfinite(experiment) || !std::isfinite(system))
            continue;
        if (fields[0] == "PAUSE") {
            pausedAt = experiment;
            pausedSystem = system;
            paused = true;
        } else if (fields[0] == "START" && paused) {
            pauses.push_back({pausedAt, std::max(0.0, system - pausedSystem)});
            paused = false;
        }
    }
    return pauses;
}

ArchiveReading ReadMeasurementArchive(std::string_view bytes)
{
    ArchiveReading result;
    const auto refuse = [&result](const char* why) {
        result.reading.refusal = why;
        return result;
    };
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (source == nullptr) {
        zip_error_fini(&error);
        return refuse(KESTROVA_TRANSLATABLE("kestrova::MeasurementImport",
                                            "Cette archive zip est illisible."));
    }
    std::unique_ptr<zip_t, ArchiveCloser> archive(zip_open_from_source(source, ZIP_RDONLY, &error));
    zip_error_fini(&error);
    if (!archive) {
        zip_source_free(source);
        return refuse(KESTROVA_TRANSLATABLE("kestrova::MeasurementImport",
                                            "Cette archive zip est illisible."));
    }
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    std::string best;
    zip_uint64_t bestSize = 0;
    bool found = false;
    for (zip_int64_t i = 0; i < count && i < 1000; ++i) {
        zip_stat_t stat;
        if (zip_stat_index(archive.get(), static_cast<zip_uint64_t>(i), 0, &stat) != 0
            || !(stat.valid & ZIP_STAT_NAME) || !(stat.valid & ZIP_STAT_SIZE))
            continue;
        const std::string_view name = stat.name;
        if (!EndsWith(name, ".csv") || stat.size > kMaxEntryBytes)
            continue;
        std::string content;
        if (!ReadEntry(archive.get(), static_cast<zip_uint64_t>(i), stat.size, content))
            continue;
        if (EndsWith(name, "meta/time.csv")) {
            result.pauses = PausesOfTimeTable(content);
        } else if (name.find("meta/") == std::string_view::npos
                   && (!found || stat.size > bestSize)) {
            best = std::move(content);
            bestSize = stat.size;
            found = true;
        }
    }
    if (!found)
        return refuse(
            KESTROVA_TRANSLATABLE("kestrova::MeasurementImport",
                                  "Cette archive zip ne contient aucun tableau de mesures."));
    result.reading = ReadMeasurementTable(best);
    return result;
}

ArchiveReading ReadMeasurementFile(std::string_view bytes)
{
    if (LooksLikeZip(bytes) && bytes.size() <= kMeasurementMaxBytes)
        return ReadMeasurementArchive(bytes);
    return {ReadMeasurementTable(bytes), {}};
}

} // namespace kestrova
