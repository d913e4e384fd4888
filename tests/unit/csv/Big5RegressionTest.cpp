// Every file of the two corpora reads to exactly what an earlier reader gave for it. The
// word-headed files were recorded before the reader learned the header words of other phone
// books, composed names, carriage-return line ends, doubled quotes across lines and full-width
// numbers, none of which may change them. The Big5 comma-separated files were recorded before
// the reader learned other encodings, quoted line breaks and other separators, and recorded again
// after it learned the above: most of them hold two-byte characters in their fax fields or lack
// the two header words. Running this test with CSV_GOLDEN_RECORD set to a golden file's name
// records that file.
#include "Big5CsvCorpus.h"
#include "CsvTestSupport.h"
#include "WordHeadedCsvCorpus.h"
#include "csv/CsvReader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

namespace {

const std::string kBig5Golden = std::string(IMPORTER_TESTS_DIR) + "/csv/Big5CsvGolden.txt";
const std::string kWordHeadedGolden =
    std::string(IMPORTER_TESTS_DIR) + "/csv/WordHeadedCsvGolden.txt";

// FNV-1a over everything the reader hands on.
class Digest {
  public:
    void Add(const void* data, std::size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i)
            value_ = (value_ ^ bytes[i]) * 0x100000001B3ull;
    }
    void Add(const std::string& text) {
        Add(text.data(), text.size());
        Add("\x01", 1); // keeps neighbouring texts apart
    }
    std::string Hex() const {
        char text[17];
        std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value_));
        return text;
    }

  private:
    std::uint64_t value_ = 0xCBF29CE484222325ull;
};

// Chosen columns: the first field names and the last gives numbers; no field cancels.
bool ChooseFirstAndLast(CsvColumnChoice& choice) {
    const auto count = static_cast<int>(choice.FieldCount());
    if (count == 0)
        return false;
    if (count > 1)
        choice.ToggleName(0);
    choice.ToggleFax(count - 1);
    return choice.RefusalOnOk() == nullptr;
}

// One line: the result, the exclusions, the sizes, and a digest of the header fields the
// column dialog showed and of every candidate's bytes.
std::string DescribeRead(const std::string& path, int importType) {
    ScriptedCsvDialogs dialogs;
    dialogs.columns = ChooseFirstAndLast;
    CsvCandidateTable table;
    int32_t excluded = -99;
    const int result = ReadCsvCandidates(path, importType, dialogs, table, excluded);
    Digest digest;
    for (const std::string& field : dialogs.headerFields)
        digest.Add(field);
    for (const CsvCandidate& candidate : table.Candidates())
        digest.Add(&candidate, sizeof candidate);
    std::ostringstream line;
    line << importType << " " << result << " " << excluded << " " << dialogs.headerFields.size()
         << " " << table.Size() << " " << digest.Hex();
    return line.str();
}

std::map<std::string, std::string> ReadGolden(const std::string& goldenPath) {
    std::map<std::string, std::string> golden;
    std::ifstream file(goldenPath);
    std::string name;
    std::string rest;
    while (file >> name && std::getline(file, rest))
        golden[name] = rest.substr(1);
    return golden;
}

void ExpectReadsAsRecorded(const std::vector<CorpusFile>& corpus, const std::string& goldenPath) {
    TemporaryFolder folder;
    const char* recorded = std::getenv("CSV_GOLDEN_RECORD");
    const bool record = recorded && *recorded && goldenPath.ends_with(std::string("/") + recorded);
    const std::map<std::string, std::string> golden =
        record ? decltype(golden){} : ReadGolden(goldenPath);
    if (!record) {
        ASSERT_EQ(golden.size(), corpus.size() * 2) << "no golden file at " << goldenPath;
    }

    std::ofstream recording;
    if (record)
        recording.open(goldenPath);
    for (const CorpusFile& file : corpus) {
        const std::string path = folder.Write("book.csv", file.bytes);
        for (const int importType : {kImportCsvChosenColumns, kImportCsvFoundColumns}) {
            const std::string key = file.name + "/" + std::to_string(importType);
            const std::string described = DescribeRead(path, importType);
            if (record) {
                recording << key << " " << described << "\n";
                continue;
            }
            const auto expected = golden.find(key);
            ASSERT_NE(expected, golden.end()) << key;
            EXPECT_EQ(described, expected->second) << key;
        }
    }
}

// The results of a golden file, counted: "1", "0", "-4".. and "excluded" for reads with
// candidates and excluded rows.
std::map<std::string, int> Outcomes(const std::string& goldenPath) {
    std::map<std::string, int> outcomes;
    for (const auto& [key, line] : ReadGolden(goldenPath)) {
        std::istringstream fields(line);
        int type = 0;
        int result = 0;
        int excluded = 0;
        fields >> type >> result >> excluded;
        ++outcomes[std::to_string(result)];
        if (result == 1 && excluded > 0)
            ++outcomes["excluded"];
    }
    return outcomes;
}

TEST(Big5Regression, EveryCorpusFileReadsAsBefore) {
    ExpectReadsAsRecorded(Big5CsvCorpus(), kBig5Golden);
}

TEST(Big5Regression, WordHeadedFilesReadAsBefore) {
    ExpectReadsAsRecorded(WordHeadedCsvCorpus(), kWordHeadedGolden);
}

TEST(Big5Regression, CorpusCoversEveryOutcome) {
    // A corpus is only a proof if it reaches candidates, exclusions and each failure.
    std::map<std::string, int> outcomes = Outcomes(kBig5Golden);
    for (const char* outcome : {"1", "0", "-4", "-5", "-6", "excluded"})
        EXPECT_GE(outcomes[outcome], 2) << outcome;
    outcomes = Outcomes(kWordHeadedGolden);
    for (const char* outcome : {"1", "-5", "-6", "excluded"})
        EXPECT_GE(outcomes[outcome], 10) << outcome;
}

} // namespace
