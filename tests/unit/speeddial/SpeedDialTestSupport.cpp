#include "SpeedDialTestSupport.h"

#include <gtest/gtest.h>
#include <unicode/ucnv.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

std::string Hex(const char* bytes, std::size_t size) {
    std::ostringstream out;
    for (std::size_t i = 0; i < size; ++i) {
        char buffer[4];
        std::snprintf(buffer, sizeof buffer, "%02X", static_cast<unsigned char>(bytes[i]));
        out << (i ? " " : "") << buffer;
    }
    return out.str();
}

struct MemberSpan {
    const char* name;
    std::size_t offset;
    std::size_t size;
};

#define MEMBER(member)                                                                             \
    { #member, offsetof(SpeedDialRecord, member), sizeof(SpeedDialRecord::member) }
const MemberSpan kMembers[] = {
    MEMBER(name),
    MEMBER(faxNumber),
    MEMBER(reserved62),
    MEMBER(commMode),
    MEMBER(transmitType),
    MEMBER(confidentialBox),
    MEMBER(confidentialPassword),
    MEMBER(reserved78),
    MEMBER(relayStation),
    MEMBER(relayOption),
    MEMBER(relayTargetCount),
    MEMBER(relayTargets),
    MEMBER(reserved148),
    MEMBER(speedDialNumber),
    MEMBER(fcodeSubaddress),
    MEMBER(fcodePassword),
    MEMBER(reserved234),
};
#undef MEMBER

template <std::size_t N> void SetText(char (&member)[N], std::string_view text) {
    ASSERT_LT(text.size(), N) << "the expected text does not fit its member";
    CopyToMember(member, text);
}

} // namespace

