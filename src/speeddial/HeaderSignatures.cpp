#include "speeddial/HeaderSignatures.h"

#include "speeddial/Numbers.h"

#include <cstring>

namespace {

// A first field saved with a UTF-8 byte order mark and quoted reaches the splitter unquoted.
constexpr char kMarkedQuotedAsterisk[] = "\xEF\xBB\xBF\"*\"";
constexpr int32_t kRevisionColumn = 3;

constexpr HeaderSignature Form(const char* version, const char* highestRevision) {
    const bool revisionTested = highestRevision[0] != '\0';
    HeaderSignature signature{{
        {0, 1, 1, {'*'}},
        {1, 0, 1, {'1'}},
        {2, 0, 1, {version[0]}},
        {kRevisionColumn, 0, revisionTested ? 1 : 0, {highestRevision[0]}},
        {4, 0, 0, {}},
        {5, 0, 0, {}},
        {-1, 0, 0, {}},
    }};
    return signature;
}

} // namespace

const std::array<HeaderSignature, 6> headerSignatures = {
    Form("0", "2"), Form("1", "2"), Form("2", "3"), Form("3", ""), Form("5", ""), Form("6", ""),
};

bool MatchSignature(LineFields& header, const HeaderSignature& signature) {
    for (const SignatureCheck& check : signature.checks) {
        if (check.column < 0)
            break;
        if (check.check != 1)
            continue;
        char* field = header.Field(check.column);
        if (!field)
            return false;
        if (check.keepRaw == 0)
            TrimSpaces(field);
        bool passed = false;
        if (check.column == 0)
            passed = std::strcmp(field, kMarkedQuotedAsterisk) == 0 ||
                     std::strcmp(field, check.text) == 0;
        else if (check.column == kRevisionColumn)
            passed = DigitValue(field) <= DigitValue(check.text);
        else
            passed = std::strcmp(field, check.text) == 0;
        if (!passed)
            return false;
    }
    return true;
}
