// Prints a recipient exchange file readably.
//   exchange-dump [--json] [--kind recipients|speed-dial] [--codepage N] FILE
#include "ExchangeFileDecoder.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

int Usage() {
    std::fprintf(stderr, "usage: exchange-dump [--json] [--kind recipients|speed-dial] "
                         "[--codepage N] FILE\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    bool json = false;
    std::optional<RecordKind> kind;
    unsigned codePage = 950;
    const char* path = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--json") == 0) {
            json = true;
        } else if (std::strcmp(argv[i], "--kind") == 0 && i + 1 < argc) {
            const std::string value = argv[++i];
            if (value == "recipients")
                kind = RecordKind::Recipients;
            else if (value == "speed-dial")
                kind = RecordKind::SpeedDial;
            else
                return Usage();
        } else if (std::strcmp(argv[i], "--codepage") == 0 && i + 1 < argc) {
            codePage = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
        } else if (!path && argv[i][0] != '-') {
            path = argv[i];
        } else {
            return Usage();
        }
    }
    if (!path)
        return Usage();
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "exchange-dump: cannot open %s\n", path);
        return 1;
    }
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    const DecodeResult result = DecodeExchangeFile(bytes, kind, codePage);
    if (!result.file) {
        std::fprintf(stderr, "exchange-dump: %s: not an exchange file: %s\n", path,
                     result.error.c_str());
        return 1;
    }
    const std::string text = json ? FormatAsJson(*result.file) : FormatAsText(*result.file);
#ifdef _WIN32
    // The same bytes on every system: UTF-8 with line feeds.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}
