#include "session/ImportSession.h"

#include "platform/MemoryShortage.h"
#include "session/CommandLine.h"
#include "session/ExchangeFile.h"
#include "session/SourceFailures.h"
#include "text/FixedTexts.h"

namespace {

class ImportSession {
  public:
    ImportSession(Desktop& desktop, ImportSources& sources)
        : desktop_(desktop), sources_(sources) {}

    void Run(std::string_view arguments, std::string_view programPath) {
        DetectHost();
        try {
            // Memory that the session's own steps cannot have (the command line, the chooser,
            // the file chooser, the confirmation's view, a message's text) ends the import;
            // the sources and the result file say so in their own words.
            if (!CompletedWithMemory([&] { RunSteps(arguments, programPath); }))
                WarnNothingImported();
        } catch (...) {
            HandBack(); // the host gets its window back whatever went wrong
            throw;
        }
        HandBack();
    }

  private:
    void RunSteps(std::string_view arguments, std::string_view programPath) {
        commandLine_ = ParseCommandLine(arguments, programPath);
        desktop_.SetHelpFilePath(commandLine_.helpFilePath);
        importType_ = commandLine_.importType;
        if (importType_ == kNoImportType)
            importType_ = desktop_.ChooseImportType(commandLine_.optionFlags);
        if (Dispatch())
            CheckAndWrite();
    }

    void DetectHost() {
        host_ = desktop_.ForegroundWindow();
        if (!host_)
            return;
        lists_.limit = desktop_.HasLimitChild(host_) ? kHostRecipientLimit : 0;
        desktop_.EnableHost(host_, false);
    }

    // False for an import type that runs nothing (a cancelled chooser, an unknown type).
    bool Dispatch() {
        switch (importType_) {
        case kImportMapi:
            ImportFromMapi();
            return true;
        case kImportWabChosenFile:
        case kImportWabDefaultFile:
            ImportFromWab();
            return true;
        case kImportCsvChosenColumns:
        case kImportCsvFoundColumns:
        case kImportSpeedDial:
            ImportFromFile();
            return true;
        default:
            return false;
        }
    }

    // The provider is logged off and released before anything is said, also when memory ran
    // out while it was read.
    void ImportFromMapi() {
        const bool completed = CompletedWithMemory([&] {
            if (sources_.StartMapi())
                sources_.PickAndImportAddresses(lists_, statistics_);
        });
        sources_.StopMapi();
        if (!completed)
            SourceOutOfMemory(texts::kMapiSourceName, texts::kImportCaption);
    }

    void ImportFromWab() {
        std::string sourcePath;
        if (importType_ == kImportWabChosenFile &&
            !desktop_.ChooseSourceFile(importType_, sourcePath))
            return;
        WabOpening opening = WabOpening::Failed;
        const bool completed = CompletedWithMemory([&] {
            opening = sources_.OpenWab(sourcePath);
            if (opening == WabOpening::Opened)
                sources_.PickAndImportAddresses(lists_, statistics_);
        });
        sources_.ReleaseWab();
        const std::string shownPath =
            importType_ == kImportWabChosenFile ? sourcePath : texts::kDefaultWabFile;
        if (!completed)
            SourceOutOfMemory(shownPath, texts::kWabErrorCaption);
        else if (opening == WabOpening::Failed)
            Error(FormatText(texts::kWabOpenFailed, shownPath), texts::kWabErrorCaption);
    }

    // What was picked before memory ran out is not imported.
    void SourceOutOfMemory(const std::string& shownSource, const char* caption) {
        lists_.count = 0;
        lists_.recipients.Clear();
        statistics_ = {};
        Error(FormatText(texts::kOutOfMemoryForFile, shownSource), caption);
    }

    void ImportFromFile() {
        std::string sourcePath;
        if (!desktop_.ChooseSourceFile(importType_, sourcePath))
            return;
        int32_t excluded = 0;
        const int result = importType_ == kImportSpeedDial
                               ? sources_.ImportSpeedDialFile(sourcePath, lists_, excluded,
                                                              commandLine_.optionFlags)
                               : sources_.ReadCsvFile(sourcePath, lists_, excluded, importType_,
                                                      commandLine_.optionFlags);
        if (IsSourceFailure(result)) {
            Error(SourceFailureMessage(result, sourcePath), texts::kCsvErrorCaption);
            return;
        }
        statistics_.selectedCount = result;
        statistics_.validCount = result;
        statistics_.excludedCount = excluded;
    }

    void CheckAndWrite() {
        if (statistics_.selectedCount == 0) {
            Warn(texts::kNoAccountsImported);
            return;
        }
        if (lists_.count == 0) {
            Warn(texts::kNoFaxNumberInAnyAccount);
            return;
        }
        if (!desktop_.ConfirmImport(lists_, statistics_, importType_) ||
            commandLine_.resultPath.empty()) {
            Warn(texts::kNoAccountsImported);
            return;
        }
        WriteResultFile();
    }

    void WriteResultFile() {
        bool written = false;
        // No memory for the records: nothing is written, which the user is told.
        CompletedWithMemory([&] {
            ExchangeFileBuffer file;
            bool built = true;
            if (importType_ == kImportSpeedDial) {
                file.AppendInt32(lists_.count);
                built = sources_.WriteSpeedDialRecords(lists_, file);
            } else {
                AppendRecipientRecords(lists_, file);
            }
            written = built && desktop_.WriteResultFile(commandLine_.resultPath, file);
        });
        if (!written)
            Error(FormatText(texts::kCannotWriteResult, commandLine_.resultPath),
                  texts::kImportCaption);
    }

    void HandBack() {
        sources_.FreeSpeedDialTable();
        if (!host_)
            return;
        desktop_.EnableHost(host_, true);
        desktop_.BringToForeground(host_);
        desktop_.PostCommand(host_, importType_ == kImportSpeedDial ? kSpeedDialCommand
                                                                    : kRecipientsCommand);
        host_ = nullptr;
    }

    // The last word when memory ran out: a text short enough to need no memory of its own.
    void WarnNothingImported() {
        CompletedWithMemory([&] { Warn(texts::kNoAccountsImported); });
    }

    void Warn(const char* text) {
        desktop_.ShowMessage(host_, text, texts::kImportCaption, MessageIcon::Warning);
    }
    void Error(const std::string& text, const char* caption) {
        desktop_.ShowMessage(host_, text, caption, MessageIcon::Error);
    }

    Desktop& desktop_;
    ImportSources& sources_;
    HostWindow host_ = nullptr;
    CommandLine commandLine_;
    int importType_ = kNoImportType;
    SessionLists lists_;
    ImportStatistics statistics_;
};

} // namespace

void RunImportSession(std::string_view arguments, std::string_view programPath, Desktop& desktop,
                      ImportSources& sources) {
    ImportSession session(desktop, sources);
    session.Run(arguments, programPath);
}
