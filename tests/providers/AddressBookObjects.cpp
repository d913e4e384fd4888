#include "AddressBookObjects.h"

#include "PropertyBlock.h"
#include "Stubs.h"

#include <algorithm>
#include <cstdio>

namespace testprovider {
namespace {

constexpr char kDialogContext = 1;
constexpr char kTableContext = 2;

std::string Hex(ULONG_PTR value) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(value));
    return text;
}

const char* PropertyName(ULONG tag) {
    switch (tag) {
    case PR_DISPLAY_NAME_A:
        return "name";
    case PR_PRIMARY_FAX_NUMBER_A:
        return "primary";
    case PR_BUSINESS_FAX_NUMBER_A:
        return "business";
    case PR_HOME_FAX_NUMBER_A:
        return "home";
    default:
        return nullptr;
    }
}

// The values of `entry` for the requested tags; missing ones typed PT_ERROR.
void AddValues(const FixtureEntry& entry, const std::string& id, char context,
               const std::vector<ULONG>& tags, PropertyBlock& block) {
    for (const ULONG tag : tags) {
        if (tag == PR_ENTRYID) {
            block.Binary(tag, EncodeEntryId(context, id));
        } else if (tag == PR_OBJECT_TYPE) {
            block.Long(tag, static_cast<LONG>(entry.type));
        } else if (const char* name = PropertyName(tag)) {
            const auto found = entry.properties.find(name);
            if (found != entry.properties.end())
                block.Text(tag, found->second);
            else
                block.Missing(tag);
        } else {
            block.Missing(tag);
        }
    }
}

HRESULT GetEntryProps(const FixtureEntry& entry, const std::string& id, LPSPropTagArray tags,
                      ULONG flags, ULONG* count, LPSPropValue* values) {
    if (!tags || !count || !values)
        return MAPI_E_INVALID_PARAMETER;
    std::string asked;
    for (ULONG n = 0; n < tags->cValues; ++n)
        asked += (n ? "," : "") + Hex(tags->aulPropTag[n]);
    Note("getprops_tags", asked);
    Note("getprops_flags", flags);
    if (entry.getPropsFails)
        return MAPI_E_CALL_FAILED;
    PropertyBlock block;
    AddValues(entry, id, kTableContext,
              std::vector<ULONG>(tags->aulPropTag, tags->aulPropTag + tags->cValues), block);
    *values = block.Build(*count);
    if (!*values)
        return MAPI_E_NOT_ENOUGH_MEMORY;
    return block.HasErrors() ? MAPI_W_ERRORS_RETURNED : S_OK;
}

class Table : public CountedObject<TableStubs> {
  public:
    explicit Table(const FixtureEntry& list) : CountedObject(kIidMapiTable, false), list_(list) {}

    STDMETHODIMP SetColumns(LPSPropTagArray tags, ULONG flags) override {
        if (!tags)
            return MAPI_E_INVALID_PARAMETER;
        std::string columns;
        for (ULONG n = 0; n < tags->cValues; ++n)
            columns += (n ? "," : "") + Hex(tags->aulPropTag[n]);
        Note("setcolumns", columns);
        Note("setcolumns_flags", flags);
        columns_.assign(tags->aulPropTag, tags->aulPropTag + tags->cValues);
        return S_OK;
    }
    STDMETHODIMP SeekRow(BOOKMARK origin, LONG rows, LONG* sought) override {
        if (origin != BOOKMARK_BEGINNING || rows != 0)
            return MAPI_E_NO_SUPPORT;
        position_ = 0;
        if (sought)
            *sought = 0;
        return S_OK;
    }
    STDMETHODIMP QueryRows(LONG count, ULONG flags, LPSRowSet* rows) override {
        if (!rows || count <= 0)
            return MAPI_E_INVALID_PARAMETER;
        *rows = nullptr;
        NoteAppend("queryrows", std::to_string(count) + "/" + std::to_string(flags));
        if (list_.failsAfterRows && rowsRead_ >= *list_.failsAfterRows)
            return MAPI_E_CALL_FAILED;
        const std::size_t left = list_.members.size() - std::min(position_, list_.members.size());
        const ULONG taken = static_cast<ULONG>(std::min<std::size_t>(left, count));
        void* buffer = nullptr;
        if (FAILED(AllocateBuffer(static_cast<ULONG>(CbNewSRowSet(taken)), &buffer)))
            return MAPI_E_NOT_ENOUGH_MEMORY;
        auto* set = static_cast<LPSRowSet>(buffer);
        for (ULONG n = 0; n < taken; ++n) {
            const std::string& id = list_.members[position_++];
            ++rowsRead_;
            static const FixtureEntry unknown;
            const FixtureEntry* member = TheFixture().Find(id);
            PropertyBlock block;
            AddValues(member ? *member : unknown, id, kTableContext, columns_, block);
            set->aRow[n].lpProps = block.Build(set->aRow[n].cValues);
            set->cRows = n + 1;
        }
        *rows = set;
        return S_OK;
    }

