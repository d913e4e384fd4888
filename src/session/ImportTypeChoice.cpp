#include "session/ImportTypeChoice.h"

#include "session/SessionLists.h"
#include "text/FixedTexts.h"

std::vector<ImportTypeEntry> ImportTypeEntries(const ImportTypeAvailability& availability) {
    std::vector<ImportTypeEntry> entries;
    const bool addressBooks = !SingleRecipientRestriction(availability.optionFlags);
    if (addressBooks && availability.mapiProfile)
        entries.push_back({texts::kMapiEntry, kImportMapi});
    if (addressBooks && availability.wabLibrary)
        entries.push_back({texts::kWabEntry, kImportWabChosenFile});
    entries.push_back({texts::kCsvEntry, kImportCsvChosenColumns});
    entries.push_back({texts::kSpeedDialEntry, kImportSpeedDial});
    return entries;
}

bool ImportTypeChoice::ShowsColumnSearchBox() const {
    return chosenType_ == kImportCsvChosenColumns;
}

bool ImportTypeChoice::ShowsDefaultWabBox() const {
    return chosenType_ == kImportWabChosenFile;
}

int ImportTypeChoice::Result(bool searchColumns, bool defaultWabFile) const {
    if (chosenType_ == kImportCsvChosenColumns && searchColumns)
        return kImportCsvFoundColumns;
    if (chosenType_ == kImportWabChosenFile && defaultWabFile)
        return kImportWabDefaultFile;
    return chosenType_;
}
