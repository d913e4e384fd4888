// The published interfaces with every method answering MAPI_E_NO_SUPPORT, generated from the
// headers' own method lists, and a counted IUnknown. The test objects override what they serve.
#pragma once

#include "Ledger.h"

#include <mapix.h>
#include <wabapi.h>

namespace testprovider {

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma push_macro("MAPIMETHOD_")
#undef MAPIMETHOD_
#define MAPIMETHOD_(type, method) type STDMETHODCALLTYPE method
#define TESTPROVIDER_NO_SUPPORT                                                                    \
    { return MAPI_E_NO_SUPPORT; }

struct AddrBookStubs : IAddrBook {
    MAPI_IMAPIPROP_METHODS(TESTPROVIDER_NO_SUPPORT)
    MAPI_IADDRBOOK_METHODS(TESTPROVIDER_NO_SUPPORT)
};
struct MailUserStubs : IMailUser {
    MAPI_IMAPIPROP_METHODS(TESTPROVIDER_NO_SUPPORT)
};
struct DistListStubs : IDistList {
    MAPI_IMAPIPROP_METHODS(TESTPROVIDER_NO_SUPPORT)
    MAPI_IMAPICONTAINER_METHODS(TESTPROVIDER_NO_SUPPORT)
    MAPI_IDISTLIST_METHODS(TESTPROVIDER_NO_SUPPORT)
};
struct TableStubs : IMAPITable {
    MAPI_IMAPITABLE_METHODS(TESTPROVIDER_NO_SUPPORT)
};
struct SessionStubs : IMAPISession {
    MAPI_IMAPISESSION_METHODS(TESTPROVIDER_NO_SUPPORT)
};
struct WabObjectStubs : IWABObject {
    WAB_IWABOBJECT_METHODS(TESTPROVIDER_NO_SUPPORT)
};

#undef TESTPROVIDER_NO_SUPPORT
#pragma pop_macro("MAPIMETHOD_")
#pragma GCC diagnostic pop

// The published interface identifiers (OLE GUIDs of the messaging interfaces).
constexpr GUID OleGuid(unsigned long first) {
    return {first, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
}
inline constexpr GUID kIidUnknown = OleGuid(0x00000000);
inline constexpr GUID kIidMapiSession = OleGuid(0x00020300);
inline constexpr GUID kIidMapiTable = OleGuid(0x00020301);
inline constexpr GUID kIidMapiProp = OleGuid(0x00020303);
inline constexpr GUID kIidAddrBook = OleGuid(0x00020309);
inline constexpr GUID kIidMailUser = OleGuid(0x0002030A);
inline constexpr GUID kIidMapiContainer = OleGuid(0x0002030B);
inline constexpr GUID kIidDistList = OleGuid(0x0002030E);

// Reference counting and QueryInterface over the stubs; every object is counted while alive.
template <class Stubs> class CountedObject : public Stubs {
  public:
    // `propBased`: the interface derives from IMAPIProp (and `container` from IMAPIContainer).
    CountedObject(const GUID& iid, bool propBased, bool container = false)
        : iid_(iid), propBased_(propBased), container_(container) {
        ++TheLedger().objectsCreated;
        ++TheLedger().objectsLive;
    }
    virtual ~CountedObject() { --TheLedger().objectsLive; }
    CountedObject(const CountedObject&) = delete;
    CountedObject& operator=(const CountedObject&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (!object)
            return E_INVALIDARG;
        *object = nullptr;
        if (!IsEqualGUID(iid, kIidUnknown) && !IsEqualGUID(iid, iid_) &&
            !(propBased_ && IsEqualGUID(iid, kIidMapiProp)) &&
            !(container_ && IsEqualGUID(iid, kIidMapiContainer)))
            return E_NOINTERFACE;
        AddRef();
        *object = this;
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }

  private:
    GUID iid_;
    bool propBased_;
    bool container_;
    ULONG references_ = 1;
};

} // namespace testprovider
