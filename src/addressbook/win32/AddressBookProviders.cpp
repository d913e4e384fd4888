#include "addressbook/win32/AddressBookProviders.h"

#include "addressbook/ProviderBitness.h"
#include "addressbook/win32/MailProgramBitness.h"
#include "addressbook/win32/WabLibrary.h"
#include "platform/TrustedLibraries.h"
#include "session/win32/ImportApp.h"
#include "text/FixedTexts.h"

#include <vector>

namespace {

constexpr char kMapiLibrary[] = "MAPI32.DLL";
constexpr char kWabLibrary[] = "WAB32.DLL";
constexpr ULONG kLogonFlags = MAPI_LOGON_UI | MAPI_EXTENDED | MAPI_NO_MAIL;
static_assert(kLogonFlags == 0x8021);

// The first published layout of the parameter block. Its size differs between 32-bit and 64-bit
// builds, and a 64-bit library reads the file name only when cbSize says it is there.
struct WabParamFirstLayout {
    ULONG cbSize;
    HWND hwnd;
    LPSTR szFileName;
    ULONG ulFlags;
};
static_assert(sizeof(WabParamFirstLayout) == (kProgramBits == 64 ? 32 : 16));
static_assert(offsetof(WAB_PARAM, szFileName) == offsetof(WabParamFirstLayout, szFileName));
static_assert(offsetof(WAB_PARAM, ulFlags) == offsetof(WabParamFirstLayout, ulFlags));

bool HasEveryMapiEntry(HMODULE library) {
    for (const char* name : {"MAPIInitialize", "MAPILogonEx", "MAPIUninitialize",
                             "MAPIAllocateBuffer", "MAPIFreeBuffer"})
        if (!::GetProcAddress(library, name))
            return false;
    return true;
}

void ShowBitnessMismatch(HWND host, const std::string& library, int libraryBits,
                         const char* caption) {
    ShowMessageBox(host, BitnessMismatchMessage(library, libraryBits).c_str(), caption,
                   MB_OK | MB_ICONERROR);
}

} // namespace

AddressBookProviders::~AddressBookProviders() {
    ReleaseWab();
    StopMapi(nullptr);
}

WabOpening AddressBookProviders::OpenWab(const std::string& fileName, HWND host) {
    FindWabLibrary();
    const std::string& path = WabLibraryPath();
    wabLibrary_.reset(platform::LoadTrustedLibrary(path.empty() ? kWabLibrary : path));
    if (!wabLibrary_ && !OtherBitnessWabLibrary().empty()) {
        ShowBitnessMismatch(host, OtherBitnessWabLibrary(), kOtherBits, texts::kWabErrorCaption);
        return WabOpening::FailureShown;
    }
    const auto wabOpen = platform::ProcAddress<LPWABOPEN>(wabLibrary_.get(), "WABOpen");
    if (!wabOpen)
        return WabOpening::Failed;

    // The library may keep the name only for the call; a copy it can write to costs nothing.
    std::vector<char> name(fileName.begin(), fileName.end());
    name.push_back('\0');
    WAB_PARAM parameters{};
    parameters.cbSize = sizeof(WabParamFirstLayout);
    parameters.hwnd = nullptr;
    parameters.szFileName = name.data();
    parameters.ulFlags = 0;
    const HRESULT result = wabOpen(addressBook_.receiver(), wabObject_.receiver(), &parameters, 0);
    // Only S_OK with both objects counts; whatever was handed over is released by ReleaseWab.
    return result == S_OK && addressBook_ && wabObject_ ? WabOpening::Opened : WabOpening::Failed;
}

void AddressBookProviders::ReleaseWab() {
    addressBook_.reset();
    wabObject_.reset();
    wabLibrary_.reset();
}

bool AddressBookProviders::StartMapi(HWND host) {
    mapiLibrary_.reset(platform::LoadTrustedLibrary(kMapiLibrary));
    if (!mapiLibrary_ && ::GetLastError() == ERROR_BAD_EXE_FORMAT) {
        ShowBitnessMismatch(host, kMapiLibrary, kOtherBits, texts::kMapiErrorCaption);
        return false;
    }
    if (mapiLibrary_ && !HasEveryMapiEntry(mapiLibrary_.get()))
        mapiLibrary_.reset(); // not a library this program can use
    if (!mapiLibrary_) {
        ShowMessageBox(host, texts::kMapiMissing, texts::kMapiErrorCaption, MB_OK | MB_ICONERROR);
        return false;
    }
    const HMODULE library = mapiLibrary_.get();
    platform::ProcAddress<LPMAPIINITIALIZE>(library, "MAPIInitialize")(nullptr);

    const auto logon = platform::ProcAddress<LPMAPILOGONEX>(library, "MAPILogonEx");
    const HRESULT logonResult = logon(reinterpret_cast<ULONG_PTR>(host), nullptr, nullptr,
                                      kLogonFlags, mapiSession_.receiver());
    // Warnings count as success.
    const bool started =
        SUCCEEDED(logonResult) && mapiSession_ &&
        SUCCEEDED(mapiSession_->OpenAddressBook(reinterpret_cast<ULONG_PTR>(host), nullptr, 0,
                                                addressBook_.receiver())) &&
        addressBook_;
    // A user who cancelled the profile choice met a mail program this build can use.
    if (!started && logonResult != MAPI_E_USER_CANCEL) {
        if (const int otherBits = OtherRecordedBitness(RecordedMailProgramBitness()))
            ShowBitnessMismatch(host, kMapiLibrary, otherBits, texts::kMapiErrorCaption);
    }
    return started;
}

void AddressBookProviders::StopMapi(HWND host) {
    addressBook_.reset();
    if (mapiSession_) {
        mapiSession_->Logoff(reinterpret_cast<ULONG_PTR>(host), MAPI_LOGOFF_UI, 0);
        mapiSession_.reset();
    }
    if (mapiLibrary_) {
        platform::ProcAddress<LPMAPIUNINITIALIZE>(mapiLibrary_.get(), "MAPIUninitialize")();
        mapiLibrary_.reset();
    }
}

void* AddressBookProviders::AllocateBuffer(ULONG size) const {
    void* buffer = nullptr;
    if (wabObject_) {
        if (FAILED(wabObject_->AllocateBuffer(size, &buffer)))
            return nullptr;
        return buffer;
    }
    const auto allocate =
        platform::ProcAddress<LPMAPIALLOCATEBUFFER>(mapiLibrary_.get(), "MAPIAllocateBuffer");
    if (!allocate || FAILED(allocate(size, &buffer)))
        return nullptr;
    return buffer;
}

void AddressBookProviders::FreeBuffer(void* buffer) const {
    if (!buffer)
        return;
    if (wabObject_) {
        wabObject_->FreeBuffer(buffer);
        return;
    }
    if (const auto free =
            platform::ProcAddress<LPMAPIFREEBUFFER>(mapiLibrary_.get(), "MAPIFreeBuffer"))
        free(buffer);
}
