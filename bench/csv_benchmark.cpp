// The CSV reader on a 100 MB synthetic phone book beside memchr over the same bytes, the same
// book as UTF-8 and UTF-16 files, 100,000 vCard cards, and the picker adding and confirming up to
// 100,000 entries.
//
//   csv_benchmark [benchmark flags]            runs the benchmarks on temporary files
//   csv_benchmark --write-files PATH           only writes PATH, PATH.utf8 and PATH.utf16
//   csv_benchmark --files PATH [benchmark flags]  runs them on files written so
#include "Big5ToUnicode.h"
#include "SyntheticPhonebook.h"
#include "csv/CsvReader.h"
#include "csv/CsvRecipientPicker.h"
#include "platform/Files.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t kFileBytes = 100u * 1000u * 1000u;

std::string gPath;
std::size_t gFileSize = 0;
std::string gUtf8Path;  // the same book in UTF-8 with a byte order mark
std::string gUtf16Path; // and in UTF-16LE with one

// Type 5 needs no dialog; any call would mean the benchmark measures the wrong thing.
class NoDialogs : public CsvDialogs {
  public:
    bool ChooseColumns(CsvColumnChoice&) override { std::abort(); }
    bool PickRecipients(CsvRecipientPicker&) override { std::abort(); }
};

void ReadAndSplitFile(benchmark::State& state, const std::string& path) {
    NoDialogs dialogs;
    std::size_t candidates = 0;
    for (auto _ : state) {
        CsvCandidateTable table;
        int32_t excluded = 0;
        if (ReadCsvCandidates(path, kImportCsvFoundColumns, dialogs, table, excluded) != 1)
            state.SkipWithError("the synthetic file did not read");
        candidates = table.Size();
        benchmark::DoNotOptimize(table.Candidates().data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * gFileSize));
    state.counters["candidates"] = static_cast<double>(candidates);
}

void ReadAndSplit(benchmark::State& state) {
    ReadAndSplitFile(state, gPath);
}

// The same rows from Unicode files: the conversion to Big5 comes first. Bytes are counted as
// in the Big5 file, so the rates compare directly.
void ReadAndSplitUtf8(benchmark::State& state) {
    ReadAndSplitFile(state, gUtf8Path);
}
void ReadAndSplitUtf16(benchmark::State& state) {
    ReadAndSplitFile(state, gUtf16Path);
}

// 100,000 vCard cards of a phone's export (UTF-8, 3.0, two numbers each, one of them a fax),
// written beside the CSV book and read through the same entry point.
void ReadVCards(benchmark::State& state) {
    const std::string path = gPath + ".vcf";
    std::string cards;
    for (int n = 0; n < 100000; ++n) {
        const std::string number = std::to_string(10000000 + n);
        cards += "BEGIN:VCARD\r\nVERSION:3.0\r\nN:\xE7\x8E\x8B;\xE5\xB0\x8F\xE6\x98\x8E" +
                 std::to_string(n) + ";;;\r\nFN:\xE7\x8E\x8B\xE5\xB0\x8F\xE6\x98\x8E" +
                 std::to_string(n) + "\r\nTEL;TYPE=CELL:0912-" + number +
                 "\r\nitem1.TEL;TYPE=WORK,FAX:(02) " + number + "\r\nEND:VCARD\r\n";
    }
    std::ofstream(path, std::ios::binary) << cards;
    NoDialogs dialogs;
    for (auto _ : state) {
        CsvCandidateTable table;
        int32_t excluded = 0;
        if (ReadCsvCandidates(path, kImportCsvFoundColumns, dialogs, table, excluded) != 1 ||
            table.Size() != 100000)
            state.SkipWithError("the cards did not read");
        benchmark::DoNotOptimize(table.Candidates().data());
    }
    std::remove(path.c_str());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * cards.size()));
    state.SetItemsProcessed(state.iterations() * 100000);
}

// The file read alone, the part of ReadAndSplit that no parser can avoid.
void ReadWholeFile(benchmark::State& state) {
    for (auto _ : state) {
        platform::FileBytes bytes;
        if (platform::ReadWholeFile(gPath, bytes) != platform::ReadStatus::Ok)
            state.SkipWithError("cannot read");
        benchmark::DoNotOptimize(bytes.data.get());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * gFileSize));
}

// The file read and a fresh candidate table of the book's size, each slot given a short name and
// number: the memory a read must fill, with no parsing at all.
void ReadAndFillTable(benchmark::State& state) {
    std::size_t rows = 0;
    {
        platform::FileBytes bytes;
        if (platform::ReadWholeFile(gPath, bytes) != platform::ReadStatus::Ok) {
            state.SkipWithError("cannot read");
            return;
        }
        rows = static_cast<std::size_t>(
            std::count(bytes.data.get(), bytes.data.get() + bytes.size, '\n'));
    }
    for (auto _ : state) {
        platform::FileBytes bytes;
        CsvCandidateTable table;
        if (platform::ReadWholeFile(gPath, bytes) != platform::ReadStatus::Ok ||
            !table.Allocate(rows, 2)) {
            state.SkipWithError("cannot read");
            return;
        }
        while (CsvCandidate* slot = table.NextSlot()) {
            std::memcpy(slot->name, "\xA4\xFD\xA4p\xA9\xFA", 6);
            std::memcpy(slot->faxNumber, "0227001234", 10);
            table.Commit();
        }
        benchmark::DoNotOptimize(table.Candidates().data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * gFileSize));
}

