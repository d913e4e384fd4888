#include "addressbook/win32/AddressDialog.h"

#include "text/FixedTexts.h"

#include <array>
#include <string>

namespace {

// The labels as writable zero-terminated copies, as the parameter block's fields are typed.
struct DialogLabels {
    std::string caption = texts::kAddressDialogCaption;
    std::string newEntryTitle = texts::kAddressNewEntryTitle;
    std::string wellsTitle = texts::kAddressWellsTitle;
    std::string toTitle = texts::kAddressToTitle;
    std::array<LPSTR, 1> destTitles{toTitle.data()};
    std::array<ULONG, 1> destComps{MAPI_TO};
};

ADRPARM MakeParameters(DialogLabels& labels) {
    ADRPARM parameters{};
    parameters.cbABContEntryID = 0;
    parameters.lpABContEntryID = nullptr;
    parameters.ulFlags = DIALOG_MODAL;
    parameters.lpReserved = nullptr;
    parameters.ulHelpContext = 0;
    parameters.lpszHelpFileName = nullptr;
    parameters.lpfnABSDI = nullptr;
    parameters.lpfnDismiss = nullptr;
    parameters.lpvDismissContext = nullptr;
    parameters.lpszCaption = labels.caption.data();
    parameters.lpszNewEntryTitle = labels.newEntryTitle.data();
    parameters.lpszDestWellsTitle = labels.wellsTitle.data();
    parameters.cDestFields = 1;
    parameters.nDestFieldFocus = 0;
    parameters.lppszDestTitles = labels.destTitles.data();
    parameters.lpulDestComps = labels.destComps.data();
    parameters.lpContRestriction = nullptr;
    parameters.lpHierRestriction = nullptr;
    return parameters;
}

} // namespace

std::unique_ptr<ProviderRows> PickAddresses(const AddressBookProviders& providers, HWND host) {
    IAddrBook* book = providers.AddressBook();
    if (!book)
        return nullptr;
    DialogLabels labels;
    ADRPARM parameters = MakeParameters(labels);
    // The provider may write a window handle back through this.
    ULONG_PTR window = reinterpret_cast<ULONG_PTR>(host);
    LPADRLIST list = nullptr;
    const HRESULT result = book->Address(&window, &parameters, &list);
    ProviderList owned(providers, list); // a list handed over with a failure is freed too
    if (FAILED(result) || !list)
        return nullptr;
    return std::make_unique<ProviderRows>(std::move(owned));
}
