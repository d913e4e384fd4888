// The speed-dial picker as the reader sees it. The Windows build shows the real dialog
// (template 118), modal; the unit tests script it.
#pragma once

#include "speeddial/SpeedDialPicker.h"

class SpeedDialDialogs {
  public:
    virtual ~SpeedDialDialogs() = default;

    // The recipient picker. It fills the source list from SourceText/SourceRecord in the
    // picker's order and selects entry 0, limits the number field to kTypedNumberLimit
    // characters, shows Title(), and forwards the number field's changes to FindTypedNumber,
    // Add and double-clicks to AddPicks, Delete (button and key) to DeletePicked and View
    // details to ShowDetails (running the detail dialog, template 119, with what it returns),
    // acting as the SpeedDialPickerView meanwhile. Help shows kSpeedDialHelpTopic. True for OK;
    // the reader then confirms or cancels the picker.
    virtual bool PickRecipients(SpeedDialPicker& picker) = 0;
};
