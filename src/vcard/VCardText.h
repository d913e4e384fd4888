// vCard values brought to the ANSI code page, in buffers reused from value to value.
#pragma once

#include "text/AnsiWriter.h"
#include "vcard/VCardValue.h"

#include <cstdint>
#include <string>
#include <string_view>

class VCardText {
  public:
    // Converts `bytes` in `codePage` (from CodePageOfCharset) into `ansi`, zero-terminated, as
    // Unicode CSV files are converted: number characters the code page lacks get their ASCII
    // stand-ins, other missing characters the default character. UTF-8, and a charset nobody
    // knows, follow one rule: well-formed UTF-8 is converted; other bytes that follow the
    // ANSI code page's double-byte rules are taken as they are (an old phone's local text);
    // anything else is converted with each invalid sequence a default character. A code page
    // the system cannot convert is read by that rule too. Throws std::bad_alloc when memory
    // runs out or the platform cannot say how a character converts.
    void ToAnsi(std::string_view bytes, std::uint32_t codePage, std::string& ansi);

    // The lead bytes of `codePage`, for cutting its values; null when it has none.
    const LeadByteTable* LeadBytes(std::uint32_t codePage);

  private:
    bool Convert(std::string_view bytes, std::uint32_t codePage, std::string& ansi);

    AnsiWriter writer_;
    std::u16string units_;
    std::uint32_t leadCodePage_ = 0;
    bool hasLeads_ = false;
    LeadByteTable leads_{};
};
