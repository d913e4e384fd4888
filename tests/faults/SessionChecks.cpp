#include "SessionChecks.h"

#include "session/SourceFailures.h"
#include "text/FixedTexts.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

std::string Message(const std::string& text, const std::string& caption, MessageIcon icon) {
    const char* iconName = icon == MessageIcon::Error     ? "error"
                           : icon == MessageIcon::Warning ? "warning"
                                                          : "question";
    return caption + " | " + text + " | " + iconName;
}

std::vector<std::string> Shown(const ScriptedDesktop& desktop) {
    std::vector<std::string> shown;
    for (const ShownMessage& message : desktop.messages)
        shown.push_back(Message(message.text, message.caption, message.icon));
    return shown;
}

std::vector<std::string> SourceFailureMessages(const char* text, const std::string& sourcePath) {
    return {Message(FormatText(text, sourcePath), texts::kCsvErrorCaption, MessageIcon::Error),
            Message(texts::kNoAccountsImported, texts::kImportCaption, MessageIcon::Warning)};
}

std::vector<std::string> NothingImportedMessages() {
    return {Message(texts::kNoAccountsImported, texts::kImportCaption, MessageIcon::Warning)};
}

std::vector<std::string> ResultNotWrittenMessages(const std::string& resultPath) {
    return {Message(FormatText(texts::kCannotWriteResult, resultPath), texts::kImportCaption,
                    MessageIcon::Error)};
}

std::string FileContents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
