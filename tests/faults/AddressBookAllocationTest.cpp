// Every allocation of an address-book session fails in turn, over a scripted address book: the
// provider is always logged off or released with nothing of it left open, the user reads that
// memory ran out while the address book was read (naming the file, "預設WAB檔案" or "MAPI"),
// that the result could not be written, or that nothing was imported; the host is always told,
// and the result file is the old one or the whole new one.
#include "AllocationFaults.h"
#include "CsvTestSupport.h"
#include "FaultSession.h"
#include "SessionChecks.h"
#include "addressbook/AddressListImport.h"
#include "addressbook/FakeAddressBook.h"
#include "session/ImportSession.h"
#include "session/SourceFailures.h"
#include "text/FixedTexts.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using faults::AllocationsPaused;
using Texts = std::vector<std::string>;

constexpr char kOldResult[] = "the result of an earlier import";
constexpr char kChosenBook[] = "C:\\books\\office.wab";

// The scripted book with its own bookkeeping outside the countdown, as a provider's memory is
// not the program's; the wrappers around its objects are the program's, as the adapters of the
// real providers are.
class UncountedTable : public MemberTable {
  public:
    explicit UncountedTable(std::unique_ptr<MemberTable> table) : table_(std::move(table)) {}
    bool SetColumns(std::span<const std::uint32_t> tags) override {
        AllocationsPaused paused;
        return table_->SetColumns(tags);
    }
    bool SeekToBeginning() override { return table_->SeekToBeginning(); }
    bool QueryRows(int count, std::unique_ptr<PropertyRows>& rows) override {
        AllocationsPaused paused;
        return table_->QueryRows(count, rows);
    }

  private:
    std::unique_ptr<MemberTable> table_;
};

class UncountedEntry : public OpenedEntry {
  public:
    explicit UncountedEntry(std::unique_ptr<OpenedEntry> entry) : entry_(std::move(entry)) {}
    std::uint32_t ObjectType() const override { return entry_->ObjectType(); }
    std::unique_ptr<PropertyRows> GetProps(std::span<const std::uint32_t> tags) override {
        AllocationsPaused paused;
        return entry_->GetProps(tags);
    }
    std::unique_ptr<MemberTable> GetContentsTable() override {
        std::unique_ptr<MemberTable> table;
        {
            AllocationsPaused paused;
            table = entry_->GetContentsTable();
        }
        return table ? std::make_unique<UncountedTable>(std::move(table)) : nullptr;
    }

  private:
    std::unique_ptr<OpenedEntry> entry_;
};

class UncountedBook : public AddressBook {
  public:
    explicit UncountedBook(fake::AddressBook& book) : book_(book) {}
    std::unique_ptr<OpenedEntry> OpenEntry(EntryId id) override {
        std::unique_ptr<OpenedEntry> entry;
        {
            AllocationsPaused paused;
            entry = book_.OpenEntry(id);
        }
        return entry ? std::make_unique<UncountedEntry>(std::move(entry)) : nullptr;
    }
    std::optional<bool> CompareEntryIds(EntryId first, EntryId second) override {
        AllocationsPaused paused;
        return book_.CompareEntryIds(first, second);
    }
    void* AllocateBuffer(std::size_t size) override {
        AllocationsPaused paused;
        return book_.AllocateBuffer(size);
    }
    void FreeBuffer(void* buffer) override { book_.FreeBuffer(buffer); }

  private:
    fake::AddressBook& book_;
};

// Both providers over the scripted book; the file sources import nothing.
class AddressBookSources : public ImportSources {
  public:
    AddressBookSources() {
        AllocationsPaused paused;
        book.MailUser("amy", "Amy", "02 1111", "02 2222");
        book.MailUser("ben", "Ben", std::nullopt, "03-3333");
        book.DistList("pair", {"ben", "amy"});
        book.DistList("all", {"pair", "amy", "all"});
    }

    fake::AddressBook book;
    Texts calls;

    bool StartMapi() override { return Call("StartMapi"); }
    void StopMapi() override { Call("StopMapi"); }
    WabOpening OpenWab(const std::string&) override {
        return Call("OpenWab") ? WabOpening::Opened : WabOpening::Failed;
    }
    void ReleaseWab() override { Call("ReleaseWab"); }
    void PickAndImportAddresses(SessionLists& lists, ImportStatistics& statistics) override {
        std::unique_ptr<fake::Rows> picked;
        {
            AllocationsPaused paused;
            picked = book.Picked({"amy", "all"});
        }
        UncountedBook uncounted(book);
        ImportAddressList(uncounted, *picked, lists, statistics);
    }
    int ReadCsvFile(const std::string&, SessionLists&, int32_t&, int, int) override { return 0; }
    int ImportSpeedDialFile(const std::string&, SessionLists&, int32_t&, int) override { return 0; }
    bool WriteSpeedDialRecords(SessionLists&, ExchangeFileBuffer&) override { return false; }
    void FreeSpeedDialTable() override {}

