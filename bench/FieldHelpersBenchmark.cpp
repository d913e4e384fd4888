// How fast a whole CSV file is cut into fields and its fax numbers cleaned, and its encoding
// told, beside the speed of only finding its line feeds with memchr, which no line-by-line
// reader can beat.
#include "Big5ToUnicode.h"
#include "SyntheticCsv.h"
#include "text/DoubleByteValidation.h"
#include "text/FieldHelpers.h"
#include "text/Utf8Validation.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kCsvBytes = 100 * 1024 * 1024;

const std::string& Csv() {
    static const std::string csv = MakeSyntheticCsv(kCsvBytes);
    return csv;
}

void MemchrLineFeeds(benchmark::State& state) {
    const std::string& csv = Csv();
    for (auto _ : state) {
        std::size_t lines = 0;
        const char* position = csv.data();
        const char* const end = csv.data() + csv.size();
        while (const void* found = std::memchr(position, '\n', end - position)) {
            ++lines;
            position = static_cast<const char*>(found) + 1;
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * csv.size()));
}

void SplitAndCleanLines(benchmark::State& state) {
    const std::string& csv = Csv();
    std::vector<char> buffer(csv.size() + 1);
    FieldArray fields{};
    for (auto _ : state) {
        state.PauseTiming(); // every run splits a fresh copy: the work is done in place
        std::memcpy(buffer.data(), csv.data(), csv.size());
        buffer[csv.size()] = '\0';
        state.ResumeTiming();

        std::size_t cleaned = 0;
        char* line = buffer.data();
        char* const end = buffer.data() + csv.size();
        while (line < end) {
            char* feed = static_cast<char*>(std::memchr(line, '\n', end - line));
            char* next = feed ? feed + 1 : end;
            if (feed)
                *feed = '\0';
            fields[0] = line;
            const int count = SplitCsvFields(fields);
            if (count >= 2)
                cleaned += static_cast<std::size_t>(CleanFaxNumber(fields[1]));
            line = next;
        }
        benchmark::DoNotOptimize(cleaned);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * csv.size()));
}

// The encoding checks that a file without a byte order mark goes through whole: UTF-8 text is
// checked for well-formed sequences, Big5 text for its lead and trail bytes, and a text of ASCII
// only for any byte above it.
void Utf8Check(benchmark::State& state) {
    static const std::string utf8 = Utf16ToUtf8(Big5ToUtf16(Csv().data(), Csv().size()));
    for (auto _ : state)
        benchmark::DoNotOptimize(IsWellFormedUtf8(utf8.data(), utf8.size()));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * utf8.size()));
}

void Big5Check(benchmark::State& state) {
    const std::string& csv = Csv();
    for (auto _ : state)
        benchmark::DoNotOptimize(FollowsDoubleByteRules(csv.data(), csv.size(), 950));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * csv.size()));
}

void AsciiCheck(benchmark::State& state) {
    static const std::string ascii = [] {
        std::string text = Csv();
        for (char& byte : text)
            byte = static_cast<char>(byte & 0x7F);
        return text;
    }();
    for (auto _ : state)
        benchmark::DoNotOptimize(HasNonAsciiByte(ascii.data(), ascii.size()));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * ascii.size()));
}

// The name of every row trimmed, bracket-free and cut at 30 bytes on a character boundary.
void CleanNames(benchmark::State& state) {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        const std::string& csv = Csv();
        for (std::size_t start = 0; start < csv.size();) {
            const std::size_t end = csv.find_first_of(",\n", start);
            all.push_back(csv.substr(start, end - start) + "  ");
            start = csv.find('\n', end) + 1;
            if (start == 0)
                break;
        }
        return all;
    }();
    char buffer[256];
    for (auto _ : state) {
        std::size_t kept = 0;
        for (const std::string& name : names) {
            std::memcpy(buffer, name.data(), name.size() + 1);
            TrimSpaces(buffer);
            ReplaceBrackets(buffer);
            if (std::strlen(buffer) > 30)
                kept += static_cast<std::size_t>(ClipToCharBoundary(buffer, 30));
        }
        benchmark::DoNotOptimize(kept);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * names.size()));
}

BENCHMARK(MemchrLineFeeds)->Unit(benchmark::kMillisecond);
BENCHMARK(SplitAndCleanLines)->Unit(benchmark::kMillisecond);
BENCHMARK(Utf8Check)->Unit(benchmark::kMillisecond);
BENCHMARK(Big5Check)->Unit(benchmark::kMillisecond);
BENCHMARK(AsciiCheck)->Unit(benchmark::kMillisecond);
BENCHMARK(CleanNames)->Unit(benchmark::kMillisecond);

} // namespace
