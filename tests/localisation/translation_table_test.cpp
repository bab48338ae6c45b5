#include "integration/translation_table.h"

#include "integration/system_helpers.h"
#include "support/test_env.h"

#include <QCoreApplication>
#include <QDir>
#include <gtest/gtest.h>

namespace {

AbTrans2 Load(const QByteArray& content) {
    AbTrans2 table;
    table.LoadFromBytes(content);
    return table;
}

TEST(TranslationFile, EntriesAreStoredAtTheNextHeader) {
    const AbTrans2 t = Load("[0]\r\nEnglish\r\n[1]\r\nGlimmora\r\n[46]\r\nChoose your mail program "
                            "here.\r\nThen click on a picture.\r\n[END]\r\n");
    EXPECT_EQ(t.text(0), QByteArray("English"));
    EXPECT_EQ(t.text(1), QByteArray("Glimmora"));
    EXPECT_EQ(t.text(46), QByteArray("Choose your mail program here.\rThen click on a picture."));
    EXPECT_EQ(t.firstText(), QByteArray("English"));
    EXPECT_EQ(t.text(2), QByteArray());

    // Without the final header the last entry is lost.
    const AbTrans2 open = Load("[0]\nEnglish\n[5]\nlast");
    EXPECT_EQ(open.text(0), QByteArray("English"));
    EXPECT_EQ(open.text(5), QByteArray());
}

TEST(TranslationFile, OnlyWellFormedHeadersCount) {
    const AbTrans2 t = Load("[3]\n[end]\n[-1]\n[x]\n[]\n[ 7 ]\n[+7]\n[007]\nseven\n[END]\n");
    EXPECT_EQ(t.text(3), QByteArray("[end]\r[-1]\r[x]\r[]\r[ 7 ]\r[+7]"));
    EXPECT_EQ(t.text(7), QByteArray("seven"));
}

TEST(TranslationFile, LinesJoinWithCrAndLaterEntriesWin) {
    const AbTrans2 t = Load("[2]\na\n\nb\n[4]\n\n[6]\n[2]\nsecond\n[END]\n");
    EXPECT_EQ(t.text(2), QByteArray("second"));
    EXPECT_EQ(t.text(4), QByteArray());
    EXPECT_EQ(t.text(6), QByteArray());
    const AbTrans2 three = Load("[9]\na\n\nb\n[END]\n");
    EXPECT_EQ(three.text(9), QByteArray("a\r\rb"));
    const AbTrans2 spaces = Load("[1]\n  padded  \n[END]\n");
    EXPECT_EQ(spaces.text(1), QByteArray("  padded  "));
}

TEST(TranslationFile, TextBeforeTheFirstHeaderIsEntryZeroAndFirstText) {
    const AbTrans2 t = Load("Preface\n[0]\nEnglish\n[END]\n");
    EXPECT_EQ(t.text(0), QByteArray("English"));
    EXPECT_EQ(t.firstText(), QByteArray("Preface"));
    const AbTrans2 bom = Load("\xEF\xBB\xBF[0]\nDeutsch\n[END]\n");
    EXPECT_EQ(bom.text(0), QByteArray("Deutsch"));
}

TEST(TranslationFile, SlotTenThousandAndBeyond) {
    const AbTrans2 t = Load("[1]\none\n[END]\nafter end\n[2]\ntwo\n[END]\n");
    EXPECT_EQ(t.text(10000), QByteArray("after end"));
    EXPECT_EQ(t.text(2), QByteArray("two"));
    EXPECT_EQ(t.text(10001), QByteArray());
    EXPECT_EQ(t.text(-1), QByteArray());
    EXPECT_EQ(Load("[1]\none\n[END]\ntail\n").text(10000), QByteArray());
}

TEST(TranslationFile, HeaderAboveTheTableIsDroppedWithItsEntry) {
    const AbTrans2 t = Load("[1]\none\n[10001]\nlost\nlines\n[2]\ntwo\n"
                            "[99999999999999999999999]\ngone\n[3]\nthree\n[END]\n");
    EXPECT_EQ(t.text(1), QByteArray("one"));
    EXPECT_EQ(t.text(2), QByteArray("two"));
    EXPECT_EQ(t.text(3), QByteArray("three"));
    EXPECT_EQ(t.text(10000), QByteArray());
    const AbTrans2 first = Load("[20000]\nnot first\n[0]\nEnglish\n[END]\n");
    EXPECT_EQ(first.firstText(), QByteArray("English"));
}

TEST(TranslationFile, AnEndlessTextIsCutWithoutSplittingACharacter) {
    // Ten megabytes in one line: shown in a label, the whole of it froze the windows.
    const qsizetype limit = AbTrans2::kLongestText;
    const QByteArray endless(10'000'000, 'x');
    const QByteArray nearlyFull = QByteArray(limit - 1, 'a') + "\xC3\xA4"; // "ä" across the cut
    const AbTrans2 t = Load("[2]\r\n" + endless + "\r\nsecond line\r\n[3]\r\n" + nearlyFull +
                            "\r\n[4]\r\nnext\r\n[END]\r\n");
    EXPECT_EQ(t.text(2), endless.left(limit));
    EXPECT_EQ(t.text(3), QByteArray(limit - 1, 'a'));
    EXPECT_EQ(t.text(4), QByteArray("next"));

    TempHome env;
    WriteFile(env.programDir() + "Glimmora.t00", endless + "\r\n" + endless + "\r\n[END]\r\n");
    EXPECT_EQ(GetLanguageName(0), QString(limit, u'x'));
}

TEST(TranslationTable, LoadsTheActiveFileFromTheDataFolderFirst) {
    TempHome env;
    CreateTranslationTable("Glimmora");
    EXPECT_EQ(GetText(0), QString());
    EXPECT_EQ(GetFirstText(), QString());

    WriteFile(env.programDir() + "Glimmora.def", "[0]\nShipped\n[END]\n");
    CreateTranslationTable("Glimmora");
    EXPECT_EQ(GetText(0), QString("Shipped"));
    WriteFile(env.userData() + "glimmora.def", "[0]\nFran\xE7"
                                               "ais\n[1]\nTitre \xE2\x82\xAC\n[END]\n");
    CreateTranslationTable("Glimmora");
    EXPECT_EQ(GetText(0), QString::fromUtf8("Français")); // not UTF-8: Windows-1252
    EXPECT_EQ(GetTextBytes(0), QByteArray("Fran\xE7"
                                          "ais"));
    EXPECT_EQ(GetText(1), QString::fromUtf8("Titre €"));
    EXPECT_EQ(GetFirstText(), QString::fromUtf8("Français"));
    EXPECT_EQ(GetText(10001), QString());
}

TEST(TranslationTable, UnreadableFileFailsWithAnEmptyCurrentTable) {
    TempHome env;
    WriteFile(env.userData() + "Glimmora.def", "[0]\nEnglish\n[END]\n");
    CreateTranslationTable("Glimmora");
    ASSERT_EQ(GetText(0), QString("English"));
    QFile::remove(env.userData() + "Glimmora.def");
    QDir().mkpath(env.userData() + "Glimmora.def"); // exists, cannot be read as a file
    EXPECT_THROW(CreateTranslationTable("Glimmora"), IoError);
    EXPECT_EQ(GetText(0), QString());
}

TEST(Languages, CountedWithoutRegardToGapsAndNamedByTheSecondLine) {
    TempHome env;
    EXPECT_EQ(CountLanguages(), 0);
    WriteFile(env.programDir() + "Glimmora.t00", "[0]\r\nEnglish\r\n[END]\r\n");
    WriteFile(env.userData() + "glimmora.T01", "[0]\r\nDeutsch\r\n[END]\r\n");
    WriteFile(env.programDir() + "Glimmora.t03", "[0]\r\nEspa\xF1ol\r\n[END]\r\n");
    WriteFile(env.programDir() + "Glimmora.t010", "[0]\n");
    WriteFile(env.programDir() + "Glimmora.t01", "[0]\r\nshipped German\r\n");
    EXPECT_EQ(CountLanguages(), 4);
    EXPECT_EQ(GetLanguageName(0), QString("English"));
    EXPECT_EQ(GetLanguageName(1), QString("Deutsch"));
    EXPECT_EQ(GetLanguageName(2), QString());
    EXPECT_EQ(GetLanguageName(3), QString::fromUtf8("Español"));
    EXPECT_EQ(GetLanguageName(10), QString()); // a file of one line
    EXPECT_EQ(GetLanguageName(-1), QString());
}

TEST(DecodeBytes, Utf8ElseWindows1252) {
    EXPECT_EQ(DecodeBytes("plain"), QString("plain"));
    EXPECT_EQ(DecodeBytes("\xC3\xBC"), QString::fromUtf8("ü"));
    EXPECT_EQ(DecodeBytes("\x80 \x9F \xFC"), QString::fromUtf8("€ Ÿ ü"));
    EXPECT_EQ(DecodeBytes(QByteArray()), QString());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
