#include "session/win32/HelpTopic.h"

#include "platform/TrustedLibraries.h"
#include "platform/Win32Handles.h"

namespace {

constexpr UINT kDisplayTopic = 0x0000; // HH_DISPLAY_TOPIC
using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

std::string& HelpFilePath() {
    static std::string path;
    return path;
}

} // namespace

void SetHelpFilePath(const std::string& path) {
    HelpFilePath() = path;
}

void ShowHelpTopic(HWND dialog, const char* topic) {
    const std::string& helpFile = HelpFilePath();
    if (helpFile.empty())
        return;
    // The HTML Help library stays loaded while its window is open.
    static platform::LibraryHandle library;
    if (!library)
        library.reset(platform::LoadTrustedLibrary("hhctrl.ocx"));
    const auto htmlHelp = platform::ProcAddress<HtmlHelpFunction>(library.get(), "HtmlHelpA");
    if (!htmlHelp)
        return;
    const std::string topicPath = helpFile + "::" + topic;
    if (!htmlHelp(dialog, topicPath.c_str(), kDisplayTopic, 0))
        htmlHelp(dialog, helpFile.c_str(), kDisplayTopic, 0);
}
