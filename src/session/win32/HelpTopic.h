// The help buttons' routine: HTML Help, loaded at run time.
#pragma once

#include <string>
#include <windows.h>

// The topics of the pickers live with their dialogs: kCsvHelpTopic and kSpeedDialHelpTopic.
inline constexpr char kImportTypeHelpTopic[] = "/html/id_help_impinfo.htm";

void SetHelpFilePath(const std::string& path);

// Opens the topic of the help file; falls back to the file's default topic. Nothing is reported.
void ShowHelpTopic(HWND dialog, const char* topic);
