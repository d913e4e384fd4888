#include "SyntheticPhonebook.h"

#include <cstdio>
#include <memory>
#include <string>

namespace {

// Big5 surnames and given-name characters (陳 林 黃 張 李 王 吳 劉; 志 明 怡 君 建 宏 雅 婷).
const char* const kSurnames[] = {"\xb3\xaf",
                                 "\xaaL",
                                 "\xb6\xc0",
                                 "\xb1i",
                                 "\xa7\xf5",
                                 "\xa4\xfd",
                                 "\xa7"
                                 "d",
                                 "\xbc"
                                 "B"};
const char* const kGiven[] = {"\xa7\xd3", "\xa9\xfa", "\xa9\xc9", "\xa7g",
                              "\xab\xd8", "\xa7\xbb", "\xb6\xae", "\xb4@"};

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

std::size_t WriteSyntheticPhonebook(const std::string& path, std::size_t minimumBytes) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file)
        return 0;
    // 編號,名稱,公司,傳真號碼,公司傳真,電話
    std::string chunk = "\xbds\xb8\xb9,\xa6W\xba\xd9,\xa4\xbd\xa5q,\xb6\xc7\xafu\xb8\xb9\xbdX,"
                        "\xa4\xbd\xa5q\xb6\xc7\xafu,\xb9q\xb8\xdc\r\n";
    std::size_t written = 0;
    char row[160];
    for (unsigned n = 0; written + chunk.size() < minimumBytes; ++n) {
        const int length = std::snprintf(
            row, sizeof row, "%u,%s%s%s,Company %u,(02) %04u-%04u,02-%04u-%04u ext.%u,%07u\r\n", n,
            kSurnames[n % 8], kGiven[(n / 8) % 8], kGiven[(n / 64) % 8], n % 977, 2000 + n % 8000,
            n % 10000, 3000 + n % 7000, (n * 7) % 10000, n % 100, n);
        chunk.append(row, static_cast<std::size_t>(length));
        if (chunk.size() > (1 << 20)) {
            written += std::fwrite(chunk.data(), 1, chunk.size(), file.get());
            chunk.clear();
        }
    }
    written += std::fwrite(chunk.data(), 1, chunk.size(), file.get());
    return std::fflush(file.get()) == 0 ? written : 0;
}
