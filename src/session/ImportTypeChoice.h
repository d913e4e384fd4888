// The decisions of the import-type chooser: which entries it offers, which check box shows,
// and what OK gives.
#pragma once

#include <vector>

struct ImportTypeEntry {
    const char* text;
    int importType;
};

struct ImportTypeAvailability {
    int optionFlags = 0;
    bool mapiProfile = false; // the "MAPIX" value of the "Mail" profile section is 1
    bool wabLibrary = false;  // the address-book library can be loaded
};

std::vector<ImportTypeEntry> ImportTypeEntries(const ImportTypeAvailability& availability);

class ImportTypeChoice {
  public:
    // The state of a freshly initialised dialog: nothing chosen, "search columns" clear,
    // "default WAB file" set.
    void Select(int importType) { chosenType_ = importType; }
    int ChosenType() const { return chosenType_; }

    bool ShowsColumnSearchBox() const;
    bool ShowsDefaultWabBox() const;

    // The import type that OK gives with the two check marks as they are.
    int Result(bool searchColumns, bool defaultWabFile) const;

  private:
    int chosenType_ = 0;
};
