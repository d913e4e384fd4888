#include "addressbook/win32/MailProgramBitness.h"

#include "platform/Win32Handles.h"

#include <windows.h>

namespace {

struct RecordedValue {
    const char* key;
    const char* name;
};

// The mail program's own key of each suite version, and the click-to-run installation's.
constexpr RecordedValue kRecords[] = {
    {"Software\\Microsoft\\Office\\16.0\\Outlook", "Bitness"},
    {"Software\\Microsoft\\Office\\15.0\\Outlook", "Bitness"},
    {"Software\\Microsoft\\Office\\14.0\\Outlook", "Bitness"},
    {"Software\\Microsoft\\Office\\ClickToRun\\Configuration", "Platform"},
    {"Software\\Microsoft\\Office\\15.0\\ClickToRun\\Configuration", "Platform"},
};

bool ReadString(REGSAM view, const RecordedValue& record, std::string& value) {
    platform::RegistryKey key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, record.key, 0, KEY_QUERY_VALUE | view,
                        key.receiver()) != ERROR_SUCCESS)
        return false;
    char text[16] = {};
    DWORD type = REG_NONE;
    DWORD size = sizeof text - 1;
    if (::RegQueryValueExA(key.get(), record.name, nullptr, &type, reinterpret_cast<BYTE*>(text),
                           &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return false;
    value = text;
    return true;
}

} // namespace

std::vector<std::string> RecordedMailProgramBitness() {
    std::vector<std::string> values;
    for (const REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY})
        for (const RecordedValue& record : kRecords)
            if (std::string value; ReadString(view, record, value))
                values.push_back(value);
    return values;
}
