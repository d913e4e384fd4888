// The address book that a test provider serves, read from a small text file. One directive per
// line, fields separated by tabs, bytes taken as they are (Big5 names included):
//
//   report   <Windows path>                     where the provider writes its counts
//   contact  <id> [name=..] [primary=..] [business=..] [home=..] [unopenable] [getprops-fails]
//   list     <id> [name=..] [members=a,b,..] [unopenable] [fails-after=N]
//   other    <id> type=N                        an entry of another object type
//   pick     <id>,<id>,..                       what the address dialog returns, in order
//   dialog   cancel | cancel-with-list | empty | none
//   wabopen  <result code>                      WABOpen's result (objects are still handed over)
//   logon    refuse
//   openaddressbook  warning | fail
//
// A property that a contact line does not name is missing (PT_ERROR).
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace testprovider {

struct FixtureEntry {
    std::uint32_t type = 0;
    std::map<std::string, std::string> properties; // name, primary, business, home
    std::vector<std::string> members;
    bool unopenable = false;
    bool getPropsFails = false;
    std::optional<int> failsAfterRows;
};

enum class DialogOutcome { Picked, Cancel, CancelWithList, Empty, None };

struct Fixture {
    std::string reportPath;
    std::map<std::string, FixtureEntry> entries;
    std::vector<std::string> picked;
    DialogOutcome dialog = DialogOutcome::Picked;
    long wabOpenResult = 0;
    bool refuseLogon = false;
    bool openAddressBookWarning = false;
    bool openAddressBookFails = false;

    const FixtureEntry* Find(const std::string& id) const;
};

// An empty fixture when the file cannot be read.
Fixture ReadFixture(const std::string& path);

} // namespace testprovider
