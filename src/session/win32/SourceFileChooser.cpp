#include "session/win32/SourceFileChooser.h"

#include "ResourceIds.h"
#include "session/SessionLists.h"
#include "text/FixedTexts.h"

#include <algorithm>
#include <vector>
#include <windows.h>

#include <commdlg.h>

namespace {

constexpr int kFilterBufferSize = 256;
// Room for long paths: a chosen path is never cut.
constexpr DWORD kPathBufferSize = 32768;

} // namespace

bool ChooseSourceFile(int importType, std::string& path) {
    int filterId = IDS_CSV_FILTER;
    const char* title = nullptr;
    switch (importType) {
    case kImportWabChosenFile:
        filterId = IDS_WAB_FILTER;
        title = texts::kChooseWabTitle;
        break;
    case kImportCsvChosenColumns:
    case kImportCsvFoundColumns:
        filterId = IDS_CSV_VCARD_FILTER; // vCard files read through the CSV import too
        title = texts::kChooseCsvTitle;
        break;
    case kImportSpeedDial:
        title = texts::kChooseSpeedDialTitle;
        break;
    default:
        return false;
    }

    // The filter string's last character is its separator.
    char filter[kFilterBufferSize + 1] = {};
    const int length =
        ::LoadStringA(::GetModuleHandleA(nullptr), filterId, filter, kFilterBufferSize);
    if (length > 0)
        std::replace(filter, filter + length, filter[length - 1], '\0');

    std::vector<char> file(kPathBufferSize, '\0');
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hInstance = ::GetModuleHandleA(nullptr);
    dialog.lpstrFilter = filter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = kPathBufferSize;
    dialog.lpstrTitle = title;
    // The current folder stays where it was, out of the chosen file's folder.
    dialog.Flags =
        OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (!::GetOpenFileNameA(&dialog))
        return false;
    path = file.data();
    return true;
}
