// What a session showed, in a form that compares and prints readably, and the messages a
// failed import shows.
#pragma once

#include "session/ScriptedDesktop.h"

#include <string>
#include <vector>

// "caption | text | icon" of every message box, in order.
std::vector<std::string> Shown(const ScriptedDesktop& desktop);
std::string Message(const std::string& text, const std::string& caption, MessageIcon icon);

// The messages of a file source's failure: its text (a fixed text with "%s") with the file's
// path, caption "CSV匯入錯誤", then the warning that nothing was imported.
std::vector<std::string> SourceFailureMessages(const char* text, const std::string& sourcePath);
// The warning alone that nothing was imported.
std::vector<std::string> NothingImportedMessages();
// The error that the result file cannot be written.
std::vector<std::string> ResultNotWrittenMessages(const std::string& resultPath);

// The whole contents of a file, or nothing when it cannot be read.
std::string FileContents(const std::string& path);
// The names in a folder, sorted.
std::vector<std::string> FolderEntries(const std::string& folder);
