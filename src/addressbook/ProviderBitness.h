// A provider of the other bitness: a 64-bit program cannot load a 32-bit library, nor the other
// way round. Which bitness the registry records for the mail program, and what the user is told.
#pragma once

#include <string>
#include <vector>

// The bitness of this build, and the one it cannot load.
inline constexpr int kProgramBits = static_cast<int>(sizeof(void*) * 8);
inline constexpr int kOtherBits = kProgramBits == 64 ? 32 : 64;

// The other bitness when the recorded values ("x86", "x64") name it and none names this build's,
// else 0.
int OtherRecordedBitness(const std::vector<std::string>& recordedValues,
                         int programBits = kProgramBits);

// Tells that `library` has the other bitness and which build of the importer to use.
std::string BitnessMismatchMessage(const std::string& library, int libraryBits = kOtherBits);