  private:
    bool Call(const char* name) {
        AllocationsPaused paused;
        calls.emplace_back(name);
        return true;
    }
};

struct AddressBookCase {
    int importType;
    std::string shownSource; // in the out-of-memory message
    const char* caption;
    const char* open;
    const char* release;
};

void PrintTo(const AddressBookCase& c, std::ostream* out) {
    *out << "import type " << c.importType;
}

class AddressBookAllocationTest : public ::testing::TestWithParam<AddressBookCase> {};

TEST_P(AddressBookAllocationTest, TheProviderIsReleasedTheUserToldAndTheHostHandedBack) {
    const AddressBookCase& c = GetParam();
    TemporaryFolder folder;
    const std::string resultPath = folder.PathOf("result.bin");
    const std::string arguments = ImportArguments(resultPath, c.importType);

    std::string clean;
    {
        WritingDesktop desktop;
        desktop.chosenPath = kChosenBook;
        AddressBookSources sources;
        RunImportSession(arguments, kProgramPath, desktop, sources);
        clean = FileContents(resultPath);
        ASSERT_EQ(clean.size(), 4u + 3 * 62); // Amy twice, Ben once
    }
    // What the user may read when the result is not the new one.
    const std::vector<Texts> expected = {
        {Message(FormatText(texts::kOutOfMemoryForFile, c.shownSource), c.caption,
                 MessageIcon::Error),
         NothingImportedMessages().front()},
        ResultNotWrittenMessages(resultPath),
        NothingImportedMessages(),
    };

    std::vector<std::size_t> shown(expected.size(), 0);
    const std::size_t allocations = faults::FailEachAllocationInTurn([&](std::size_t failAt) {
        folder.Write("result.bin", kOldResult);
        WritingDesktop desktop;
        desktop.chosenPath = kChosenBook;
        AddressBookSources sources;
        bool failed = false;
        {
            faults::AllocationCountdown countdown(failAt);
            EXPECT_NO_THROW(RunImportSession(arguments, kProgramPath, desktop, sources));
            failed = countdown.Injected();
        }
        SCOPED_TRACE("allocation " + std::to_string(failAt));
        EXPECT_EQ(desktop.postedCommands, std::vector<int>{kRecipientsCommand});
        EXPECT_TRUE(desktop.hostEnabled);
        EXPECT_EQ(sources.book.liveObjects, 0);
        EXPECT_EQ(sources.book.liveRowSets, 0);
        EXPECT_EQ(sources.book.LiveBuffers(), 0u);
        EXPECT_EQ(sources.book.foreignFrees, 0);
        // Once opened, always closed again.
        if (std::count(sources.calls.begin(), sources.calls.end(), c.open) > 0) {
            EXPECT_EQ(sources.calls, (Texts{c.open, c.release}));
        }
        const std::string result = FileContents(resultPath);
        if (result == clean) {
            EXPECT_TRUE(desktop.messages.empty());
        } else {
            EXPECT_EQ(result, kOldResult);
            const auto at = std::find(expected.begin(), expected.end(), Shown(desktop));
            EXPECT_NE(at, expected.end()) << ::testing::PrintToString(Shown(desktop));
            if (at != expected.end())
                ++shown[static_cast<std::size_t>(at - expected.begin())];
        }
        return failed;
    });
    EXPECT_GT(allocations, 20u);
    EXPECT_GT(shown[0], 10u); // the extraction's own allocations
    EXPECT_GT(shown[1], 0u);  // the records
    std::printf("type %d: %zu allocations failed in turn; out of memory %zu, not written %zu, "
                "nothing imported %zu\n",
                c.importType, allocations, shown[0], shown[1], shown[2]);
}

INSTANTIATE_TEST_SUITE_P(
    EveryProvider, AddressBookAllocationTest,
    ::testing::Values(AddressBookCase{kImportMapi, texts::kMapiSourceName, texts::kImportCaption,
                                      "StartMapi", "StopMapi"},
                      AddressBookCase{kImportWabChosenFile, kChosenBook, texts::kWabErrorCaption,
                                      "OpenWab", "ReleaseWab"},
                      AddressBookCase{kImportWabDefaultFile, texts::kDefaultWabFile,
                                      texts::kWabErrorCaption, "OpenWab", "ReleaseWab"}),
    [](const ::testing::TestParamInfo<AddressBookCase>& info) {
        return "Type" + std::to_string(info.param.importType);
    });

} // namespace