  private:
    const FixtureEntry& list_;
    std::vector<ULONG> columns_;
    std::size_t position_ = 0;
    int rowsRead_ = 0;
};

class MailUser : public CountedObject<MailUserStubs> {
  public:
    MailUser(const FixtureEntry& entry, std::string id)
        : CountedObject(kIidMailUser, true), entry_(entry), id_(std::move(id)) {}

    STDMETHODIMP GetProps(LPSPropTagArray tags, ULONG flags, ULONG* count,
                          LPSPropValue* values) override {
        return GetEntryProps(entry_, id_, tags, flags, count, values);
    }

  private:
    const FixtureEntry& entry_;
    std::string id_;
};

class DistList : public CountedObject<DistListStubs> {
  public:
    DistList(const FixtureEntry& entry, std::string id)
        : CountedObject(kIidDistList, true, true), entry_(entry), id_(std::move(id)) {}

    STDMETHODIMP GetProps(LPSPropTagArray tags, ULONG flags, ULONG* count,
                          LPSPropValue* values) override {
        return GetEntryProps(entry_, id_, tags, flags, count, values);
    }
    STDMETHODIMP GetContentsTable(ULONG flags, LPMAPITABLE* table) override {
        if (!table)
            return MAPI_E_INVALID_PARAMETER;
        Note("contentstable_flags", flags);
        *table = new Table(entry_);
        return S_OK;
    }

  private:
    const FixtureEntry& entry_;
    std::string id_;
};

class AddrBook : public CountedObject<AddrBookStubs> {
  public:
    AddrBook() : CountedObject(kIidAddrBook, true) {}

    STDMETHODIMP OpenEntry(ULONG size, LPENTRYID id, LPCIID iid, ULONG flags, ULONG* type,
                           LPUNKNOWN* object) override {
        if (!type || !object)
            return MAPI_E_INVALID_PARAMETER;
        *object = nullptr;
        const std::string name = DecodeEntryId(size, id);
        NoteAppend("opened", name);
        if (iid || flags != 0)
            NoteAppend("openentry_unexpected", name);
        const FixtureEntry* entry = TheFixture().Find(name);
        if (!entry || entry->unopenable)
            return MAPI_E_NOT_FOUND;
        *type = entry->type;
        if (entry->type == MAPI_MAILUSER)
            *object = static_cast<IMailUser*>(new MailUser(*entry, name));
        else if (entry->type == MAPI_DISTLIST)
            *object = static_cast<IDistList*>(new DistList(*entry, name));
        else
            return MAPI_E_NOT_FOUND;
        return S_OK;
    }

    STDMETHODIMP CompareEntryIDs(ULONG size1, LPENTRYID id1, ULONG size2, LPENTRYID id2,
                                 ULONG flags, ULONG* result) override {
        if (!result || flags != 0)
            return MAPI_E_INVALID_PARAMETER;
        *result = DecodeEntryId(size1, id1) == DecodeEntryId(size2, id2) ? TRUE : FALSE;
        return S_OK;
    }

