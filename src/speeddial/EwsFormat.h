// The format of the EWS-CSV file being read, as its header gives it.
#pragma once

#include <cstdint>

struct EwsFormat {
    int32_t ewsFormatVersion = -1;  // 0, 1, 2, 3, 5 or 6 once a header form matched
    int32_t ewsFormatRevision = -1; // the header's fourth field, for versions above 0
};
