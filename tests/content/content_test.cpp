// The data that ships with the program: picture catalogue, page files, mail-program definitions,
// settings file and desktop integration. These tests read the source tree, so a broken or stale
// file is caught before it is packaged.
#include "catalogue/catalogue_model.h"
#include "catalogue/picture_page.h"
#include "catalogue/picture_search.h"
#include "integration/emoji_text.h"
#include "integration/mail_defs.h"
#include "platform/ini_profile.h"
#include "platform/program_folder.h"
#include "support/test_env.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

const QStringList kDefinitionSets = {"pics.full", "pics.fullenhanced"};
const QStringList kLanguageCodes = {"00", "01", "02", "03"};

QString DataDir() {
    return SourceDir() + "shipped/GlimmoraData/";
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The catalogue as the program sees it after start-up copied the definition files (or the variants
// of one language) into the user's catalogue folder.
CatalogueData LoadShipped(const QString& languageCode = {}) {
    QTemporaryDir user;
    EXPECT_TRUE(user.isValid());
    for (const QString& set : kDefinitionSets) {
        const QString source =
            DataDir() + set + (languageCode.isEmpty() ? QString(".def") : ".t" + languageCode);
        WriteFile(user.path() + "/" + set + ".def", ReadAll(source));
    }
    return ReadCatalogue(user.path() + "/", DataDir(), user.path() + "/owncats/");
}

int Depth(const CatalogueData& data, int index) {
    int depth = 0;
    for (int p = data.nodes[index].parent; p >= 0; p = data.nodes[p].parent)
        ++depth;
    return depth;
}

// A skin-tone variant or a picture for scaled pages belongs to the picture it varies:
// "a/tones/2x/b-light-skin-tone.png" to "a/b.png", "a/2x/b.png" to "a/b.png"; other files to
// themselves.
QString BasePictureOf(const QString& file) {
    static const QRegularExpression variant(
        "^(.*?/)(tones/)?(2x/)?([^/]*?)(-(medium-)?(light|medium|dark)-skin-tone)?\\.png$");
    const QRegularExpressionMatch m = variant.match(file);
    if (!m.hasMatch() || (m.captured(2).isEmpty() && m.captured(3).isEmpty()))
        return file;
    if (m.captured(2).isEmpty() != m.captured(5).isEmpty())
        return {}; // a tone name outside tones/, or a file in tones/ without one
    return m.captured(1) + m.captured(4) + ".png";
}

QStringList FilesUnder(const QString& folder, const QStringList& nameFilters) {
    QStringList files;
    QDirIterator it(folder, nameFilters, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

} // namespace

TEST(ShippedCatalogue, DefinitionFilesDescribeTheExpectedTree) {
    const CatalogueData data = LoadShipped();
    ASSERT_EQ(data.nodes.size(), 61u);
    EXPECT_EQ(data.CategoryFolders.size(), 61);
    EXPECT_EQ(data.LastBuiltInIndex, 60); // the shipped owncats.dat adds nothing

    QStringList topLevel;
    int deepest = 0;
    for (int i = 0; i < static_cast<int>(data.nodes.size()); ++i) {
        if (data.nodes[i].parent < 0)
            topLevel << data.nodes[i].name;
        deepest = std::max(deepest, Depth(data, i));
        EXPECT_FALSE(data.nodes[i].name.isEmpty()) << "node " << i;
    }
    EXPECT_EQ(topLevel,
              (QStringList{"Faces", "Hearts and feelings", "Hands and people", "Animals",
                           "Plants and flowers", "Food and drink", "Celebrations", "Activities",
                           "Weather and sky", "Travel", "Objects", "Symbols", "Flags"}));
    EXPECT_EQ(deepest, 2) << "the tree is three levels deep";

    // The start page is the first top-level node's first grandchild.
    ASSERT_EQ(data.nodes[1].parent, 0);
    ASSERT_EQ(data.nodes[2].parent, 1);
    EXPECT_EQ(data.nodes[0].name, "Faces");
    EXPECT_EQ(data.nodes[1].name, "Happy");
    EXPECT_EQ(data.nodes[2].name, "Grinning");
    EXPECT_EQ(data.CategoryFolders[2], DataDir() + "faces/happy/grinning/");
    const QStringList start = ListPictures(data.CategoryFolders[2]);
    EXPECT_GE(start.size(), 12);
    EXPECT_GE(start.filter(QRegularExpression("\\.gif$")).size(), 1)
        << "the start page shows animation";
}

TEST(ShippedCatalogue, EveryCategoryFolderExistsAndHoldsPictures) {
    const CatalogueData data = LoadShipped();
    QSet<QString> folders;
    qsizetype total = 0;
    const QRegularExpression fileName("^[a-z0-9]+(-[a-z0-9]+)*\\.(png|gif)$");
    for (const QString& folder : data.CategoryFolders) {
        EXPECT_FALSE(folders.contains(folder)) << "two categories share " << folder.toStdString();
        folders.insert(folder);
        EXPECT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();
        const QStringList names = ListPictures(folder);
        EXPECT_FALSE(names.isEmpty()) << folder.toStdString();
        for (const QString& name : names)
            EXPECT_TRUE(fileName.match(name).hasMatch()) << (folder + name).toStdString();
        total += names.size();
    }
    EXPECT_GE(total, 400);

    // No picture lies where no category shows it (a stale folder from an older picture set), and
    // each tone variant and larger picture has the picture it varies beside it.
    for (const QString& file : FilesUnder(DataDir(), {"*.png", "*.gif", "*.jpg", "*.gra"})) {
        if (QFileInfo(file).path() + "/" == DataDir() + "data/")
            continue; // the empty page's own pictures
        const QString base = BasePictureOf(file);
        EXPECT_TRUE(folders.contains(QFileInfo(base).path() + "/") && QFileInfo::exists(base))
            << file.toStdString();
    }
}

// An emoji with skin tones has all five variants, so every tone choice finds its picture.
TEST(ShippedCatalogue, ToneVariantsComeInFives) {
    const QStringList tones = {"light", "medium-light", "medium", "medium-dark", "dark"};
    int variants = 0;
    for (const QString& file : FilesUnder(DataDir(), {"*-medium-skin-tone.png"})) {
        if (!file.contains("/tones/"))
            continue;
        const QFileInfo info(file);
        const QString stem = info.fileName().chopped(QString("-medium-skin-tone.png").size());
        for (const QString& tone : tones) {
            EXPECT_TRUE(QFileInfo::exists(info.path() + "/" + stem + "-" + tone + "-skin-tone.png"))
                << (stem + " " + tone).toStdString();
        }
        ++variants;
    }
    EXPECT_GE(variants, 300);
}

TEST(ShippedCatalogue, EmojiTextListsExactlyTheEmojiPictures) {
    QStringList listed;
    for (const QByteArray& line : ReadAll(DataDir() + "emoji.dat").split('\n')) {
        if (!line.isEmpty() && !line.startsWith('#'))
            listed << QString::fromUtf8(line.left(line.indexOf('\t')));
    }
    QStringList pictures;
    QDirIterator it(DataDir(), {"*.png"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = it.next().mid(DataDir().size());
        if (!relative.startsWith("data/") && !relative.contains("2x/"))
            pictures << relative;
    }
    listed.sort();
    pictures.sort();
    EXPECT_EQ(listed, pictures) << "tools/fetch-emoji --emoji-text writes emoji.dat anew";

    SetProgramFolder(SourceDir() + "shipped/");
    EXPECT_EQ(EmojiTextOfPicture(DataDir() + "faces/happy/grinning/grinning-face.png"),
              QString::fromUtf8("\U0001F600"));
    EXPECT_EQ(EmojiTextOfPicture(DataDir() + "faces/animated/winking-smiley.gif"), QString());
    EXPECT_EQ(EmojiTextOfPicture(DataDir() + "people/hands/tones/thumbs-up-medium-skin-tone.png"),
              QString::fromUtf8("\U0001F44D\U0001F3FD"));
    SetProgramFolder(QString());
}

// The search finds every shipped picture by its name in each of the program's languages, and a
// keyword file of any other locale names only shipped pictures.
TEST(ShippedCatalogue, KeywordFilesNameEveryPictureInEveryLanguage) {
    const CatalogueData data = LoadShipped();
    QSet<QString> stems;
    for (const QString& picture : ListCataloguePictures(data.CategoryFolders, QString()))
        stems.insert(QFileInfo(picture).completeBaseName());
    const QStringList files = QDir(DataDir()).entryList({"keywords.*"}, QDir::Files);
    EXPECT_GE(files.size(), 25);
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const QString code = file.section(u'.', 1);
        const KeywordTable table = LoadKeywordFile(DataDir(), DataDir(), code);
        EXPECT_FALSE(table.isEmpty());
        for (auto it = table.cbegin(); it != table.cend(); ++it)
            EXPECT_TRUE(stems.contains(it.key())) << it.key().toStdString();
        if (!QStringList{"en", "de", "fr", "es"}.contains(code))
            continue;
        for (const QString& stem : stems)
            EXPECT_FALSE(table.value(stem).name.isEmpty()) << stem.toStdString();
    }
}

// What users type first: the obvious picture in each language, emoticons and shortcodes, everyday
// words and typing errors, with the shipped keyword files, shortcodes and order of use.
TEST(ShippedCatalogue, SearchShowsTheObviousPictureFirst) {
    const CatalogueData data = LoadShipped();
    const auto first = [&](int language, const QString& locale, const QString& typed) {
        PictureIndex index;
        BuildCatalogueIndex(index, data.CategoryFolders, QString(), DataDir(), DataDir(), language,
                            locale);
        const std::vector<int> found = index.Find(typed);
        return found.empty()
                   ? std::string()
                   : QFileInfo(index.Path(found.front())).completeBaseName().toStdString();
    };
    const struct {
        int language;
        const char* locale;
        const char* typed;
        const char* picture;
    } cases[] = {
        {0, "", "heart", "red-heart"},
        {1, "", "Herz", "red-heart"},
        {2, "", "coeur", "red-heart"},
        {3, "", "corazón", "red-heart"},
        {0, "", "happy", "smiling-face-with-smiling-eyes"},
        {0, "", ":)", "slightly-smiling-face"},
        {0, "", ":-)", "slightly-smiling-face"},
        {0, "", ";)", "winking-face"},
        {0, "", "<3", "red-heart"},
        {0, "", ":+1:", "thumbs-up"},
        {0, "", ":tada:", "party-popper"},
        {0, "", "thumbsup", "thumbs-up"},
        {0, "", "hert", "red-heart"},
        {0, "", "pizzza", "pizza"},
        {0, "", "lol", "face-with-tears-of-joy"},
        {2, "", "merci", "folded-hands"},
        {0, "", "hello", "waving-hand"},
        {0, "", "woman facepalming", "woman-facepalming"},
        {0, "", "family: man, woman, girl, boy", "family-man-woman-girl-boy"},
        {0, "", "flag russia", "flag-russia"},
        {0, "it_IT.UTF-8", "cuore", "red-heart"},
        {0, "zh_TW.UTF-8", "愛心", "red-heart"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(first(c.language, c.locale, QString::fromUtf8(c.typed)), c.picture)
            << c.typed << " " << c.locale;
    EXPECT_EQ(first(0, "", "cuore"), ""); // Italian only where the desktop speaks it
}

TEST(ShippedCatalogue, DefinitionFilesAreUtf8WithCrLfLines) {
    const QRegularExpression line("^(-{0,2})\\[([^\\[\\]]+)\\]([a-z]+)$");
    for (const QString& set : kDefinitionSets) {
        QStringList variants = {set + ".def"};
        for (const QString& code : kLanguageCodes)
            variants << set + ".t" + code;
        for (const QString& name : variants) {
            const QByteArray bytes = ReadAll(DataDir() + name);
            ASSERT_FALSE(bytes.isEmpty()) << name.toStdString();
            EXPECT_TRUE(bytes.endsWith("\r\n")) << name.toStdString();
            EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n"))
                << "bare LF in " << name.toStdString();
            EXPECT_EQ(bytes.count("\r"), bytes.count("\r\n"))
                << "bare CR in " << name.toStdString();
            QStringDecoder utf8(QStringDecoder::Utf8);
            const QString text = utf8(bytes);
            EXPECT_FALSE(utf8.hasError()) << name.toStdString();
            for (const QString& l : text.split("\r\n", Qt::SkipEmptyParts))
                EXPECT_TRUE(line.match(l).hasMatch())
                    << name.toStdString() << ": " << l.toStdString();
        }
        // The definition file is the English variant, so language 0 changes nothing.
        EXPECT_EQ(ReadAll(DataDir() + set + ".def"), ReadAll(DataDir() + set + ".t00"));
    }
}

TEST(ShippedCatalogue, LanguageVariantsKeepTheFoldersAndTheirOrder) {
    const CatalogueData english = LoadShipped();
    for (const QString& code : kLanguageCodes) {
        SCOPED_TRACE(code.toStdString());
        const CatalogueData variant = LoadShipped(code);
        ASSERT_EQ(variant.nodes.size(), english.nodes.size());
        EXPECT_EQ(variant.CategoryFolders, english.CategoryFolders);
        int translated = 0;
        for (size_t i = 0; i < english.nodes.size(); ++i) {
            EXPECT_EQ(variant.nodes[i].parent, english.nodes[i].parent) << i;
            EXPECT_FALSE(variant.nodes[i].name.isEmpty()) << i;
            translated += variant.nodes[i].name != english.nodes[i].name;
        }
        if (code != "00") {
            EXPECT_GT(translated, 40) << "names are translated";
        }
    }
    EXPECT_EQ(LoadShipped("01").nodes[0].name, "Gesichter");
    EXPECT_EQ(LoadShipped("02").nodes[0].name, "Visages");
    EXPECT_EQ(LoadShipped("03").nodes[0].name, "Caras");
}

TEST(ShippedCatalogue, EveryPictureDecodes) {
    const QStringList files = FilesUnder(DataDir(), {"*.png", "*.gif", "*.jpg", "*.gra"});
    ASSERT_GE(files.size(), 400);
    int animated = 0;
    for (const QString& file : files) {
        QImageReader reader(file);
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull())
            << file.toStdString() << ": " << reader.errorString().toStdString();
        if (QFileInfo(file).path() + "/" == DataDir() + "data/")
            continue;
        // Emoji and smileys are all one size, so a page lines up; twice that for scaled pages.
        EXPECT_EQ(image.size(), file.contains("/2x/") ? QSize(96, 96) : QSize(48, 48))
            << file.toStdString();
        EXPECT_TRUE(image.hasAlphaChannel()) << file.toStdString();
        if (file.endsWith(".gif")) {
            QImageReader frames(file);
            EXPECT_GT(frames.imageCount(), 1) << file.toStdString();
            EXPECT_EQ(frames.loopCount(), -1) << "loops for ever: " << file.toStdString();
            animated += frames.imageCount() > 1;
        }
    }
    EXPECT_GE(animated, 8);
}

TEST(ShippedPageFiles, BaseOpensTheDocumentBodyAndParagraph) {
    const QByteArray base = ReadAll(DataDir() + "base.dat");
    ASSERT_FALSE(base.isEmpty());
    EXPECT_EQ(base.count("\n"), base.count("\r\n"));
    EXPECT_TRUE(base.contains("<meta charset=\"utf-8\">"));
    const qsizetype body = base.indexOf("<body ");
    ASSERT_GE(body, 0) << "the link colours go after \"<body \"";
    EXPECT_EQ(base.indexOf("<body ", body + 1), -1);
    EXPECT_GT(base.indexOf("<p>", body), body);
    EXPECT_FALSE(base.contains("</p>")) << "the page writer closes the paragraph";
    EXPECT_FALSE(base.contains("</body>"));
    // A colour for links in the style sheet would hide the white frames the page writer asks for.
    EXPECT_FALSE(
        QString::fromUtf8(base).contains(QRegularExpression("(^|[\\s,}])a\\s*\\{[^}]*[^-]color")));
}

TEST(ShippedPageFiles, TemplateHasThePlaceholdersAndItsPictures) {
    const QByteArray tpl = ReadAll(DataDir() + "data/template.tpl");
    ASSERT_FALSE(tpl.isEmpty());
    for (const char* placeholder : {"[TITLE]", "[TEXT]", "[DATADIR]", "[BOTTOMTEXT]"})
        EXPECT_TRUE(tpl.contains(placeholder)) << placeholder;
    // [DATADIR] becomes an absolute folder path ending in '/', so pictures are
    // "file://[DATADIR]name".
    const QRegularExpression image("file://\\[DATADIR\\]([^\"']+)");
    int pictures = 0;
    for (auto it = image.globalMatch(QString::fromUtf8(tpl)); it.hasNext(); ++pictures) {
        const QString name = it.next().captured(1);
        EXPECT_FALSE(QImage(DataDir() + "data/" + name).isNull()) << name.toStdString();
    }
    EXPECT_GE(pictures, 1);
}

TEST(ShippedPageFiles, SourcesPageAndLicencesShipWithThePictures) {
    const QString sources = QString::fromUtf8(ReadAll(DataDir() + "data/sources.html"));
    EXPECT_TRUE(sources.contains("Twemoji"));
    EXPECT_TRUE(sources.contains("CC BY 4.0"));
    EXPECT_TRUE(sources.contains("<meta charset=\"utf-8\">"));
    const QByteArray ccBy = ReadAll(DataDir() + "licences/twemoji-graphics-CC-BY-4.0.txt");
    EXPECT_TRUE(ccBy.startsWith("Attribution 4.0 International"));
    EXPECT_TRUE(
        ReadAll(DataDir() + "licences/README.txt").contains("Twitter, Inc and other contributors"));
    for (const char* name :
         {"twemoji-code-MIT.txt", "twemoji-svg-package-MIT.txt", "emojibase-data-MIT.txt"})
        EXPECT_TRUE(ReadAll(DataDir() + "licences/" + name).contains("MIT License")) << name;
    // The order of use names its source and licence, which travels with it.
    EXPECT_TRUE(ReadAll(DataDir() + "popularity.dat").contains("(CC BY-SA 4.0)"));
    EXPECT_TRUE(ReadAll(DataDir() + "licences/emoji-sentiment-MIT.txt").contains("MIT license"));
}

TEST(ShippedFiles, OwnCategoryListIsEmptyAndSettingsChooseThunderbird) {
    QFile owncats(DataDir() + "owncats.dat");
    ASSERT_TRUE(owncats.exists());
    EXPECT_EQ(owncats.size(), 0);

    const QString ini = SourceDir() + "shipped/glimmora.ini";
    EXPECT_EQ(ReadProfileString(ini, "Glimmora", "version", ""), "3.5");
    EXPECT_EQ(ReadProfileInt(ini, "Glimmora", "WelcomeScreen", 0), 1);
    EXPECT_EQ(ReadProfileInt(ini, "Glimmora", "width", 0), 750);
    EXPECT_EQ(ReadProfileInt(ini, "Glimmora", "height", 0), 490);
    EXPECT_EQ(ReadProfileString(ini, "Glimmora", "language", "absent"), "absent")
        << "the language chooser decides the first language";

    LoadMailDefs(SourceDir() + "shipped/glimmora.maildef.ini");
    const int chosen = ReadProfileInt(ini, "Glimmora", "chosenMailDef", -1);
    ASSERT_GE(chosen, 0);
    ASSERT_LT(chosen, static_cast<int>(MailDefList().size()));
    EXPECT_EQ(MailDefList()[chosen]->Name, "Thunderbird");
}

TEST(ShippedMailDefs, LoadWithUniqueNamesWindowClassesAndPasteKeys) {
    const QString path = SourceDir() + "shipped/glimmora.maildef.ini";
    const QByteArray raw = ReadAll(path);
    EXPECT_EQ(raw.count("\n"), raw.count("\r\n"));
    LoadMailDefs(path);
    EXPECT_TRUE(MailDefValid());
    EXPECT_EQ(MailDefVersion(), "1");

    const MailDefListType& list = MailDefList();
    ASSERT_EQ(list.size(), 19u);
    // A program may have one entry per interface language (its menus differ); the list shows the
    // language beside the name.
    QSet<QByteArray> entries, names;
    for (const auto& def : list) {
        const QByteArray entry = def->Name + " (" + def->Language + ")";
        EXPECT_FALSE(entries.contains(entry)) << entry.toStdString();
        entries.insert(entry);
        names.insert(def->Name);
        EXPECT_FALSE(def->Language.isEmpty()) << def->Name.toStdString();
    }
    for (const char* name : {"Thunderbird", "Evolution", "KMail", "Claws Mail", "Geary", "Sylpheed",
                             "Pidgin", "HexChat", "Telegram Desktop", "Element",
                             "LibreOffice Writer", "Firefox", "Chromium", "Google Chrome"})
        EXPECT_TRUE(names.contains(name)) << name;

    // Lower case sorts after every capital: the clipboard-only entry ends the list.
    const MailDef& other = *list.back();
    EXPECT_EQ(other.Name, "other / copy to clipboard");
    EXPECT_TRUE(other.WindowClass.isEmpty());
    EXPECT_TRUE(other.InsertKeys.isEmpty());
    EXPECT_TRUE(other.ToHtmlKeys.isEmpty());

    const QByteArray ctrlV("\xfc"
                           "v"
                           "\xfd");
    for (size_t i = 0; i + 1 < list.size(); ++i) {
        SCOPED_TRACE(list[i]->Name.toStdString());
        EXPECT_FALSE(list[i]->WindowClass.isEmpty());
        EXPECT_FALSE(list[i]->WindowClass.contains(' '));
        EXPECT_FALSE(list[i]->InsertKeys.contains('|')) << "every token decoded";
        EXPECT_FALSE(list[i]->ToHtmlKeys.contains('|')) << "every token decoded";
        if (list[i]->Name != "LibreOffice Writer") {
            EXPECT_EQ(list[i]->InsertKeys, ctrlV);
        }
    }

    const auto find = [&list](const char* name) -> const MailDef& {
        for (const auto& def : list)
            if (def->Name == name)
                return *def;
        throw std::out_of_range(name);
    };
    EXPECT_EQ(find("Thunderbird").WindowClass, "Msgcompose"); // the compose window's instance name
    EXPECT_EQ(find("Telegram Desktop").WindowClass, "TelegramDesktop");
    // Every Thunderbird window has this one app id; the compose window's class is no app id.
    EXPECT_EQ(find("Thunderbird").AppIds, QList<QByteArray>{"thunderbird"});
    EXPECT_EQ(WindowClassNames(find("Firefox").WindowClass),
              (QList<QByteArray>{"firefox", "firefox-esr"}));
    EXPECT_FALSE(find("Claws Mail").TakesPictures);
    EXPECT_TRUE(find("Thunderbird").TakesPictures);
    // Writer pastes a plain Ctrl+V as a selected bitmap that the next paste replaces; its paste
    // special (Ctrl+Shift+V) as HTML, picked in the list by its initial, puts the picture in the
    // text.
    const MailDef& writer = find("LibreOffice Writer");
    EXPECT_EQ(writer.WindowClass, "libreoffice-writer");
    EXPECT_EQ(writer.ToHtmlKeys, QByteArray("\xfc\xfa"
                                            "v"
                                            "\xfb\xfd"));
    EXPECT_EQ(writer.InsertKeys, QByteArray("h\r"));
}

TEST(ShippedMailDefs, SectionsAreNumberedWithoutGaps) {
    const QString path = SourceDir() + "shipped/glimmora.maildef.ini";
    for (int n = 0; n < 19; ++n)
        EXPECT_FALSE(ReadProfileString(path, QByteArray::number(n), "name", "").isEmpty()) << n;
    EXPECT_TRUE(ReadProfileString(path, "19", "name", "").isEmpty());
}

TEST(DesktopIntegration, IconsExistInEverySize) {
    const QString icons = SourceDir() + "packaging/icons/hicolor/";
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString file = icons + QString("%1x%1/apps/glimmora.png").arg(size);
        const QImage image(file);
        ASSERT_FALSE(image.isNull()) << file.toStdString();
        EXPECT_EQ(image.size(), QSize(size, size)) << file.toStdString();
        EXPECT_TRUE(image.hasAlphaChannel());
    }
    EXPECT_TRUE(ReadAll(SourceDir() + "packaging/icons/glimmora.svg").contains("<svg"));
    EXPECT_EQ(QImage(SourceDir() + "src/resources/icons/glimmora-16.png").size(), QSize(16, 16));
    EXPECT_FALSE(QImage(SourceDir() + "src/resources/icons/glimmora.png").isNull());

    const QString desktop =
        QString::fromUtf8(ReadAll(SourceDir() + "packaging/com.orvandeck.Glimmora.desktop"));
    EXPECT_TRUE(desktop.contains(
        QRegularExpression("^Icon=glimmora$", QRegularExpression::MultilineOption)));
    EXPECT_TRUE(desktop.contains(
        QRegularExpression("^Exec=glimmora$", QRegularExpression::MultilineOption)));
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