void MemchrLineFeeds(benchmark::State& state) {
    platform::FileBytes bytes;
    if (platform::ReadWholeFile(gPath, bytes) != platform::ReadStatus::Ok) {
        state.SkipWithError("cannot read");
        return;
    }
    for (auto _ : state) {
        std::size_t lineFeeds = 0;
        const char* end = bytes.data.get() + bytes.size;
        for (const char* p = bytes.data.get();
             (p = static_cast<const char*>(std::memchr(p, '\n', end - p))); ++p)
            ++lineFeeds;
        benchmark::DoNotOptimize(lineFeeds);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size));
}

std::vector<CsvCandidate> DistinctCandidates(std::size_t count) {
    std::vector<CsvCandidate> candidates(count);
    for (std::size_t n = 0; n < count; ++n) {
        std::snprintf(candidates[n].name, kCandidateFieldSize, "Recipient %zu", n % 5000);
        std::snprintf(candidates[n].faxNumber, kCandidateFieldSize, "(02)%08zu", n);
    }
    return candidates;
}

// Select every entry, add, OK: the duplicate test must keep this linear.
void AddAllThenConfirm(benchmark::State& state) {
    const auto candidates = DistinctCandidates(static_cast<std::size_t>(state.range(0)));
    std::vector<int> all(candidates.size());
    std::iota(all.begin(), all.end(), 0);
    for (auto _ : state) {
        SessionLists lists;
        CsvRecipientPicker picker("synthetic.csv", candidates, lists, 0);
        picker.AddPicks(all);
        // Adding them all again finds every one a duplicate.
        picker.AddPicks(all);
        if (picker.Confirm() != state.range(0))
            state.SkipWithError("not every entry was picked once");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void DeleteAllPicked(benchmark::State& state) {
    const auto candidates = DistinctCandidates(static_cast<std::size_t>(state.range(0)));
    std::vector<int> all(candidates.size());
    std::iota(all.begin(), all.end(), 0);
    for (auto _ : state) {
        state.PauseTiming();
        SessionLists lists;
        CsvRecipientPicker picker("synthetic.csv", candidates, lists, 0);
        picker.AddPicks(all);
        state.ResumeTiming();
        picker.DeletePicked(all);
    }
}

// One keystroke in the search field when nothing matches: every entry is compared.
void FindTypedNameMiss(benchmark::State& state) {
    const auto candidates = DistinctCandidates(static_cast<std::size_t>(state.range(0)));
    SessionLists lists;
    CsvRecipientPicker picker("synthetic.csv", candidates, lists, 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(picker.FindTypedName("recipient x", 0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(ReadAndSplit)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadAndSplitUtf8)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadAndSplitUtf16)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadVCards)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadWholeFile)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadAndFillTable)->Unit(benchmark::kMillisecond);
BENCHMARK(MemchrLineFeeds)->Unit(benchmark::kMillisecond);
BENCHMARK(AddAllThenConfirm)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(FindTypedNameMiss)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(DeleteAllPicked)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond);

// Writes the Big5 book at `gPath` again as UTF-8 and as UTF-16LE, each with its mark.
bool WriteUnicodeCopies() {
    platform::FileBytes big5;
    if (platform::ReadWholeFile(gPath, big5) != platform::ReadStatus::Ok)
        return false;
    const std::u16string wide = Big5ToUtf16(big5.data.get(), big5.size);
    const std::string utf8 = Utf16ToUtf8(wide);
    if (wide.empty() || utf8.empty())
        return false;
    std::ofstream(gUtf8Path, std::ios::binary) << "\xEF\xBB\xBF" << utf8;
    std::ofstream utf16(gUtf16Path, std::ios::binary);
    utf16 << "\xFF\xFE";
    for (const char16_t unit : wide)
        utf16 << static_cast<char>(unit & 0xFF) << static_cast<char>(unit >> 8);
    return static_cast<bool>(utf16);
}

// Writes the Big5 book and its Unicode copies at `path`. False when they cannot be written.
bool WriteFiles(const std::string& path) {
    gPath = path;
    gUtf8Path = gPath + ".utf8";
    gUtf16Path = gPath + ".utf16";
    gFileSize = WriteSyntheticPhonebook(gPath, kFileBytes);
    if (gFileSize != 0 && WriteUnicodeCopies())
        return true;
    std::fprintf(stderr, "cannot write %s and its copies\n", gPath.c_str());
    return false;
}

void RunBenchmarks(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write-files") == 0)
        return WriteFiles(argv[2]) ? 0 : 1;
    if (argc >= 3 && std::strcmp(argv[1], "--files") == 0) {
        gPath = argv[2];
        gUtf8Path = gPath + ".utf8";
        gUtf16Path = gPath + ".utf16";
        std::error_code error;
        gFileSize = static_cast<std::size_t>(std::filesystem::file_size(gPath, error));
        if (error) {
            std::fprintf(stderr, "cannot read %s\n", gPath.c_str());
            return 1;
        }
        argv[2] = argv[0];
        RunBenchmarks(argc - 2, argv + 2);
        return 0;
    }

    const auto folder = std::filesystem::temp_directory_path();
    if (!WriteFiles((folder / ("csv-benchmark-" + std::to_string(::getpid()) + ".csv")).string()))
        return 1;
    RunBenchmarks(argc, argv);
    for (const std::string& path : {gPath, gUtf8Path, gUtf16Path})
        std::remove(path.c_str());
    return 0;
}