    STDMETHODIMP Address(ULONG_PTR* window, LPADRPARM parameters, LPADRLIST* list) override {
        if (!window || !parameters || !list)
            return MAPI_E_INVALID_PARAMETER;
        RecordDialog(*window, *parameters);
        const Fixture& fixture = TheFixture();
        switch (fixture.dialog) {
        case DialogOutcome::Cancel:
            return MAPI_E_USER_CANCEL;
        case DialogOutcome::None:
            return S_OK;
        case DialogOutcome::Empty:
            *list = BuildList({});
            return S_OK;
        case DialogOutcome::CancelWithList:
            *list = BuildList(fixture.picked);
            return MAPI_E_USER_CANCEL;
        case DialogOutcome::Picked:
            *list = BuildList(fixture.picked);
            return *list ? S_OK : MAPI_E_NOT_ENOUGH_MEMORY;
        }
        return MAPI_E_CALL_FAILED;
    }

  private:
    static void RecordDialog(ULONG_PTR window, const ADRPARM& parameters) {
        static int calls = 0;
        Note("address_calls", ++calls);
        Note("address_window", Hex(window));
        Note("address_flags", parameters.ulFlags);
        Note("address_caption", parameters.lpszCaption ? parameters.lpszCaption : "(null)");
        Note("address_new_entry_title",
             parameters.lpszNewEntryTitle ? parameters.lpszNewEntryTitle : "(null)");
        Note("address_wells_title",
             parameters.lpszDestWellsTitle ? parameters.lpszDestWellsTitle : "(null)");
        Note("address_dest_fields", parameters.cDestFields);
        Note("address_dest_focus", parameters.nDestFieldFocus);
        if (parameters.cDestFields >= 1 && parameters.lppszDestTitles &&
            parameters.lppszDestTitles[0])
            Note("address_dest_title", parameters.lppszDestTitles[0]);
        if (parameters.cDestFields >= 1 && parameters.lpulDestComps)
            Note("address_dest_comp", parameters.lpulDestComps[0]);
        const bool restZero = parameters.cbABContEntryID == 0 && !parameters.lpABContEntryID &&
                              !parameters.lpReserved && parameters.ulHelpContext == 0 &&
                              !parameters.lpszHelpFileName && !parameters.lpfnABSDI &&
                              !parameters.lpfnDismiss && !parameters.lpvDismissContext &&
                              !parameters.lpContRestriction && !parameters.lpHierRestriction;
        Note("address_other_fields_empty", restZero ? 1 : 0);
    }

    // Each entry's values in a buffer of their own, as address lists are made.
    static LPADRLIST BuildList(const std::vector<std::string>& picked) {
        void* buffer = nullptr;
        const ULONG count = static_cast<ULONG>(picked.size());
        if (FAILED(AllocateBuffer(static_cast<ULONG>(CbNewADRLIST(count)), &buffer)))
            return nullptr;
        auto* list = static_cast<LPADRLIST>(buffer);
        for (ULONG n = 0; n < count; ++n) {
            static const FixtureEntry unknown;
            const FixtureEntry* entry = TheFixture().Find(picked[n]);
            const FixtureEntry& shown = entry ? *entry : unknown;
            PropertyBlock block;
            block.Long(PR_OBJECT_TYPE, static_cast<LONG>(shown.type));
            const auto name = shown.properties.find("name");
            block.Text(PR_DISPLAY_NAME_A, name == shown.properties.end() ? "" : name->second);
            block.Long(PR_RECIPIENT_TYPE, MAPI_TO);
            block.Binary(PR_ENTRYID, EncodeEntryId(kDialogContext, picked[n]));
            list->aEntries[n].rgPropVals = block.Build(list->aEntries[n].cValues);
            list->cEntries = n + 1;
        }
        return list;
    }
};

} // namespace

IAddrBook* NewAddressBook() {
    return new AddrBook;
}

} // namespace testprovider
