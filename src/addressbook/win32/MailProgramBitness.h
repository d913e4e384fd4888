// What the office suite recorded about the bitness of its mail program.
#pragma once

#include <string>
#include <vector>

// The values found ("x86", "x64"), read in the 64-bit and in the 32-bit registry view: a suite
// of the other bitness records them in the view of its own.
std::vector<std::string> RecordedMailProgramBitness();
