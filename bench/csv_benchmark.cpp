// The CSV reader on a 100 MB synthetic phone book beside memchr over the same bytes, and the
// picker adding and confirming up to 100,000 entries.
//
//   csv_benchmark [benchmark flags]      runs the benchmarks on a temporary file
//   csv_benchmark --write-file PATH      only writes the synthetic file (for other readers)
#include "SyntheticPhonebook.h"
#include "csv/CsvReader.h"
#include "csv/CsvRecipientPicker.h"
#include "platform/Files.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <numeric>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t kFileBytes = 100u * 1000u * 1000u;

std::string gPath;
std::size_t gFileSize = 0;

// Type 5 needs no dialog; any call would mean the benchmark measures the wrong thing.
class NoDialogs : public CsvDialogs {
  public:
    bool ChooseColumns(CsvColumnChoice&) override { std::abort(); }
    bool PickRecipients(CsvRecipientPicker&) override { std::abort(); }
};

void ReadAndSplit(benchmark::State& state) {
    NoDialogs dialogs;
    std::size_t candidates = 0;
    for (auto _ : state) {
        CsvCandidateTable table;
        int32_t excluded = 0;
        if (ReadCsvCandidates(gPath, kImportCsvFoundColumns, dialogs, table, excluded) != 1)
            state.SkipWithError("the synthetic file did not read");
        candidates = table.Size();
        benchmark::DoNotOptimize(table.Candidates().data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * gFileSize));
    state.counters["candidates"] = static_cast<double>(candidates);
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

BENCHMARK(ReadAndSplit)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(ReadWholeFile)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(MemchrLineFeeds)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(AddAllThenConfirm)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(FindTypedNameMiss)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(DeleteAllPicked)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write-file") == 0)
        return WriteSyntheticPhonebook(argv[2], kFileBytes) == 0 ? 1 : 0;

    const auto folder = std::filesystem::temp_directory_path();
    gPath = (folder / ("csv-benchmark-" + std::to_string(::getpid()) + ".csv")).string();
    gFileSize = WriteSyntheticPhonebook(gPath, kFileBytes);
    if (gFileSize == 0) {
        std::fprintf(stderr, "cannot write %s\n", gPath.c_str());
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::remove(gPath.c_str());
    return 0;
}