TemporaryFile::TemporaryFile(std::string_view bytes) {
    static std::atomic<int> serial{0};
    path_ = ::testing::TempDir() + "speeddial-" + std::to_string(::getpid()) + "-" +
            std::to_string(serial++) + ".csv";
    std::ofstream file(path_, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TemporaryFile::~TemporaryFile() {
    std::remove(path_.c_str());
}

std::string Big5(std::string_view utf8) {
    UErrorCode status = U_ZERO_ERROR;
    std::string big5(utf8.size() * 2 + 1, '\0');
    const int32_t length =
        ucnv_convert("windows-950", "UTF-8", big5.data(), static_cast<int32_t>(big5.size()),
                     utf8.data(), static_cast<int32_t>(utf8.size()), &status);
    EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
    big5.resize(static_cast<std::size_t>(length));
    return big5;
}

std::string Base64(std::string_view text) {
    static constexpr char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (std::size_t at = 0; at < text.size(); at += 3) {
        const std::size_t take = std::min<std::size_t>(3, text.size() - at);
        uint32_t bits = 0;
        for (std::size_t i = 0; i < 3; ++i)
            bits = bits << 8 | (i < take ? static_cast<unsigned char>(text[at + i]) : 0u);
        out += kAlphabet[bits >> 18 & 63];
        out += kAlphabet[bits >> 12 & 63];
        out += take > 1 ? kAlphabet[bits >> 6 & 63] : '=';
        out += take > 2 ? kAlphabet[bits & 63] : '=';
    }
    return out;
}

std::string Masked(std::string_view text) {
    std::string out = Base64(text);
    for (char& byte : out) {
        if (byte >= 'a' && byte <= 'z')
            byte = static_cast<char>('a' + (byte - 'a' + 13) % 26);
        else if (byte >= 'A' && byte <= 'Z')
            byte = static_cast<char>('A' + (byte - 'A' + 13) % 26);
    }
    return out;
}

RecordBuilder::RecordBuilder() : record_(recordTemplate) {}
RecordBuilder& RecordBuilder::Name(std::string_view text) {
    SetText(record_.name, text);
    return *this;
}
RecordBuilder& RecordBuilder::FaxNumber(std::string_view text) {
    SetText(record_.faxNumber, text);
    return *this;
}
RecordBuilder& RecordBuilder::CommMode(int32_t mode) {
    record_.commMode = mode;
    return *this;
}
RecordBuilder& RecordBuilder::TransmitType(char type) {
    record_.transmitType = type;
    return *this;
}
RecordBuilder& RecordBuilder::Box(std::string_view text) {
    SetText(record_.confidentialBox, text);
    return *this;
}
RecordBuilder& RecordBuilder::Password(std::string_view text) {
    SetText(record_.confidentialPassword, text);
    return *this;
}
RecordBuilder& RecordBuilder::Station(std::string_view text) {
    SetText(record_.relayStation, text);
    return *this;
}
RecordBuilder& RecordBuilder::Option(char option) {
    record_.relayOption = option;
    return *this;
}
RecordBuilder& RecordBuilder::Targets(std::initializer_list<std::string_view> codes) {
    std::memset(record_.relayTargets, 0, sizeof record_.relayTargets);
    std::size_t slot = 0;
    for (const std::string_view code : codes) {
        EXPECT_EQ(code.size(), kRelayTargetCodeSize) << code;
        std::memcpy(record_.relayTargets[slot++], code.data(),
                    std::min(code.size(), kRelayTargetCodeSize));
    }
    record_.relayTargetCount = static_cast<int32_t>(slot);
    return *this;
}
RecordBuilder& RecordBuilder::SpeedDialNumber(int32_t number) {
    record_.speedDialNumber = number;
    return *this;
}
RecordBuilder& RecordBuilder::Subaddress(std::string_view text) {
    SetText(record_.fcodeSubaddress, text);
    return *this;
}
RecordBuilder& RecordBuilder::FCodePassword(std::string_view text) {
    SetText(record_.fcodePassword, text);
    return *this;
}

void ExpectSameRecord(const SpeedDialRecord& actual, const SpeedDialRecord& expected,
                      const std::string& context) {
    const auto* a = reinterpret_cast<const char*>(&actual);
    const auto* e = reinterpret_cast<const char*>(&expected);
    for (const MemberSpan& member : kMembers)
        EXPECT_EQ(Hex(a + member.offset, member.size), Hex(e + member.offset, member.size))
            << context << ": member " << member.name;
    EXPECT_EQ(std::memcmp(a, e, sizeof(SpeedDialRecord)), 0) << context;
}

ListEntries EntriesAt(const SessionLists& lists, std::size_t record) {
    const auto at = [record](const StringList& list) {
        return record < list.Size() ? list.At(record) : std::string("<absent>");
    };
    return {at(lists.pickedRecords), at(lists.confidentialTexts), at(lists.relayTexts),
            at(lists.fcodeTexts), at(lists.modeTexts)};
}

void PrintTo(const ListEntries& entries, std::ostream* out) {
    *out << "{number \"" << entries.speedDialNumber << "\", confidential \"" << entries.confidential
         << "\", relay \"" << entries.relay << "\", fcode \"" << entries.fcode << "\", mode \""
         << entries.mode << "\"}";
}

bool ScriptedSpeedDialDialogs::PickRecipients(SpeedDialPicker& picker) {
    ++runs;
    title = picker.Title();
    sourceTexts.clear();
    sourceRecords.clear();
    for (int position = 0; position < picker.SourceCount(); ++position) {
        sourceTexts.push_back(picker.SourceText(position));
        sourceRecords.push_back(picker.SourceRecord(position));
    }
    return script(picker);
}

std::function<bool(SpeedDialPicker&)> PickEveryEntry() {
    return [](SpeedDialPicker& picker) {
        RecordingPickerView view;
        for (int position = 0; position < picker.SourceCount(); ++position) {
            const int selected[] = {position};
            picker.AddPicks(selected, view);
        }
        EXPECT_TRUE(view.warnings.empty());
        return true;
    };
}

std::function<bool(SpeedDialPicker&)> PickRecords(std::vector<int> records) {
    return [records](SpeedDialPicker& picker) {
        RecordingPickerView view;
        for (const int record : records) {
            for (int position = 0; position < picker.SourceCount(); ++position) {
                if (picker.SourceRecord(position) != record)
                    continue;
                const int selected[] = {position};
                picker.AddPicks(selected, view);
            }
        }
        return true;
    };
}

bool RecordingPickerView::AskReplace(const std::string& question) {
    questions.push_back(question);
    if (answers.empty())
        return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void RecordingPickerView::RemovePicked(int position) {
    ASSERT_GE(position, 0);
    ASSERT_LT(static_cast<std::size_t>(position), listTexts.size());
    listTexts.erase(listTexts.begin() + position);
    listRecords.erase(listRecords.begin() + position);
}

bool RecordingPickerView::AppendPicked(const std::string& text, int record) {
    if (listRoom == 0)
        return false;
    if (listRoom > 0)
        --listRoom;
    listTexts.push_back(text);
    listRecords.push_back(record);
    return true;
}
