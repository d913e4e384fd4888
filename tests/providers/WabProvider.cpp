// The address-book library for the tests: WABOpen opens the fixture named as the address-book
// file, or the one in TEST_WAB_DEFAULT_FIXTURE for the default file.
#include "AddressBookObjects.h"
#include "Stubs.h"

#include <cstdlib>

namespace testprovider {
namespace {

class WabObject : public CountedObject<WabObjectStubs> {
  public:
    WabObject() : CountedObject(kIidUnknown, false) {}

    STDMETHODIMP AllocateBuffer(ULONG size, LPVOID* buffer) override {
        ++TheLedger().callerAllocations;
        return testprovider::AllocateBuffer(size, buffer);
    }
    STDMETHODIMP FreeBuffer(LPVOID buffer) override {
        testprovider::FreeBuffer(buffer);
        return S_OK;
    }
};

std::string DefaultFixture() {
    char path[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableA("TEST_WAB_DEFAULT_FIXTURE", path, sizeof path);
    return length > 0 && length < sizeof path ? path : "";
}

} // namespace
} // namespace testprovider

using namespace testprovider;

extern "C" HRESULT WINAPI WABOpen(LPADRBOOK* book, LPWABOBJECT* wabObject, LPWAB_PARAM parameters,
                                  DWORD reserved) {
    if (!book || !wabObject || !parameters)
        return MAPI_E_INVALID_PARAMETER;
    *book = nullptr;
    *wabObject = nullptr;
    Note("wabopen_cbsize", parameters->cbSize);
    Note("wabopen_flags", parameters->ulFlags);
    Note("wabopen_reserved", reserved);
    // A library reads the file name only when cbSize covers it.
    const bool nameCovered =
        parameters->cbSize >= offsetof(WAB_PARAM, szFileName) + sizeof(parameters->szFileName);
    const std::string fileName =
        nameCovered && parameters->szFileName ? parameters->szFileName : "";
    Note("wabopen_file", nameCovered ? fileName : "(not covered)");
    LoadFixture(fileName.empty() ? DefaultFixture() : fileName);
    *book = NewAddressBook();
    *wabObject = new WabObject;
    return TheFixture().wabOpenResult;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_DETACH)
        WriteReport(reserved != nullptr);
    return TRUE;
}
