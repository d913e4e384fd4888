// A messaging library for the tests, placed as MAPI32.DLL beside the importer: one profile whose
// address book is the fixture in TEST_MAPI_FIXTURE.
#include "AddressBookObjects.h"
#include "Stubs.h"

#include <cstdio>

namespace testprovider {
namespace {

std::string Hex(ULONG_PTR value) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(value));
    return text;
}

int Count(const char* key) {
    static std::map<std::string, int> counts;
    return ++counts[key];
}

class Session : public CountedObject<SessionStubs> {
  public:
    Session() : CountedObject(kIidMapiSession, false) {}

    STDMETHODIMP OpenAddressBook(ULONG_PTR window, LPCIID iid, ULONG flags,
                                 LPADRBOOK* book) override {
        if (!book)
            return MAPI_E_INVALID_PARAMETER;
        *book = nullptr;
        Note("openaddressbook_calls", Count("openaddressbook"));
        Note("openaddressbook_window", Hex(window));
        Note("openaddressbook_flags", flags);
        Note("openaddressbook_iid", iid ? "set" : "none");
        const Fixture& fixture = TheFixture();
        if (fixture.openAddressBookFails)
            return MAPI_E_CALL_FAILED;
        *book = NewAddressBook();
        return fixture.openAddressBookWarning ? MAPI_W_ERRORS_RETURNED : S_OK;
    }

    STDMETHODIMP Logoff(ULONG_PTR window, ULONG flags, ULONG reserved) override {
        Note("logoff_calls", Count("logoff"));
        Note("logoff_window", Hex(window));
        Note("logoff_flags", flags);
        Note("logoff_reserved", reserved);
        return S_OK;
    }
};

std::string FixturePath() {
    char path[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableA("TEST_MAPI_FIXTURE", path, sizeof path);
    return length > 0 && length < sizeof path ? path : "";
}

} // namespace
} // namespace testprovider

using namespace testprovider;

extern "C" {

HRESULT WINAPI MAPIInitialize(LPVOID initialization) {
    LoadFixture(FixturePath());
    Note("initialize_calls", Count("initialize"));
    Note("initialize_argument", initialization ? "set" : "none");
    return S_OK;
}

void WINAPI MAPIUninitialize() {
    Note("uninitialize_calls", Count("uninitialize"));
}

HRESULT WINAPI MAPILogonEx(ULONG_PTR window, LPSTR profile, LPSTR password, ULONG flags,
                           LPMAPISESSION* session) {
    if (!session)
        return MAPI_E_INVALID_PARAMETER;
    *session = nullptr;
    Note("logon_calls", Count("logon"));
    Note("logon_window", Hex(window));
    Note("logon_flags", Hex(flags));
    Note("logon_profile", profile ? "set" : "none");
    Note("logon_password", password ? "set" : "none");
    if (TheFixture().refuseLogon)
        return MAPI_E_USER_CANCEL;
    *session = new Session;
    return S_OK;
}

SCODE WINAPI MAPIAllocateBuffer(ULONG size, LPVOID* buffer) {
    ++TheLedger().callerAllocations;
    return AllocateBuffer(size, buffer);
}

SCODE WINAPI MAPIAllocateMore(ULONG, LPVOID, LPVOID*) {
    return MAPI_E_NO_SUPPORT;
}

ULONG WINAPI MAPIFreeBuffer(LPVOID buffer) {
    return FreeBuffer(buffer);
}

} // extern "C"

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_DETACH)
        WriteReport(reserved != nullptr);
    return TRUE;
}
