// The header words of the phone books that programs export, with what each column holds.
#pragma once

#include <span>
#include <string_view>

enum class HeaderRole {
    WholeName, // the recipient's name as one field
    GivenName, // the parts of a person's name
    MiddleName,
    FamilyName,
    Company,
    Fax,        // a field whose header contains the word holds fax numbers
    PhoneType,  // a web address book's numbered phone columns: the kind of each number,
    PhoneLabel, // the label the user gave it,
    PhoneValue, // and the numbers themselves
};

struct HeaderWord {
    HeaderRole role;
    std::string_view word; // in the ANSI code page; "#" stands for a column number
};

// Every header word, in the order in which each role's words are looked for; the words of a
// role follow those of the roles before it in HeaderRole.
std::span<const HeaderWord> HeaderWords();

// The words of the roles from `first` to `last`, in HeaderRole's order.
std::span<const HeaderWord> HeaderWordsOf(HeaderRole first, HeaderRole last);

// Whether `header`, without its leading and trailing spaces, is `word`: ASCII words without case,
// other words byte for byte. A "#" in the word stands for one or more digits, which `number`
// receives.
bool HeaderIsWord(std::string_view header, std::string_view word,
                  std::string_view* number = nullptr);

// HeaderIsWord for a header already without its leading and trailing spaces, so that a header
// compared with many words is trimmed once.
bool TrimmedHeaderIsWord(std::string_view header, std::string_view word,
                         std::string_view* number = nullptr);

// Whether the zero-terminated `text` contains `word`: an ASCII word without case and starting at
// a character boundary, any other word byte for byte.
bool ContainsWord(const char* text, std::string_view word);
