#include "addressbook/AddressListImport.h"

#include "addressbook/EntryKey.h"
#include "addressbook/FaxScreening.h"
#include "addressbook/PropertyTags.h"
#include "addressbook/SeenDistLists.h"

namespace {

class AddressListImport {
  public:
    AddressListImport(AddressBook& book, SessionLists& lists, ImportStatistics& statistics)
        : book_(book), lists_(lists), statistics_(statistics), seen_(book) {}

    void Run(const PropertyRows& picked) {
        lists_.count = 0;
        for (std::size_t row = 0; row < picked.RowCount(); ++row)
            Examine(picked.Row(row), Level::Picked);
    }

  private:
    enum class Level { Picked, Member };

    void Examine(std::span<const PropValue> values, Level level) {
        const std::optional<EntryKey> key = FindEntryKey(values);
        if (!key) {
            // Nothing to open: counted as an entry that gave no fax account.
            CountExcluded();
            return;
        }
        switch (key->objectType) {
        case kMapiDistList:
            ExamineDistList(key->id, level);
            break;
        case kMapiMailUser:
            ExamineMailUser(key->id);
            break;
        default:
            CountExcluded();
            break;
        }
    }

    void ExamineDistList(EntryId id, Level level) {
        if (seen_.Full()) {
            CountExcluded();
            return;
        }
        // A list picked at the top level is expanded again; a member list only once.
        if (level == Level::Member && seen_.SameAsOneSeen(id))
            return;
        if (!seen_.Remember(id)) {
            CountExcluded();
            return;
        }
        ExpandDistList(id);
    }

    void ExamineMailUser(EntryId id) {
        ++statistics_.selectedCount;
        const std::unique_ptr<PropertyRows> values = GetFaxProperties(id);
        if (values && values->RowCount() > 0)
            ScreenFaxEntry(values->Row(0), lists_, statistics_);
        else
            ++statistics_.excludedCount;
    }

    // 1 when the member table was read to its end, 0 when the list could not be opened or read.
    int ExpandDistList(EntryId id) {
        const std::unique_ptr<OpenedEntry> list = book_.OpenEntry(id);
        // Only a distribution list has a member table.
        if (!list || list->ObjectType() != kMapiDistList)
            return 0;
        const std::unique_ptr<MemberTable> table = list->GetContentsTable();
        if (!table || !table->SetColumns(kMemberColumns) || !table->SeekToBeginning())
            return 0;
        for (;;) {
            std::unique_ptr<PropertyRows> rows;
            if (!table->QueryRows(1, rows))
                return 0;
            if (!rows || rows->RowCount() == 0)
                return 1;
            for (std::size_t row = 0; row < rows->RowCount(); ++row)
                Examine(rows->Row(row), Level::Member);
        }
    }

    std::unique_ptr<PropertyRows> GetFaxProperties(EntryId id) {
        const std::unique_ptr<OpenedEntry> entry = book_.OpenEntry(id);
        if (!entry)
            return nullptr;
        return entry->GetProps(kMailUserTags);
    }

    void CountExcluded() {
        ++statistics_.selectedCount;
        ++statistics_.excludedCount;
    }

    AddressBook& book_;
    SessionLists& lists_;
    ImportStatistics& statistics_;
    SeenDistLists seen_;
};

} // namespace

void ImportAddressList(AddressBook& book, const PropertyRows& picked, SessionLists& lists,
                       ImportStatistics& statistics) {
    AddressListImport import(book, lists, statistics);
    import.Run(picked);
}
