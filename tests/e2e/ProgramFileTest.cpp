// What the program file carries: version information, the manifest, the icon, the help file.
#include "ResourceIds.h"
#include "TestHost.h"
#include "text/FixedTexts.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

std::string FolderOf(const std::string& path) {
    return path.substr(0, path.find_last_of('\\'));
}

TEST(ProgramFile, CarriesVersionInformationInTraditionalChinese) {
    const std::string path = TestImporter::ImporterPath();
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::string data(size, '\0');
    ASSERT_TRUE(::GetFileVersionInfoA(path.c_str(), 0, size, data.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    char* description = nullptr;
    ASSERT_TRUE(::VerQueryValueA(data.data(), "\\StringFileInfo\\040404b0\\FileDescription",
                                 reinterpret_cast<void**>(&description), &length));
    EXPECT_EQ(std::string(description), texts::kImportCaption);
}

TEST(ProgramFile, CarriesManifestAndIcon) {
    HMODULE image = ::LoadLibraryExA(TestImporter::ImporterPath().c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(image, nullptr);
    HRSRC manifest = ::FindResourceA(image, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(manifest, nullptr);
    const std::string text(
        static_cast<const char*>(::LockResource(::LoadResource(image, manifest))),
        ::SizeofResource(image, manifest));
    EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(text.find("PerMonitorV2"), std::string::npos);
    EXPECT_NE(text.find(sizeof(void*) == 8 ? "processorArchitecture=\"amd64\""
                                           : "processorArchitecture=\"x86\""),
              std::string::npos);
    EXPECT_NE(::FindResourceA(image, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14)), nullptr);
    ::FreeLibrary(image);
}

TEST(ProgramFile, CarriesTheCsvAndVCardFilter) {
    HMODULE image = ::LoadLibraryExA(TestImporter::ImporterPath().c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(image, nullptr);
    char filter[256] = {};
    EXPECT_GT(::LoadStringA(image, IDS_CSV_VCARD_FILTER, filter, sizeof filter), 0);
    EXPECT_EQ(std::string(filter), texts::kCsvVCardFilter);
    ::FreeLibrary(image);
}

TEST(ProgramFile, HelpFileLiesBesideTheProgram) {
    EXPECT_TRUE(FileExists(FolderOf(TestImporter::ImporterPath()) + "\\KW7PLD.CHM"));
}

} // namespace
} // namespace e2e
