// What a test provider counts and records: its live objects and buffers, buffers given back that
// it never handed out, and the details of the calls it received. Written to the fixture's report
// file when the library is unloaded, as "key=value" lines.
#pragma once

#include "Fixture.h"

#include <windows.h>

#include <map>
#include <set>
#include <string>

namespace testprovider {

struct Ledger {
    Fixture fixture;
    bool fixtureLoaded = false;
    int objectsCreated = 0;
    int objectsLive = 0;
    int buffersAllocated = 0;
    int foreignFrees = 0;
    int callerAllocations = 0; // buffers the importer asked for itself
    std::set<void*> buffers;
    std::map<std::string, std::string> notes;
};

Ledger& TheLedger();
void LoadFixture(const std::string& path);
const Fixture& TheFixture();

void Note(const std::string& key, const std::string& value);
void Note(const std::string& key, unsigned long long value);
// Appends to a comma-separated note.
void NoteAppend(const std::string& key, const std::string& value);

// The provider's allocator; zero-filled buffers.
SCODE AllocateBuffer(ULONG size, void** buffer);
ULONG FreeBuffer(void* buffer);

// `processEnding`: unloaded because the process ends, not by FreeLibrary.
void WriteReport(bool processEnding);

} // namespace testprovider
