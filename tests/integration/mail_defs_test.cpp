#include "integration/mail_defs.h"

#include "support/test_env.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

class MailDefsTest : public ::testing::Test {
protected:
    void TearDown() override { SetChosenMailDefIndexSource({}); }

    // Writes a definition file and loads it.
    void Load(const QByteArray& content) {
        const QString path = home.userData() + "glimmora.maildef.ini";
        WriteFile(path, content);
        LoadMailDefs(path);
    }

    QList<QByteArray> Names() const {
        QList<QByteArray> names;
        for (const auto& def : MailDefList())
            names.append(def->Name);
        return names;
    }

    TempHome home;
};

MailDef Named(const QByteArray& name) {
    MailDef def;
    def.Name = name;
    return def;
}

TEST_F(MailDefsTest, FileWithOnlyTheHeaderSectionGivesEmptyListAndItsValues) {
    Load("[Glimmora]\r\nmaildef_version=17\r\nvalid_for_Version_1=1\r\n");
    EXPECT_TRUE(MailDefList().empty());
    EXPECT_EQ(MailDefVersion(), "17");
    EXPECT_TRUE(MailDefValid());

    // Missing keys read as their defaults.
    Load("[Glimmora]\r\n[0]\r\nname=Mail\r\n");
    EXPECT_EQ(MailDefVersion(), "0");
    EXPECT_FALSE(MailDefValid());
    EXPECT_EQ(Names(), QList<QByteArray>{"Mail"});
}

TEST_F(MailDefsTest, MissingFileEmptiesListButKeepsVersionAndFlag) {
    Load("[Glimmora]\r\nmaildef_version=5\r\nvalid_for_Version_1=1\r\n[0]\r\nname=A\r\n");
    ASSERT_EQ(MailDefList().size(), 1u);
    LoadMailDefs(home.userData() + "missing.ini");
    EXPECT_TRUE(MailDefList().empty());
    EXPECT_EQ(MailDefVersion(), "5");
    EXPECT_TRUE(MailDefValid());
}

TEST_F(MailDefsTest, ReadsAllFieldsAndDecodesBothKeySequences) {
    Load("[Glimmora]\r\nvalid_for_Version_1=1\r\n"
         "[4]\r\nname=Mail\r\nlanguage=de\r\nwindowclass=MozillaWindowClass\r\n"
         "insert=|STRG|v|ESTRG|\r\ntohtmlkeys=|ALT|o|EALT|h\r\n");
    ASSERT_EQ(MailDefList().size(), 1u);
    const MailDef& def = *MailDefList()[0];
    EXPECT_EQ(def.Name, "Mail");
    EXPECT_EQ(def.Language, "de");
    EXPECT_EQ(def.WindowClass, "MozillaWindowClass");
    EXPECT_EQ(def.InsertKeys, QByteArray("\xFCv\xFD"));
    EXPECT_EQ(def.ToHtmlKeys, QByteArray("\xFEo\xFFh"));
}

TEST_F(MailDefsTest, AppIdsAreSplitAtBlanksAndFallBackToTheWindowClass) {
    Load("[0]\r\nname=A\r\nwindowclass=Mail\r\nappid= org.x.Mail \t mail \r\n"
         "[1]\r\nname=B\r\nwindowclass=Writer\r\n[2]\r\nname=C\r\nwindowclass=\r\n");
    ASSERT_EQ(MailDefList().size(), 3u);
    EXPECT_EQ(MailDefList()[0]->AppIds, (QList<QByteArray>{"org.x.Mail", "mail"}));
    EXPECT_EQ(MailDefList()[1]->AppIds, (QList<QByteArray>{"Writer"}));
    EXPECT_TRUE(MailDefList()[2]->AppIds.isEmpty());
}

TEST_F(MailDefsTest, ListIsSortedByNameNotBySectionNumber) {
    Load("[3]\r\nname=beta\r\n[0]\r\nname=Alpha\r\n");
    EXPECT_EQ(Names(), (QList<QByteArray>{"Alpha", "beta"}));

    // Byte-wise unsigned: capitals before small letters, bytes above 127 after all ASCII.
    Load("[0]\r\nname=alpha\r\n[1]\r\nname=\xC4rger\r\n[2]\r\nname=Zeta\r\n[3]\r\nname=Zet\r\n");
    EXPECT_EQ(Names(), (QList<QByteArray>{"Zet", "Zeta", "alpha", "\xC4rger"}));
}

TEST_F(MailDefsTest, CompareNamesIsByteWiseUnsigned) {
    EXPECT_EQ(CompareMailDefNames(Named("Zeta"), Named("alpha")), -1);
    EXPECT_EQ(CompareMailDefNames(Named("alpha"), Named("Zeta")), 1);
    EXPECT_EQ(CompareMailDefNames(Named("Mail"), Named("Mail")), 0);
    EXPECT_EQ(CompareMailDefNames(Named("Mail"), Named("Mailer")), -1);
    EXPECT_EQ(CompareMailDefNames(Named("\xE4"), Named("z")), 1);
}

