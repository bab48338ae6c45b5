// The shipped language and help files: every language carries every text the program reads, in
// the file format the loader expects, and the addresses it holds lead somewhere.
#include "integration/system_helpers.h"
#include "integration/translation_table.h"
#include "support/test_env.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// Every number that some part of the program reads from the translation table.
QList<int> NumbersTheProgramReads() {
    QList<int> numbers = {0, 1, 2, 3, 4, 6, 8, 10, 11, 12, 14, 15, 16, 17, 18, 25, 26, 35, 37};
    for (int n = 28; n <= 33; ++n)
        numbers << n;
    for (int n = 39; n <= 51; ++n)
        numbers << n;
    for (int n = 57; n <= 89; ++n) {
        if (n != 83 && n != 87) // never read
            numbers << n;
    }
    for (int n = 200; n <= 204; ++n) // notices about the program's own files
        numbers << n;
    for (int n = 210; n <= 212; ++n) // why a definition update failed
        numbers << n;
    for (int n = 275; n <= 285; ++n) // the search and the recently used pictures
        numbers << n;
    numbers << 300; // why an insertion typed nothing, or stopped typing
    for (int n = 310; n <= 313; ++n)
        numbers << n;
    return numbers;
}

const int kLanguages = 4;

QString Shipped() {
    return SourceDir() + "shipped/";
}

QString LanguageFile(int language) {
    return Shipped() + "Glimmora.t0" + QString::number(language);
}

