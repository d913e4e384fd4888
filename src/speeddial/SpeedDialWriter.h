// Writing the picked speed-dial records into the exchange file: each picked record gets its
// relay, confidential-fax and F-code members from its texts, its settled transmit type and,
// if the user keeps them, its speed-dial number as memo data.
#pragma once

#include "session/ExchangeFile.h"
#include "session/SessionLists.h"
#include "speeddial/SpeedDialTable.h"

#include <cstdint>

// The memo question, which is asked of the user through the host window.
class SpeedDialMemoQuestion {
  public:
    virtual ~SpeedDialMemoQuestion() = default;

    // Whether the host window has, at this moment, a child window with the identifier 1008.
    virtual bool HostHasLimitChild() = 0;
    // "是否要將短縮號碼匯入為傳真電話簿中的備忘資料？" (texts::kMemoQuestion), caption
    // texts::kSpeedDialImportCaption, Yes and No, question icon, owned by the host window;
    // true for Yes.
    virtual bool AskKeepNumbersAsMemo() = 0;
};

// The transmit type of a picked record from what the file marked and whether its relay
// (`relayValid`) and confidential (`confidentialValid`) settings hold.
char SettleTransmitType(int32_t ewsFormatVersion, char marked, bool relayValid,
                        bool confidentialValid);

// Appends one 236-byte record per entry of `pickedRecords` (the first `count`), in pick order,
// after the count the caller has written. The question is asked once, before the first record,
// and only for format version 2 and later when the host has no child 1008; only Yes keeps the
// speed-dial numbers. False, with nothing appended, when an entry names no record of the table.
bool WriteSpeedDialRecords(const SessionLists& lists, ExchangeFileBuffer& file,
                           SpeedDialTable& table, int32_t ewsFormatVersion,
                           SpeedDialMemoQuestion& memo);
