#include "speeddial/RelayText.h"

#include "speeddial/MaskedText.h"
#include "speeddial/Numbers.h"
#include "speeddial/SpeedDialRecord.h"

std::string ComposeRelayText(const char* option, const char* station, const char* targets) {
    std::string text;
    if (*option != '\0' && LeadingDecimalValue(option) == 1)
        text = "P";
    text += station;
    text += '/';
    if (*targets == '\0')
        return text;
    char decoded[kRelayTargetsBuffer] = {};
    DecodeBase64(decoded, targets);
    std::size_t pairs = 0;
    for (const char* pair = decoded; pairs < kRelayTargetSlots; pair += 2) {
        if (pair[0] == '\0' || (pair[0] == '0' && pair[1] == '0'))
            break;
        text += pair[0];
        ++pairs;
        if (pair[1] == '\0')
            break; // a final single byte
        text += pair[1];
        text += '/';
    }
    if (pairs > 0 && text.back() == '/')
        text.pop_back();
    return text;
}
