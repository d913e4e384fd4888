// Where the address-book library is: the registry's word, or the bare file name.
#pragma once

#include <string>

// 1 when the address-book library was found and loads, else 0. Leaves its path (or file name)
// in WabLibraryPath(), which is empty when none was usable.
int FindWabLibrary();
const std::string& WabLibraryPath();
// The library FindWabLibrary found but could not load because it has the other bitness, or empty.
const std::string& OtherBitnessWabLibrary();
