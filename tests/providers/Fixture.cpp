#include "Fixture.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace testprovider {
namespace {

constexpr std::uint32_t kMailUser = 6;
constexpr std::uint32_t kDistList = 8;

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream stream(text);
    while (std::getline(stream, part, separator))
        parts.push_back(part);
    return parts;
}

void ReadEntryFields(const std::vector<std::string>& fields, FixtureEntry& entry) {
    for (std::size_t n = 2; n < fields.size(); ++n) {
        const std::string& field = fields[n];
        const std::size_t equals = field.find('=');
        const std::string key = field.substr(0, equals);
        const std::string value = equals == std::string::npos ? "" : field.substr(equals + 1);
        if (key == "unopenable")
            entry.unopenable = true;
        else if (key == "getprops-fails")
            entry.getPropsFails = true;
        else if (key == "fails-after")
            entry.failsAfterRows = std::atoi(value.c_str());
        else if (key == "members")
            entry.members = Split(value, ',');
        else if (key == "type")
            entry.type = static_cast<std::uint32_t>(std::strtoul(value.c_str(), nullptr, 0));
        else
            entry.properties[key] = value;
    }
}

DialogOutcome ReadDialogOutcome(const std::string& word) {
    if (word == "cancel")
        return DialogOutcome::Cancel;
    if (word == "cancel-with-list")
        return DialogOutcome::CancelWithList;
    if (word == "empty")
        return DialogOutcome::Empty;
    if (word == "none")
        return DialogOutcome::None;
    return DialogOutcome::Picked;
}

} // namespace

const FixtureEntry* Fixture::Find(const std::string& id) const {
    const auto found = entries.find(id);
    return found == entries.end() ? nullptr : &found->second;
}

Fixture ReadFixture(const std::string& path) {
    Fixture fixture;
    std::ifstream file(path, std::ios::binary);
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::vector<std::string> fields = Split(line, '\t');
        if (fields.size() < 2 || fields[0].empty() || fields[0][0] == '#')
            continue;
        const std::string& directive = fields[0];
        if (directive == "report") {
            fixture.reportPath = fields[1];
        } else if (directive == "contact" || directive == "list" || directive == "other") {
            FixtureEntry entry;
            entry.type = directive == "contact" ? kMailUser : directive == "list" ? kDistList : 0;
            ReadEntryFields(fields, entry);
            fixture.entries[fields[1]] = entry;
        } else if (directive == "pick") {
            fixture.picked = Split(fields[1], ',');
        } else if (directive == "dialog") {
            fixture.dialog = ReadDialogOutcome(fields[1]);
        } else if (directive == "wabopen") {
            fixture.wabOpenResult = std::strtol(fields[1].c_str(), nullptr, 0);
        } else if (directive == "logon") {
            fixture.refuseLogon = fields[1] == "refuse";
        } else if (directive == "openaddressbook") {
            fixture.openAddressBookWarning = fields[1] == "warning";
            fixture.openAddressBookFails = fields[1] == "fail";
        }
    }
    return fixture;
}

} // namespace testprovider