TEST_F(MailDefsTest, OnlySectionsZeroToFiveHundredWithoutLeadingZerosAreRead) {
    Load("[007]\r\nname=LeadingZero\r\n[501]\r\nname=TooHigh\r\n[word]\r\nname=Word\r\n"
         "[-1]\r\nname=Negative\r\n[500]\r\nname=Last\r\n[7]\r\nname=Seven\r\n"
         "[1]\r\nlanguage=en\r\n[2]\r\nname=\r\nwindowclass=X\r\n");
    EXPECT_EQ(Names(), (QList<QByteArray>{"Last", "Seven"}));

    // Sections are found wherever the profile reader finds them: blanks inside the brackets,
    // brackets in values, a header after a long run of other lines.
    Load("[Glimmora]\r\nnote=[1] is kept\r\n  [ 8 ]  \r\nname=Spaced\r\n" + QByteArray(5000, ';') +
         "\r\n[1]\r\nname=One\r\n");
    EXPECT_EQ(Names(), (QList<QByteArray>{"One", "Spaced"}));
}

TEST_F(MailDefsTest, QuotedKeyValueIsUnquotedBeforeDecoding) {
    Load("[0]\r\nname=  Mail  \r\ninsert=\"|STRG|v|ESTRG|\"\r\ntohtmlkeys=\" |TAB| \"\r\n");
    ASSERT_EQ(MailDefList().size(), 1u);
    EXPECT_EQ(MailDefList()[0]->Name, "Mail");
    EXPECT_EQ(MailDefList()[0]->InsertKeys, QByteArray("\xFCv\xFD"));
    EXPECT_EQ(MailDefList()[0]->ToHtmlKeys, QByteArray(" \t "));
}

TEST_F(MailDefsTest, SectionAndKeyNamesIgnoreCase) {
    Load("[GLIMMORA]\r\nVALID_FOR_VERSION_1=1\r\n[0]\r\nNAME=Mail\r\nInsert=x\r\n");
    EXPECT_TRUE(MailDefValid());
    ASSERT_EQ(MailDefList().size(), 1u);
    EXPECT_EQ(MailDefList()[0]->InsertKeys, "x");
}

TEST(DecodeKeyTokens, ReplacesTheFiveTokensOnly) {
    EXPECT_EQ(DecodeKeyTokens("|STRG|v|ESTRG|"), QByteArray("\xFC\x76\xFD"));
    EXPECT_EQ(DecodeKeyTokens("|ALT||EALT||TAB|"), QByteArray("\xFE\xFF\x09"));
    // Case matters: lower-case forms are typed as characters.
    EXPECT_EQ(DecodeKeyTokens("|strg|v"), "|strg|v");
    // A special-key byte given raw passes through unchanged (228 is F1).
    EXPECT_EQ(DecodeKeyTokens("a\xE4z"), QByteArray("a\xE4z"));
    // Incomplete tokens and bytes around tokens stay as they are.
    EXPECT_EQ(DecodeKeyTokens("|STRG"), "|STRG");
    EXPECT_EQ(DecodeKeyTokens("x|TAB||TAB|y"), QByteArray("x\t\ty"));
    EXPECT_EQ(DecodeKeyTokens(""), "");
}

TEST(ParseProfileFlag, AcceptsDecimalAndBothHexForms) {
    EXPECT_TRUE(ParseProfileFlag("1", false));
    EXPECT_TRUE(ParseProfileFlag("-3", false));
    EXPECT_TRUE(ParseProfileFlag("+2", false));
    EXPECT_FALSE(ParseProfileFlag("0", true));
    EXPECT_TRUE(ParseProfileFlag("0x1", false));
    EXPECT_TRUE(ParseProfileFlag("0X1f", false));
    EXPECT_TRUE(ParseProfileFlag("$10", false));
    EXPECT_FALSE(ParseProfileFlag("$0", true));
    EXPECT_TRUE(ParseProfileFlag("0xFFFFFFFF", false)); // -1 as 32 bits
}

TEST(ParseProfileFlag, NonNumbersReadAsTheDefault) {
    for (const char* text : {"yes", "", "1a", "0x", "$", "-", "0xG", "2147483648", "0x100000000",
                             "99999999999999999999"}) {
        EXPECT_FALSE(ParseProfileFlag(text, false)) << text;
        EXPECT_TRUE(ParseProfileFlag(text, true)) << text;
    }
    EXPECT_TRUE(ParseProfileFlag("-2147483648", false));
}

TEST_F(MailDefsTest, FlagInFileReadsHexAsTrueAndWordsAsFalse) {
    Load("[Glimmora]\r\nvalid_for_Version_1=0x1\r\n");
    EXPECT_TRUE(MailDefValid());
    Load("[Glimmora]\r\nvalid_for_Version_1=yes\r\n");
    EXPECT_FALSE(MailDefValid());
    // A file made only for another generation of the format is not valid for this program.
    Load("[Glimmora]\r\nvalid_for_Version_2=1\r\n");
    EXPECT_FALSE(MailDefValid());
}

TEST_F(MailDefsTest, ChosenDefinitionFollowsTheSourceAndRejectsBadPositions) {
    Load("[0]\r\nname=B\r\n[1]\r\nname=A\r\n");
    EXPECT_EQ(ChosenMailDefIndex(), -1);
    EXPECT_THROW(GetChosenMailDef(), std::out_of_range);

    int position = 1;
    SetChosenMailDefIndexSource([&position] { return position; });
    EXPECT_EQ(GetChosenMailDef().Name, "B");
    position = 0; // read at every call
    EXPECT_EQ(GetChosenMailDef().Name, "A");
    for (int bad : {-1, 2, 100}) {
        position = bad;
        EXPECT_THROW(GetChosenMailDef(), std::out_of_range) << bad;
    }

    // A new list shifts what a position means; an empty list has no valid position.
    position = 0;
    LoadMailDefs(home.userData() + "missing.ini");
    EXPECT_THROW(GetChosenMailDef(), std::out_of_range);
}

} // namespace
