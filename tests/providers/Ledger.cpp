#include "Ledger.h"

#include <fstream>

#include <mapicode.h>

namespace testprovider {

Ledger& TheLedger() {
    static Ledger ledger;
    return ledger;
}

void LoadFixture(const std::string& path) {
    Ledger& ledger = TheLedger();
    ledger.fixture = ReadFixture(path);
    ledger.fixtureLoaded = true;
    Note("fixture", path);
}

const Fixture& TheFixture() {
    return TheLedger().fixture;
}

void Note(const std::string& key, const std::string& value) {
    TheLedger().notes[key] = value;
}

void Note(const std::string& key, unsigned long long value) {
    Note(key, std::to_string(value));
}

void NoteAppend(const std::string& key, const std::string& value) {
    std::string& note = TheLedger().notes[key];
    if (!note.empty())
        note += ",";
    note += value;
}

SCODE AllocateBuffer(ULONG size, void** buffer) {
    if (!buffer)
        return MAPI_E_INVALID_PARAMETER;
    *buffer = ::HeapAlloc(::GetProcessHeap(), HEAP_ZERO_MEMORY, size == 0 ? 1 : size);
    if (!*buffer)
        return MAPI_E_NOT_ENOUGH_MEMORY;
    Ledger& ledger = TheLedger();
    ledger.buffers.insert(*buffer);
    ++ledger.buffersAllocated;
    return S_OK;
}

ULONG FreeBuffer(void* buffer) {
    if (!buffer)
        return 0;
    Ledger& ledger = TheLedger();
    if (ledger.buffers.erase(buffer) == 0) {
        ++ledger.foreignFrees;
        return 0;
    }
    ::HeapFree(::GetProcessHeap(), 0, buffer);
    return 0;
}

void WriteReport(bool processEnding) {
    const Ledger& ledger = TheLedger();
    if (!ledger.fixtureLoaded || ledger.fixture.reportPath.empty())
        return;
    std::ofstream report(ledger.fixture.reportPath, std::ios::binary | std::ios::trunc);
    report << "unloaded=" << (processEnding ? "process" : "library") << "\n"
           << "objects_created=" << ledger.objectsCreated << "\n"
           << "objects_live=" << ledger.objectsLive << "\n"
           << "buffers_allocated=" << ledger.buffersAllocated << "\n"
           << "buffers_live=" << ledger.buffers.size() << "\n"
           << "foreign_frees=" << ledger.foreignFrees << "\n"
           << "caller_allocations=" << ledger.callerAllocations << "\n";
    for (const auto& [key, value] : ledger.notes)
        report << key << "=" << value << "\n";
}

} // namespace testprovider
