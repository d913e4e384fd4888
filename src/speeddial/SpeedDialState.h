// What a speed-dial import keeps from reading the file to writing the records: the record
// table and the file's format. The session frees the table at the hand-back.
#pragma once

#include "speeddial/EwsFormat.h"
#include "speeddial/SpeedDialTable.h"

struct SpeedDialState {
    SpeedDialTable speedDialTable;
    EwsFormat format;
};
