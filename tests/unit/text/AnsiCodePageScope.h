// Sets the system's ANSI code page for the length of a test and restores the previous one.
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
