// The column selection dialog's decisions: toggles, captions, fields, title and OK.
#include "csv/CsvColumnChoice.h"
#include "text/FixedTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class CsvColumnChoiceTest : public ::testing::Test {
  protected:
    std::vector<std::string> texts{"No", " Name ", "Fax", "Company fax"};
    std::vector<char*> fields = Pointers(texts);

    static std::vector<char*> Pointers(std::vector<std::string>& from) {
        std::vector<char*> pointers;
        for (auto& text : from)
            pointers.push_back(text.data());
        return pointers;
    }
};

TEST_F(CsvColumnChoiceTest, OpensWithNothingAssignedAndThePathInTheTitle) {
    CsvColumnChoice choice("C:\\book.csv", fields);
    EXPECT_EQ(choice.Title(), std::string(texts::kCsvImportCaption) + " - C:\\book.csv");
    ASSERT_EQ(choice.FieldCount(), 4u);
    EXPECT_STREQ(choice.FieldText(1), " Name ");
    EXPECT_EQ(choice.NameColumn(), -1);
    EXPECT_EQ(choice.FaxColumn(), -1);
    EXPECT_STREQ(choice.NameButtonCaption(), texts::kAssignNameCaption);
    EXPECT_STREQ(choice.FaxButtonCaption(), texts::kAssignFaxCaption);
    EXPECT_STREQ(choice.NameFieldText(), "");
    EXPECT_STREQ(choice.FaxFieldText(), "");
}

TEST_F(CsvColumnChoiceTest, TogglesAssignTheSelectionAndReleaseWhateverIsSelected) {
    CsvColumnChoice choice("p", fields);
    choice.ToggleName(1);
    EXPECT_EQ(choice.NameColumn(), 1);
    EXPECT_STREQ(choice.NameFieldText(), " Name ");
    EXPECT_STREQ(choice.NameButtonCaption(), texts::kReleaseNameCaption);

    // Clicking again with another entry selected releases instead of moving.
    choice.ToggleName(3);
    EXPECT_EQ(choice.NameColumn(), -1);
    EXPECT_STREQ(choice.NameFieldText(), "");
    EXPECT_STREQ(choice.NameButtonCaption(), texts::kAssignNameCaption);

    choice.ToggleFax(2);
    EXPECT_EQ(choice.FaxColumn(), 2);
    EXPECT_STREQ(choice.FaxFieldText(), "Fax");
    EXPECT_STREQ(choice.FaxButtonCaption(), texts::kReleaseFaxCaption);
    choice.ToggleFax(0);
    EXPECT_EQ(choice.FaxColumn(), -1);
    EXPECT_STREQ(choice.FaxButtonCaption(), texts::kAssignFaxCaption);
}

TEST_F(CsvColumnChoiceTest, AssigningTheOtherRolesColumnReleasesTheOther) {
    CsvColumnChoice choice("p", fields);
    choice.ToggleName(2);
    choice.ToggleFax(2);
    EXPECT_EQ(choice.FaxColumn(), 2);
    EXPECT_EQ(choice.NameColumn(), -1);
    EXPECT_STREQ(choice.NameFieldText(), "");
    EXPECT_STREQ(choice.NameButtonCaption(), texts::kAssignNameCaption);

    choice.ToggleName(2);
    EXPECT_EQ(choice.NameColumn(), 2);
    EXPECT_EQ(choice.FaxColumn(), -1);
    EXPECT_STREQ(choice.FaxFieldText(), "");
    EXPECT_STREQ(choice.FaxButtonCaption(), texts::kAssignFaxCaption);
}

TEST_F(CsvColumnChoiceTest, OkNeedsAFaxColumnButNoName) {
    CsvColumnChoice choice("p", fields);
    EXPECT_STREQ(choice.RefusalOnOk(), texts::kFaxColumnRequired);
    choice.ToggleName(0);
    EXPECT_STREQ(choice.RefusalOnOk(), texts::kFaxColumnRequired);
    choice.ToggleName(0);
    choice.ToggleFax(3);
    EXPECT_EQ(choice.RefusalOnOk(), nullptr);
    EXPECT_EQ(choice.NameColumn(), -1);
}

TEST_F(CsvColumnChoiceTest, OneFieldCanBeTheFaxColumn) {
    CsvColumnChoice choice("p", std::span<char* const>(fields.data(), 1));
    choice.ToggleFax(0);
    EXPECT_EQ(choice.RefusalOnOk(), nullptr);
    EXPECT_EQ(choice.FaxColumn(), 0);
    EXPECT_EQ(choice.NameColumn(), -1);
}

TEST_F(CsvColumnChoiceTest, EmptyHeaderLeavesOnlyCancel) {
    CsvColumnChoice choice("p", {});
    EXPECT_EQ(choice.FieldCount(), 0u);
    choice.ToggleName(0);
    choice.ToggleFax(0);
    EXPECT_EQ(choice.NameColumn(), -1);
    EXPECT_EQ(choice.FaxColumn(), -1);
    EXPECT_STREQ(choice.FaxButtonCaption(), texts::kAssignFaxCaption);
    EXPECT_STREQ(choice.RefusalOnOk(), texts::kFaxColumnRequired);
}

TEST_F(CsvColumnChoiceTest, NoSelectionAssignsNothing) {
    CsvColumnChoice choice("p", fields);
    choice.ToggleName(-1);
    choice.ToggleFax(4);
    EXPECT_EQ(choice.NameColumn(), -1);
    EXPECT_EQ(choice.FaxColumn(), -1);
    EXPECT_STREQ(choice.NameButtonCaption(), texts::kAssignNameCaption);
}

} // namespace
