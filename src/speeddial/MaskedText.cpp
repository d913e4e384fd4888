#include "speeddial/MaskedText.h"

#include <cstdint>

namespace {

uint32_t SextetOf(char symbol) {
    if (symbol >= 'A' && symbol <= 'Z')
        return static_cast<uint32_t>(symbol - 'A');
    if (symbol >= 'a' && symbol <= 'z')
        return static_cast<uint32_t>(symbol - 'a' + 26);
    if (symbol >= '0' && symbol <= '9')
        return static_cast<uint32_t>(symbol - '0' + 52);
    if (symbol == '+')
        return 62;
    if (symbol == '/')
        return 63;
    return 0;
}

char Rotate(char byte) {
    if (byte >= 'a' && byte <= 'z')
        return static_cast<char>('a' + (byte - 'a' + 13) % 26);
    if (byte >= 'A' && byte <= 'Z')
        return static_cast<char>('A' + (byte - 'A' + 13) % 26);
    return byte;
}

// Appends bytes to a span and keeps room for the terminator.
class TextWriter {
  public:
    explicit TextWriter(std::span<char> output) : output_(output) {}
    ~TextWriter() {
        if (!output_.empty())
            output_[length_] = '\0';
    }
    TextWriter(const TextWriter&) = delete;
    TextWriter& operator=(const TextWriter&) = delete;

    // False once the output is full.
    bool Put(char byte) {
        if (length_ + 1 >= output_.size())
            return false;
        output_[length_++] = byte;
        return true;
    }

  private:
    std::span<char> output_;
    std::size_t length_ = 0;
};

} // namespace

void DecodeBase64(std::span<char> output, std::string_view input) {
    TextWriter writer(output);
    if (input.size() % 4 != 0)
        return;
    for (std::size_t at = 0; at < input.size(); at += 4) {
        const uint32_t bits = SextetOf(input[at]) << 18 | SextetOf(input[at + 1]) << 12 |
                              SextetOf(input[at + 2]) << 6 | SextetOf(input[at + 3]);
        if (!writer.Put(static_cast<char>(bits >> 16 & 0xFF)) || input[at + 2] == '=')
            return;
        if (!writer.Put(static_cast<char>(bits >> 8 & 0xFF)) || input[at + 3] == '=')
            return;
        if (!writer.Put(static_cast<char>(bits & 0xFF)))
            return;
    }
}

void Rot13(std::span<char> output, std::string_view input) {
    TextWriter writer(output);
    for (const char byte : input)
        if (!writer.Put(Rotate(byte)))
            return;
}

void DecodeMaskedText(std::span<char> output, std::string_view input) {
    if (!output.empty())
        output[0] = '\0';
    if (input.empty() || input.size() >= kMaskedTextBuffer)
        return;
    char rotated[kMaskedTextBuffer];
    Rot13(rotated, input);
    if (rotated[0] != '\0')
        DecodeBase64(output, rotated);
}
