// The speed-dial import at scale: reading a synthetic version 5 export of 200,000 entries (about
// 40 MB, every line with a check column, masked passwords and relay targets) beside the bare
// file read, and the picker and the writer at 100,000 picks.
#include "platform/Files.h"
#include "speeddial/SpeedDialPicker.h"
#include "speeddial/SpeedDialReader.h"
#include "speeddial/SpeedDialWriter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <numeric>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kEntries = 200000;
constexpr int kPicks = 100000;

std::string gPath;
std::size_t gFileSize = 0;

std::string Base64(const std::string& text) {
    static constexpr char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (std::size_t at = 0; at < text.size(); at += 3) {
        const std::size_t take = std::min<std::size_t>(3, text.size() - at);
        unsigned bits = 0;
        for (std::size_t i = 0; i < 3; ++i)
            bits = bits << 8 | (i < take ? static_cast<unsigned char>(text[at + i]) : 0u);
        out += kAlphabet[bits >> 18 & 63];
        out += kAlphabet[bits >> 12 & 63];
        out += take > 1 ? kAlphabet[bits >> 6 & 63] : '=';
        out += take > 2 ? kAlphabet[bits & 63] : '=';
    }
    return out;
}

std::string Rot13(std::string text) {
    for (char& byte : text) {
        if (byte >= 'a' && byte <= 'z')
            byte = static_cast<char>('a' + (byte - 'a' + 13) % 26);
        else if (byte >= 'A' && byte <= 'Z')
            byte = static_cast<char>('A' + (byte - 'A' + 13) % 26);
    }
    return text;
}

std::string SyntheticExport() {
    std::string text = "*,1,5,0\r\nNO,TYPE,NAME,MFFAX";
    for (int column = 4; column < 30; ++column)
        text += ",MFOPT" + std::to_string(column);
    text += ",MFENCSTR\r\n";
    for (int entry = 0; entry < kEntries; ++entry) {
        const std::string fax = "02-" + std::to_string(20000000 + entry);
        std::string check = Base64(fax + "\t" + std::to_string(entry % 1000));
        for (char& byte : check)
            if (byte == '0')
                byte = '-';
        std::vector<std::string> fields(31);
        fields[0] = std::to_string(entry + 1);
        fields[1] = "FAX";
        fields[2] = "Recipient " + std::to_string(entry);
        fields[3] = fax;
        fields[5] = std::to_string(entry % 3);
        fields[14] = entry % 2 ? "1" : "0";
        fields[15] = Rot13(Base64("4567"));
        fields[16] = "123";
        fields[17] = entry % 5 ? "0" : "1";
        fields[18] = "12";
        fields[19] = "1";
        fields[20] = Base64("05#1");
        fields[24] = std::to_string(entry % 1000);
        fields[25] = Rot13(Base64("9876"));
        fields[30] = check;
        for (std::size_t i = 0; i < fields.size(); ++i)
            text += (i ? "," : "") + fields[i];
        text += "\r\n";
    }
    return text;
}

class PickNothing : public SpeedDialDialogs {
  public:
    bool PickRecipients(SpeedDialPicker&) override { return false; }
};

class SilentView : public SpeedDialPickerView {
  public:
    void ShowWarning(const char*) override {}
    bool AskReplace(const std::string&) override { return true; }
    void RemovePicked(int) override {}
    bool AppendPicked(const std::string&, int) override { return true; }
};

class NoMemo : public SpeedDialMemoQuestion {
  public:
    bool HostHasLimitChild() override { return false; }
    bool AskKeepNumbersAsMemo() override { return true; }
};

void ReadRecords(benchmark::State& state) {
    int records = 0;
    for (auto _ : state) {
        SpeedDialState speedDial;
        SessionLists lists;
        int32_t excluded = 0;
        records = ReadSpeedDialRecords(gPath, lists, excluded, speedDial);
        benchmark::DoNotOptimize(speedDial.speedDialTable.Records().data());
    }
    if (records != kEntries)
        state.SkipWithError("the synthetic file did not read");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * gFileSize));
    state.counters["records"] = records;
}

void ReadWholeFile(benchmark::State& state) {
    for (auto _ : state) {
        platform::FileBytes bytes;
        if (platform::ReadWholeFile(gPath, bytes) != platform::ReadStatus::Ok)
            state.SkipWithError("cannot read");
        benchmark::DoNotOptimize(bytes.data.get());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * gFileSize));
}

// The picker filled, every entry added and confirmed, then the records written.
void PickAndWrite(benchmark::State& state) {
    SpeedDialState speedDial;
    SessionLists read;
    int32_t excluded = 0;
    if (ReadSpeedDialRecords(gPath, read, excluded, speedDial) != kEntries) {
        state.SkipWithError("the synthetic file did not read");
        return;
    }
    std::vector<int> positions(kPicks);
    std::iota(positions.begin(), positions.end(), 0);
    for (auto _ : state) {
        state.PauseTiming();
        SessionLists lists = read;
        lists.count = kEntries;
        state.ResumeTiming();
        SpeedDialPicker picker("synthetic.csv", speedDial.speedDialTable.Records(), lists, 0);
        SilentView view;
        picker.AddPicks(positions, view);
        picker.Confirm();
        ExchangeFileBuffer file;
        NoMemo memo;
        WriteSpeedDialRecords(lists, file, speedDial.speedDialTable, 5, memo);
        benchmark::DoNotOptimize(file.Bytes().data());
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kPicks));
}

BENCHMARK(ReadRecords)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadWholeFile)->Unit(benchmark::kMillisecond);
BENCHMARK(PickAndWrite)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    gPath = "/tmp/speeddial-benchmark-" + std::to_string(::getpid()) + ".csv";
    {
        const std::string text = SyntheticExport();
        gFileSize = text.size();
        std::ofstream(gPath, std::ios::binary)
            .write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::remove(gPath.c_str());
    return 0;
}
