#include "ExchangeDump.h"

#include "TestHost.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <thread>

namespace e2e {
namespace {

constexpr DWORD kToolTimeoutMs = 30000;

class OwnedHandle {
  public:
    OwnedHandle() = default;
    ~OwnedHandle() { Close(); }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    HANDLE* Out() { return &handle_; }
    HANDLE Get() const { return handle_; }
    void Close() {
        if (handle_)
            ::CloseHandle(handle_);
        handle_ = nullptr;
    }

  private:
    HANDLE handle_ = nullptr;
};

// A pipe whose write end the tool inherits.
struct OutputPipe {
    OwnedHandle read;
    OwnedHandle write;
    bool Open() {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        return ::CreatePipe(read.Out(), write.Out(), &inherit, 0) &&
               ::SetHandleInformation(read.Get(), HANDLE_FLAG_INHERIT, 0);
    }
};

std::string ReadToEnd(HANDLE pipe) {
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(pipe, buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    return bytes;
}

std::string Quoted(const std::string& argument) {
    return "\"" + argument + "\"";
}

} // namespace

ToolRun RunExchangeDump(const std::vector<std::string>& arguments) {
    ToolRun run;
    OutputPipe output;
    OutputPipe errors;
    if (!output.Open() || !errors.Open()) {
        ADD_FAILURE() << "no pipes for exchange-dump";
        return run;
    }
    std::string commandLine = Quoted(ToWindowsPath(EXCHANGE_DUMP_EXE));
    for (const std::string& argument : arguments)
        commandLine += " " + Quoted(argument);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = output.write.Get();
    startup.hStdError = errors.write.Get();
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                          nullptr, nullptr, &startup, &info)) {
        ADD_FAILURE() << "cannot start " << commandLine;
        return run;
    }
    OwnedHandle process;
    *process.Out() = info.hProcess;
    ::CloseHandle(info.hThread);
    // Only the tool holds the write ends now: the reads end when it does.
    output.write.Close();
    errors.write.Close();
    std::thread errorReader([&] { run.errors = ReadToEnd(errors.read.Get()); });
    run.output = ReadToEnd(output.read.Get());
    errorReader.join();
    if (::WaitForSingleObject(process.Get(), kToolTimeoutMs) != WAIT_OBJECT_0) {
        ::TerminateProcess(process.Get(), 1);
        ADD_FAILURE() << "exchange-dump did not end";
    }
    ::GetExitCodeProcess(process.Get(), &run.exitCode);
    return run;
}

void ExpectDump(const std::string& resultPath, const std::string& kind, const std::string& text,
                const std::vector<DumpedRecord>& records) {
    const ToolRun plain = RunExchangeDump({resultPath});
    EXPECT_EQ(plain.exitCode, 0u) << plain.errors;
    EXPECT_EQ(plain.output, text);

    const ToolRun json = RunExchangeDump({"--json", resultPath});
    ASSERT_EQ(json.exitCode, 0u) << json.errors;
    const auto document = nlohmann::json::parse(json.output, nullptr, false);
    ASSERT_FALSE(document.is_discarded()) << "not JSON:\n" << json.output;
    EXPECT_EQ(document.value("kind", ""), kind);
    EXPECT_EQ(document.value("count", -1), static_cast<int>(records.size()));
    const auto& dumped = document.at("records");
    ASSERT_TRUE(dumped.is_array());
    ASSERT_EQ(dumped.size(), records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        SCOPED_TRACE("record " + std::to_string(i + 1));
        EXPECT_EQ(dumped[i].size(), records[i].size()) << dumped[i].dump();
        for (const auto& [member, value] : records[i]) {
            ASSERT_TRUE(dumped[i].contains(member)) << member;
            EXPECT_EQ(dumped[i][member], value) << member;
        }
    }
}

void ExpectOtherKindRefused(const std::string& resultPath, const std::string& otherKind) {
    const ToolRun forced = RunExchangeDump({"--kind", otherKind, resultPath});
    EXPECT_EQ(forced.exitCode, 1u);
    EXPECT_TRUE(forced.output.empty()) << forced.output;
    EXPECT_NE(forced.errors.find("not an exchange file"), std::string::npos) << forced.errors;
}

} // namespace e2e
