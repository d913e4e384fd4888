// The help buttons' routine: HTML Help, loaded at run time.
#pragma once

#include <string>
#include <windows.h>

inline constexpr char kImportTypeHelpTopic[] = "/html/id_help_impinfo.htm";
inline constexpr char kSpeedDialHelpTopic[] = "/html/id_help_ewsinfo.htm";

void SetHelpFilePath(const std::string& path);

// Opens the topic of the help file; falls back to the file's default topic. Nothing is reported.
void ShowHelpTopic(HWND dialog, const char* topic);
