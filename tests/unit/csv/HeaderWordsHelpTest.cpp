// The CSV help topic lists the header words of the program's own table: this test writes the
// list into the topic (with CSV_HELP_RECORD=1) and fails while the topic differs from the table.
#include "csv/CsvHeaderWords.h"

#include <unicode/ucnv.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

const std::string kTopicPath = std::string(IMPORTER_HELP_DIR) + "/html/id_help_csvinfo.htm";
const std::string kBegin = "<!-- header words: written by the unit test HeaderWordsHelp from the "
                           "program's table -->\n";
const std::string kEnd = "<!-- end of header words -->";

std::string Utf8(std::string_view big5) {
    UErrorCode status = U_ZERO_ERROR;
    std::string utf8(big5.size() * 3 + 1, '\0');
    const int32_t length =
        ucnv_convert("UTF-8", "windows-950", utf8.data(), static_cast<int32_t>(utf8.size()),
                     big5.data(), static_cast<int32_t>(big5.size()), &status);
    EXPECT_TRUE(U_SUCCESS(status));
    utf8.resize(static_cast<std::size_t>(length));
    return utf8;
}

const char* RoleText(HeaderRole role) {
    switch (role) {
    case HeaderRole::WholeName:
        return "整個名稱";
    case HeaderRole::GivenName:
        return "名字";
    case HeaderRole::MiddleName:
        return "中間名";
    case HeaderRole::FamilyName:
        return "姓氏";
    case HeaderRole::Company:
        return "公司";
    case HeaderRole::Fax:
        return "傳真號碼(標題中含有)";
    case HeaderRole::PhoneType:
        return "網路通訊錄的電話類型";
    case HeaderRole::PhoneLabel:
        return "網路通訊錄的電話標籤";
    case HeaderRole::PhoneValue:
        return "網路通訊錄的電話號碼";
    }
    return "";
}

// One row per role, its words in the table's order; "#" reads as N.
std::string TableHtml() {
    std::ostringstream html;
    html << "<table>\n<tr><th>欄位內容</th><th>標題</th></tr>\n";
    for (int role = 0; role <= static_cast<int>(HeaderRole::PhoneValue); ++role) {
        html << "<tr><td>" << RoleText(static_cast<HeaderRole>(role)) << "</td><td>";
        const char* between = "";
        for (const HeaderWord& word : HeaderWords()) {
            if (word.role != static_cast<HeaderRole>(role))
                continue;
            std::string text = Utf8(word.word);
            if (const std::size_t number = text.find('#'); number != std::string::npos)
                text[number] = 'N';
            html << between << "「" << text << "」";
            between = "、";
        }
        html << "</td></tr>\n";
    }
    html << "</table>\n";
    return html.str();
}

TEST(HeaderWordsHelp, TopicListsTheProgramsTable) {
    std::ifstream in(kTopicPath, std::ios::binary);
    std::string topic{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::size_t begin = topic.find(kBegin);
    const std::size_t end = topic.find(kEnd);
    ASSERT_NE(begin, std::string::npos) << kTopicPath;
    ASSERT_NE(end, std::string::npos) << kTopicPath;
    const std::size_t start = begin + kBegin.size();
    const std::string expected = TableHtml();
    if (std::getenv("CSV_HELP_RECORD")) {
        topic.replace(start, end - start, expected);
        std::ofstream(kTopicPath, std::ios::binary) << topic;
        return;
    }
    EXPECT_EQ(topic.substr(start, end - start), expected)
        << "run this test with CSV_HELP_RECORD=1 to write the table into the topic";
}

} // namespace
