// The two dialogs of the CSV import as the reader sees them. The Windows build shows the real
// dialogs (templates 114 and 102), modal and without a parent; the unit tests script them.
#pragma once

#include "csv/CsvColumnChoice.h"
#include "csv/CsvRecipientPicker.h"

class CsvDialogs {
  public:
    virtual ~CsvDialogs() = default;

    // The column selection dialog. It lists choice.FieldText(k) for every field, selects entry
    // 0, shows choice.Title(), the button captions and the two fields; buttons 1053 and 1054
    // call ToggleName and ToggleFax with the list's current selection and refresh what they
    // show. OK closes only when RefusalOnOk() is null, else shows that warning. True for OK.
    virtual bool ChooseColumns(CsvColumnChoice& choice) = 0;

    // The recipient picker. It fills the source list from SourceText (redraw off, the progress
    // notice shown meanwhile), selects entry 0, shows Title(), and forwards the search field's
    // changes to FindTypedName, Add and double-clicks to AddPicks, Delete (button and key) to
    // DeletePicked, mirroring each change in its lists and showing any message returned. Help
    // shows kCsvHelpTopic. True for OK; the reader then confirms or cancels the picker.
    virtual bool PickRecipients(CsvRecipientPicker& picker) = 0;
};
