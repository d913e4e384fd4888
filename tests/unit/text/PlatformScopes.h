// Sets what the POSIX code-page seam reports for the length of a test.
#pragma once

#include "platform/CodePages.h"

class AnsiCodePageScope {
  public:
    explicit AnsiCodePageScope(std::uint32_t codePage) : previous_(platform::AnsiCodePage()) {
        platform::SetAnsiCodePage(codePage);
    }
    ~AnsiCodePageScope() { platform::SetAnsiCodePage(previous_); }
    AnsiCodePageScope(const AnsiCodePageScope&) = delete;
    AnsiCodePageScope& operator=(const AnsiCodePageScope&) = delete;

  private:
    std::uint32_t previous_;
};

// Makes the normalization library missing, as on a system without it.
class MissingNormalizationScope {
  public:
    MissingNormalizationScope() { platform::SetNormalizationAvailable(false); }
    ~MissingNormalizationScope() { platform::SetNormalizationAvailable(true); }
    MissingNormalizationScope(const MissingNormalizationScope&) = delete;
    MissingNormalizationScope& operator=(const MissingNormalizationScope&) = delete;
};
