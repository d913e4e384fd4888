// What the confirmation dialog shows, decided from the session's lists and statistics.
#pragma once

#include "session/SessionLists.h"

#include <string>
#include <vector>

struct ConfirmationView {
    std::string heading;
    std::string selected;
    std::string excluded;
    std::string valid;
    std::string limitNote; // empty when no note applies
    const char* excludedLabel;
    std::vector<std::string> lines; // "name\tfax"
};

ConfirmationView BuildConfirmationView(const SessionLists& lists,
                                       const ImportStatistics& statistics, int importType);

// What Cancel does to the selection.
void CancelSelection(SessionLists& lists);
