#include "FileImportRun.h"

#include "ResourceIds.h"

#include <gtest/gtest.h>

namespace e2e {

FileImportRun::FileImportRun(const std::string& sourceName, WPARAM handBackCommand,
                             bool hostHasLimit)
    : host(hostHasLimit),
      folder(MakeTestFolder(::testing::UnitTest::GetInstance()->current_test_info()->name())),
      resultPath(folder + "\\result.bin"), sourcePath(folder + "\\" + sourceName),
      handBackCommand_(handBackCommand) {}

std::string FileImportRun::Arguments(int importType, int option) const {
    return resultPath + "||" + std::to_string(option) + "|IMPORT_TYPE_" +
           std::to_string(importType);
}

void FileImportRun::StartWith(const std::string& bytes, const std::string& arguments,
                              const char* fileDialogTitle) {
    WriteFileBytes(sourcePath, bytes);
    importer.emplace(arguments);
    HWND fileDialog = importer->WaitForWindow(fileDialogTitle);
    ASSERT_NE(fileDialog, nullptr);
    ChooseFile(fileDialog, sourcePath);
}

void FileImportRun::Add(HWND picker) {
    Click(picker, IDC_ADD_PICKS);
    PumpMessages(200ms);
}

void FileImportRun::ExpectMessage(const std::string& text, const char* caption, const char* icon,
                                  int button) {
    // Clicks are posted: the box's own caption shows it is up, so no other dialog of the
    // importer with a button of that id is answered in its place.
    ASSERT_NE(importer->WaitForWindow(caption), nullptr) << "no message box";
    const auto message = AnswerMessageBox(*importer, button);
    ASSERT_TRUE(message.has_value()) << "no message box";
    EXPECT_EQ(message->text, text);
    EXPECT_EQ(message->caption, caption);
    EXPECT_EQ(message->icon, icon);
}

void FileImportRun::ExpectHandBack() {
    ASSERT_TRUE(importer->WaitForExit());
    EXPECT_EQ(host.Commands(), (std::vector<std::pair<WPARAM, LPARAM>>{{handBackCommand_, 0}}));
    EXPECT_TRUE(host.Enabled());
}

std::string WithPath(const char* format, const std::string& path) {
    std::string text = format;
    text.replace(text.find("%s"), 2, path);
    return text;
}

} // namespace e2e
