// The Windows program's result file, under Wine: replaced whole or not at all through a new file
// of its own beside it, for paths beyond MAX_PATH, a folder at the result path, a read-only
// folder, a disk that fills while writing and two importers writing at once.
#include "platform/Files.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

using Names = std::vector<std::string>;

const std::string kOldResult("the result of an earlier import\0\x01", 33);

std::wstring Wide(const std::string& path) {
    std::wstring wide(path.size(), L'\0');
    wide.resize(static_cast<std::size_t>(::MultiByteToWideChar(
        CP_ACP, 0, path.data(), static_cast<int>(path.size()), wide.data(),
        static_cast<int>(wide.size()))));
    return L"\\\\?\\" + wide;
}

std::string Contents(const std::string& path) {
    HANDLE file = ::CreateFileW(Wide(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "(missing)";
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    ::CloseHandle(file);
    return bytes;
}

bool Write(const std::string& path, const std::string& bytes) {
    HANDLE file = ::CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                                nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                                nullptr) &&
                    written == bytes.size();
    ::CloseHandle(file);
    return ok;
}

Names Entries(const std::string& folder) {
    Names names;
    WIN32_FIND_DATAW found;
    HANDLE find = ::FindFirstFileW((Wide(folder) + L"\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            names.emplace_back(name.begin(), name.end()); // the tests' names are ASCII
    } while (::FindNextFileW(find, &found));
    ::FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

// A fresh folder of the test's own, emptied of files.
std::string Folder(const std::string& name) {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "result-file-" + name;
    ::CreateDirectoryA(folder.c_str(), nullptr);
    for (const std::string& entry : Entries(folder))
        ::DeleteFileW((Wide(folder) + L"\\" + std::wstring(entry.begin(), entry.end())).c_str());
    return folder;
}

std::string TestName() {
    return ::testing::UnitTest::GetInstance()->current_test_info()->name();
}

// Windows path of a folder or a number that the test's wrapper script prepared, or empty.
std::string Prepared(const char* variable) {
    const char* value = std::getenv(variable);
    return value ? value : "";
}

bool Replace(const std::string& path, const std::string& bytes) {
    return platform::ReplaceFileWith(path, bytes.data(), bytes.size());
}

TEST(ResultFile, PathsFarBeyondMaxPathAreWrittenAndReplacedWhole) {
    // About 3,600 characters: as deep as Wine's Unix side takes (its paths end at 4,096 bytes).
    std::string folder = Folder(TestName());
    for (int level = 0; level < 16; ++level) {
        folder += "\\" + std::string(220, static_cast<char>('a' + level));
        ASSERT_TRUE(::CreateDirectoryW(Wide(folder).c_str(), nullptr) ||
                    ::GetLastError() == ERROR_ALREADY_EXISTS);
    }
    const std::string result = folder + "\\result.bin";
    ASSERT_GT(result.size(), 3500u);
    ::DeleteFileW(Wide(result).c_str());
    EXPECT_TRUE(Replace(result, kOldResult));
    EXPECT_TRUE(Replace(result, "new"));
    EXPECT_EQ(Contents(result), "new");
    EXPECT_EQ(Entries(folder), Names{"result.bin"});
}

TEST(ResultFile, AFolderAtTheResultPathStaysAndNothingIsLeftBeside) {
    const std::string folder = Folder(TestName());
    const std::string result = folder + "\\result.bin";
    ::CreateDirectoryA(result.c_str(), nullptr);
    ASSERT_TRUE(Write(result + "\\inside.txt", "kept"));
    EXPECT_FALSE(Replace(result, "new"));
    EXPECT_EQ(Contents(result + "\\inside.txt"), "kept");
    EXPECT_EQ(Entries(folder), Names{"result.bin"});
}

TEST(ResultFile, FilesBesideTheResultAreNeverTouched) {
    const std::string folder = Folder(TestName());
    ASSERT_TRUE(Write(folder + "\\result.bin.importing", "somebody else's"));
    ASSERT_TRUE(Write(folder + "\\result.bin", kOldResult));
    EXPECT_TRUE(Replace(folder + "\\result.bin", "new"));
    EXPECT_EQ(Contents(folder + "\\result.bin.importing"), "somebody else's");
    EXPECT_EQ(Entries(folder), (Names{"result.bin", "result.bin.importing"}));
}

TEST(ResultFile, AReadOnlyFolderKeepsTheOldFile) {
    // The wrapper made the folder, with result.bin holding the old result, read-only.
    const std::string folder = Prepared("RESULT_FILE_READ_ONLY_FOLDER");
    if (folder.empty())
        GTEST_SKIP() << "no read-only folder could be made on this machine";
    const std::string result = folder + "\\result.bin";
    ASSERT_EQ(Contents(result), kOldResult);
    EXPECT_FALSE(Replace(result, "new"));
    EXPECT_EQ(Contents(result), kOldResult);
    EXPECT_EQ(Entries(folder), Names{"result.bin"});
}

TEST(ResultFile, ADiskThatFillsWhileWritingKeepsTheOldFile) {
    // The wrapper lets no file of this process grow beyond the limit, as a full disk would.
    const std::string limit = Prepared("RESULT_FILE_SIZE_LIMIT");
    if (limit.empty())
        GTEST_SKIP() << "runs under its wrapper only";
    const std::string folder = Folder(TestName());
    const std::string result = folder + "\\result.bin";
    ASSERT_TRUE(Write(result, kOldResult));
    EXPECT_FALSE(Replace(result, std::string(std::stoul(limit) * 4, 'r')));
    EXPECT_EQ(Contents(result), kOldResult);
    EXPECT_EQ(Entries(folder), Names{"result.bin"});
}

TEST(ResultFile, TwoWritersAtOnceLeaveOneWholeFile) {
    const std::string folder = Folder(TestName());
    const std::string result = folder + "\\result.bin";
    const std::vector<std::string> contents = {std::string(40000, 'a'), std::string(70000, 'b')};
    ASSERT_TRUE(Write(result, contents[0]));
    std::atomic<bool> done{false};
    std::atomic<int> written{0};
    std::vector<std::thread> writers;
    for (const std::string& bytes : contents)
        writers.emplace_back([&, bytes] {
            for (int round = 0; round < 150; ++round)
                written += Replace(result, bytes) ? 1 : 0;
        });
    // A reader, as the host would be, sees one whole file or the other, never a mix.
    int reads = 0;
    int torn = 0;
    std::thread reader([&] {
        while (!done) {
            const std::string read = Contents(result);
            ++reads;
            torn += read == contents[0] || read == contents[1] ? 0 : 1;
        }
    });
    for (std::thread& writer : writers)
        writer.join();
    done = true;
    reader.join();
    EXPECT_GT(written, 0);
    EXPECT_GT(reads, 0);
    EXPECT_EQ(torn, 0);
    const std::string last = Contents(result);
    EXPECT_TRUE(last == contents[0] || last == contents[1]);
    EXPECT_EQ(Entries(folder), Names{"result.bin"});
}

} // namespace
