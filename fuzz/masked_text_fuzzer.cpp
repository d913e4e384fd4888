// The decoders of masked texts against a plain reference, into outputs of every size.
// Input: the text, then (from the end) the decoder and the output size.
#include "FuzzSupport.h"
#include "speeddial/MaskedText.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <vector>

namespace {

constexpr char kUntouched = '\x5A';

int SextetOf(char symbol) {
    constexpr std::string_view kAlphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    const std::size_t at = kAlphabet.find(symbol);
    return at == std::string_view::npos ? 0 : static_cast<int>(at);
}

std::string ReferenceBase64(std::string_view input) {
    std::string decoded;
    if (input.size() % 4 != 0)
        return decoded;
    for (std::size_t at = 0; at < input.size(); at += 4) {
        int bits = 0;
        for (std::size_t i = 0; i < 4; ++i)
            bits = bits * 64 + SextetOf(input[at + i]);
        decoded += static_cast<char>(bits >> 16 & 0xFF);
        if (input[at + 2] == '=')
            break;
        decoded += static_cast<char>(bits >> 8 & 0xFF);
        if (input[at + 3] == '=')
            break;
        decoded += static_cast<char>(bits & 0xFF);
    }
    return decoded;
}

std::string ReferenceRot13(std::string_view input) {
    std::string rotated(input);
    for (char& c : rotated) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>((c - 'a' + 13) % 26 + 'a');
        else if (c >= 'A' && c <= 'Z')
            c = static_cast<char>((c - 'A' + 13) % 26 + 'A');
    }
    return rotated;
}

// The output holds the expected bytes as far as they fit with a terminator, the terminator,
// and nothing written after it.
void CheckOutput(const std::vector<char>& output, std::string_view expected) {
    if (output.empty())
        return;
    const std::size_t kept = std::min(expected.size(), output.size() - 1);
    FUZZ_REQUIRE(std::string_view(output.data(), kept) == expected.substr(0, kept));
    FUZZ_REQUIRE(output[kept] == '\0');
    for (std::size_t at = kept + 1; at < output.size(); ++at)
        FUZZ_REQUIRE(output[at] == kUntouched);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int decoder = input.ConsumeIntegralInRange(0, 2);
    const std::size_t outputSize = input.ConsumeIntegralInRange<std::size_t>(0, 100);
    const std::string text = input.ConsumeRemainingBytesAsString();

    // Sized exactly, so that a byte written past the end is reported.
    std::vector<char> output(outputSize, kUntouched);
    const std::span<char> target(output.data(), output.size());
    switch (decoder) {
    case 0:
        DecodeBase64(target, text);
        CheckOutput(output, ReferenceBase64(text));
        break;
    case 1:
        Rot13(target, text);
        CheckOutput(output, ReferenceRot13(text));
        break;
    default: {
        DecodeMaskedText(target, text);
        // The rotated text is read up to its first zero byte; long inputs give nothing.
        const std::string_view masked(text.data(), std::min(text.size(), text.find('\0')));
        std::string expected;
        if (!text.empty() && text.size() < kMaskedTextBuffer)
            expected = ReferenceBase64(ReferenceRot13(masked));
        CheckOutput(output, expected);
        break;
    }
    }
    return 0;
}
