// Recognising the header forms and finding the MFFAX and MFENCSTR columns.
#include "speeddial/ColumnSearch.h"
#include "speeddial/HeaderSignatures.h"
#include "speeddial/Numbers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The version the first matching form gives, or -1.
int FormVersion(std::string line) {
    LineFields header;
    header.Split(line.data());
    for (const HeaderSignature& signature : headerSignatures)
        if (MatchSignature(header, signature))
            return DigitValue(header.Field(2));
    return -1;
}

TEST(HeaderSignatures, EveryVersionWithItsHighestRevision) {
    EXPECT_EQ(FormVersion("*,1,0,2"), 0);
    EXPECT_EQ(FormVersion("*,1,1,2"), 1);
    EXPECT_EQ(FormVersion("*,1,2,3"), 2);
    EXPECT_EQ(FormVersion("*,1,3,9"), 3);
    EXPECT_EQ(FormVersion("*,1,5,77"), 5);
    EXPECT_EQ(FormVersion("*,1,6,x"), 6);
    EXPECT_EQ(FormVersion("*,1,6,2,further,fields"), 6);
}

TEST(HeaderSignatures, RevisionsAboveTheFormsHighestAreRefused) {
    EXPECT_EQ(FormVersion("*,1,0,3"), -1);
    EXPECT_EQ(FormVersion("*,1,1,3"), -1);
    EXPECT_EQ(FormVersion("*,1,2,4"), -1);
    EXPECT_EQ(FormVersion("*,1,1,99999999999"), -1); // no wrap-around into the range
}

TEST(HeaderSignatures, AnEmptyOrNonNumericRevisionCountsAsZero) {
    EXPECT_EQ(FormVersion("*,1,1,"), 1);
    EXPECT_EQ(FormVersion("*,1,0,3a"), 0);
    EXPECT_EQ(FormVersion("*,1,2, 3 "), 2);
}

TEST(HeaderSignatures, UnknownVersionsAndOtherFirstFieldsAreRefused) {
    EXPECT_EQ(FormVersion("*,1,4,0"), -1);
    EXPECT_EQ(FormVersion("*,1,7,0"), -1);
    EXPECT_EQ(FormVersion("*,2,1,0"), -1);
    EXPECT_EQ(FormVersion("#,1,1,0"), -1);
    EXPECT_EQ(FormVersion(" *,1,1,0"), -1);   // the first field is not trimmed
    EXPECT_EQ(FormVersion("\"*\",1,1,0"), 1); // a quoted asterisk is just an asterisk
    EXPECT_EQ(FormVersion("*, 1 ,  5"), 5);   // the others are
    EXPECT_EQ(FormVersion("*,1,01,0"), -1);
    EXPECT_EQ(FormVersion(""), -1);
}

TEST(HeaderSignatures, ByteOrderMarkOnlyWithAQuotedAsterisk) {
    EXPECT_EQ(FormVersion("\xEF\xBB\xBF\"*\",1,6,0"), 6);
    EXPECT_EQ(FormVersion("\xEF\xBB\xBF\"*\",1,1,2"), 1);
    EXPECT_EQ(FormVersion("\xEF\xBB\xBF*,1,6,0"), -1);
    EXPECT_EQ(FormVersion("\xEF\xBB\xBF\"*\" ,1,6,0"), -1);
}

TEST(HeaderSignatures, HeadersWithFewerFieldsThanAFormTestsFailThatForm) {
    EXPECT_EQ(FormVersion("*,1,0"), -1); // version 0 tests the revision
    EXPECT_EQ(FormVersion("*,1,2"), -1);
    EXPECT_EQ(FormVersion("*,1,3"), 3); // version 3 does not
    EXPECT_EQ(FormVersion("*,1"), -1);
    EXPECT_EQ(FormVersion("*"), -1);
}

TEST(HeaderSignatures, TheTestedFieldsAreTrimmedInPlace) {
    std::string line = "*, 1 , 2 , 3 ,x";
    LineFields header;
    header.Split(line.data());
    ASSERT_TRUE(MatchSignature(header, headerSignatures[2]));
    EXPECT_STREQ(header.Field(2), "2");
    EXPECT_STREQ(header.Field(3), "3");
}

TEST(FindFaxColumn, CountsTheCommasUpToTheTitle) {
    EXPECT_EQ(FindFaxColumn("NO,TYPE,NAME,MFFAX,MFSUB"), 3);
    EXPECT_EQ(FindFaxColumn("A,MFFAX,B,MFFAX,C"), 1);
    EXPECT_EQ(FindFaxColumn("\"A,B\",MFFAX,C"), 2); // commas inside quoted titles count
    EXPECT_EQ(FindFaxColumn(",MFFAX,"), 1);
}

TEST(FindFaxColumn, NeedsACommaOnEachSide) {
    EXPECT_EQ(FindFaxColumn("MFFAX,NAME"), -1);
    EXPECT_EQ(FindFaxColumn("NAME,MFFAX"), -1);
    EXPECT_EQ(FindFaxColumn("NO,\"MFFAX\",NAME"), -1);
    EXPECT_EQ(FindFaxColumn("NO,MFFAX2,NAME"), -1);
    EXPECT_EQ(FindFaxColumn("NO,mffax,NAME"), -1);
    EXPECT_EQ(FindFaxColumn(""), -1);
    EXPECT_EQ(FindFaxColumn(nullptr), -1);
}

TEST(FindEncodedColumn, TheFirstTitleCountsOnlyWhenItEndsThere) {
    EXPECT_EQ(FindEncodedColumn("NO,MFFAX,X,MFENCSTR"), 3);
    EXPECT_EQ(FindEncodedColumn("NO,MFFAX,MFENCSTR,X"), 2);
    EXPECT_EQ(FindEncodedColumn("NO,MFENCSTR2,MFENCSTR"), -1);
    EXPECT_EQ(FindEncodedColumn("MFENCSTR,NO"), -1);
    EXPECT_EQ(FindEncodedColumn("NO,\"MFENCSTR\""), -1);
    EXPECT_EQ(FindEncodedColumn("NO,MFENCST"), -1);
}

TEST(FindFaxColumn, AColumnBeyondEveryLineStaysFound) {
    std::string titles(5000, ',');
    titles += "MFFAX,";
    const int column = FindFaxColumn(titles.c_str());
    EXPECT_GT(column, 1024); // found, but no split line reaches it
}

} // namespace