QList<QByteArray> Lines(const QByteArray& content) {
    QList<QByteArray> lines = content.split('\n');
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

TEST(ShippedLanguageFiles, EveryLanguageHoldsEveryTextTheProgramReads) {
    for (int language = 0; language < kLanguages; ++language) {
        SCOPED_TRACE(LanguageFile(language).toStdString());
        AbTrans2 table;
        table.LoadFromFile(LanguageFile(language));
        for (int number : NumbersTheProgramReads())
            EXPECT_FALSE(table.text(number).trimmed().isEmpty()) << "text " << number;
        // Texts after the last header would be lost; nothing may stand there.
        EXPECT_TRUE(table.text(10000).isEmpty());
    }
}

TEST(ShippedLanguageFiles, FollowTheFileLayout) {
    for (int language = 0; language < kLanguages; ++language) {
        SCOPED_TRACE(LanguageFile(language).toStdString());
        const QByteArray content = ReadFile(LanguageFile(language));
        ASSERT_FALSE(content.isEmpty());
        // UTF-8 throughout, so that accented names and texts show as written.
        EXPECT_EQ(QString::fromUtf8(content).toUtf8(), content);
        const QList<QByteArray> lines =
            Lines(content.endsWith("\r\n") ? content.chopped(2) : content);
        ASSERT_GE(lines.size(), 3);
        EXPECT_EQ(lines.first(), QByteArray("[0]"));
        EXPECT_EQ(lines.last(), QByteArray("[END]"));
        // CR LF throughout, like every text file of the program.
        EXPECT_EQ(content.count("\r\n"), content.count('\n'));

        AbTrans2 table;
        table.LoadFromFile(LanguageFile(language));
        EXPECT_EQ(table.text(0), lines.at(1)) << "the language's name is the second line";
        EXPECT_EQ(table.firstText(), lines.at(1));
    }
}

TEST(ShippedLanguageFiles, NamesAreDistinctAndTheMemosHaveSeveralLines) {
    QSet<QByteArray> names;
    for (int language = 0; language < kLanguages; ++language) {
        AbTrans2 table;
        table.LoadFromFile(LanguageFile(language));
        names.insert(table.text(0).toUpper());
        for (int memo : {46, 60, 61})
            EXPECT_GE(table.text(memo).count('\r'), 2)
                << "language " << language << " text " << memo;
        // Titles, menu items, headers and self-wrapping captions are given as one line.
        for (int caption :
             {1, 2, 6, 11, 12, 26, 28, 29, 31, 32, 33, 35, 37, 43, 69, 70, 71, 72, 73, 74, 80, 81})
            EXPECT_FALSE(table.text(caption).contains('\r'))
                << "language " << language << " text " << caption;
    }
    EXPECT_EQ(names.size(), kLanguages);
}

TEST(ShippedLanguageFiles, AddressesLeadSomewhere) {
    for (int language = 0; language < kLanguages; ++language) {
        SCOPED_TRACE(LanguageFile(language).toStdString());
        AbTrans2 table;
        table.LoadFromFile(LanguageFile(language));

        const QUrl homepage(QString::fromUtf8(table.text(3)));
        EXPECT_TRUE(homepage.isValid());
        EXPECT_EQ(homepage.scheme(), QStringLiteral("https"));
        EXPECT_TRUE(table.text(4).contains('@'));
        EXPECT_FALSE(table.text(4).contains(' '));

        // The picture-sources and survey pages ship with the program, named relative to its folder.
        for (int page : {25, 89}) {
            const QString relative = QString::fromUtf8(table.text(page));
            EXPECT_TRUE(QDir::isRelativePath(relative)) << relative.toStdString();
            EXPECT_TRUE(QFileInfo::exists(Shipped() + relative)) << relative.toStdString();
        }
        // The survey window closes on any address containing "close": its own must not.
        EXPECT_FALSE(table.text(89).toUpper().contains("CLOSE"));
        EXPECT_FALSE(table.text(89).toUpper().contains("CLEARALL"));
        const QByteArray survey = ReadFile(Shipped() + QString::fromUtf8(table.text(89)));
        EXPECT_TRUE(survey.contains("?close\"")) << "the survey page offers a way to close";
    }
}

TEST(ShippedLanguageFiles, AreListedAsLanguagesFromTheProgramFolder) {
    TempHome home;
    for (int language = 0; language < kLanguages; ++language)
        ASSERT_TRUE(QFile::copy(LanguageFile(language),
                                home.programDir() + QFileInfo(LanguageFile(language)).fileName()));
    EXPECT_EQ(CountLanguages(), kLanguages);
    EXPECT_EQ(GetLanguageName(0), QStringLiteral("English"));
    EXPECT_EQ(GetLanguageName(1), QStringLiteral("Deutsch"));
    EXPECT_EQ(GetLanguageName(2), QStringLiteral("Français"));
    EXPECT_EQ(GetLanguageName(3), QStringLiteral("Español"));
    // No choice marker ships: its absence makes the first start ask for the language.
    EXPECT_FALSE(QFileInfo::exists(Shipped() + "Glimmora.cho"));
}

TEST(ShippedHelpFiles, OneCompiledHelpFilePerLanguageLiesBesideTheProgram) {
    for (int language = 0; language < kLanguages; ++language) {
        const QString path = BuiltProgramDir() + "Glimmora.c0" + QString::number(language);
        SCOPED_TRACE(path.toStdString());
        const QByteArray help = ReadFile(path);
        ASSERT_FALSE(help.isEmpty());
        EXPECT_TRUE(help.startsWith("ITSF")) << "a compiled HTML help file";
        // The directory names every page of the sources, the start page first of all.
        const QDir sources(SourceDir() + "help/0" + QString::number(language));
        const QStringList pages = sources.entryList({"*.html"}, QDir::Files);
        EXPECT_TRUE(pages.contains("index.html"));
        EXPECT_GE(pages.size(), 6);
        for (const QString& page : pages)
            EXPECT_TRUE(help.contains("/" + page.toUtf8())) << page.toStdString();
        // Every picture and page that a page refers to is inside the help file.
        static const QRegularExpression reference(QStringLiteral("(?:src|href)=\"([^\"#:]+)\""));
        for (const QString& page : pages) {
            const QString html = QString::fromUtf8(ReadFile(sources.filePath(page)));
            for (const QRegularExpressionMatch& m : reference.globalMatch(html))
                EXPECT_TRUE(help.contains("/" + m.captured(1).toUtf8()))
                    << page.toStdString() << " refers to " << m.captured(1).toStdString();
        }
        // Every language explains the same pages.
        EXPECT_EQ(pages, QDir(SourceDir() + "help/00").entryList({"*.html"}, QDir::Files));
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
