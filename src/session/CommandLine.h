// The command line the host starts the importer with:
// "result path|help file|option|IMPORT_TYPE_n", every field optional from the right.
#pragma once

#include <string>
#include <string_view>

inline constexpr char kDefaultHelpFile[] = "KW7PLD.CHM";

struct CommandLine {
    std::string resultPath;   // may be empty
    std::string helpFilePath; // the program's folder followed by the help file name
    int optionFlags = 0;
    int importType = 0; // 0 when not given
};

// `arguments` is the text after the program name; `programPath` the full path of the program file.
// No field is ever cut, however long.
CommandLine ParseCommandLine(std::string_view arguments, std::string_view programPath);

// Reads a decimal number as the C library's atoi does (leading blanks, a sign, digits up to the
// first other character, 0 without digits), saturating instead of overflowing.
int ReadDecimal(std::string_view text);
