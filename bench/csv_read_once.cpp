// Reads CSV files as ReadCsvFile does before its picker (type 5, no dialog) and prints how long
// each read took and the most memory it held, beside what it must hold: the file, the converted
// text of a Unicode file and the candidates. One file per process, so that the peak is the
// read's own; a profiler can run it too.
//
//   csv_read_once [--repeat N] FILE
#include "csv/CsvEncoding.h"
#include "csv/CsvReader.h"
#include "platform/Files.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

class NoDialogs : public CsvDialogs {
  public:
    bool ChooseColumns(CsvColumnChoice&) override { std::abort(); }
    bool PickRecipients(CsvRecipientPicker&) override { std::abort(); }
};

// A figure of /proc/self/status in megabytes: VmRSS now, VmHWM the most so far. Unlike
// getrusage, VmHWM starts anew at exec, whatever the parent process held.
double StatusMegabytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string name;
    double kilobytes = 0;
    while (status >> name) {
        if (name == std::string(field) + ":" && status >> kilobytes)
            return kilobytes * 1024.0 / 1e6;
        status.ignore(1 << 10, '\n');
    }
    return 0;
}

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// The size of the file's text after the conversion, 0 when it needs none.
std::size_t ConvertedSize(const std::string& path) {
    platform::FileBytes content;
    if (platform::ReadWholeFile(path, content) != platform::ReadStatus::Ok)
        return 0;
    const DetectedEncoding detected = DetectCsvEncoding(content.data.get(), content.size, 950);
    if (detected.encoding == CsvEncoding::Ansi || !ConvertCsvContent(content))
        return 0;
    return content.size;
}

// The reads, then the memory figures in megabytes. False when the file does not read.
bool Measure(const std::string& path, int repeat) {
    const double before = StatusMegabytes("VmRSS");
    std::error_code error;
    const auto fileSize = static_cast<std::size_t>(std::filesystem::file_size(path, error));
    std::size_t candidates = 0;
    for (int run = 0; run < repeat; ++run) {
        NoDialogs dialogs;
        CsvCandidateTable table;
        int32_t excluded = 0;
        const auto started = std::chrono::steady_clock::now();
        const double cpuStarted = CpuSeconds();
        const int result =
            ReadCsvCandidates(path, kImportCsvFoundColumns, dialogs, table, excluded);
        const double cpu = CpuSeconds() - cpuStarted;
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - started;
        if (result != 1) {
            std::fprintf(stderr, "%s: the read gave %d\n", path.c_str(), result);
            return false;
        }
        candidates = table.Size();
        std::printf("%s: read %d: %.3f s (cpu %.3f s), %.0f MB/s of cpu\n", path.c_str(), run + 1,
                    wall.count(), cpu, static_cast<double>(fileSize) / 1e6 / cpu);
    }
    const double peak = StatusMegabytes("VmHWM") - before;
    const double file = static_cast<double>(fileSize) / 1e6;
    const double converted = static_cast<double>(ConvertedSize(path)) / 1e6;
    const double table = static_cast<double>(candidates * sizeof(CsvCandidate)) / 1e6;
    const double allowed = (file + converted + table) * 1.1;
    std::printf("%s: peak %.1f MB, at most %.1f MB: file %.1f + converted text %.1f + %zu "
                "candidates %.1f, + 10 %%\n",
                path.c_str(), peak, allowed, file, converted, candidates, table);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    int repeat = 1;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "--repeat") == 0) {
        repeat = std::atoi(argv[2]);
        first = 3;
    }
    if (first + 1 != argc || repeat < 1) {
        std::fprintf(stderr, "usage: csv_read_once [--repeat N] FILE\n");
        return 2;
    }
    return Measure(argv[first], repeat) ? 0 : 1;
}
