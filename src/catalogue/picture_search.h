#pragma once
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

// Finding pictures by typed words, without any window: the keyword files, the matching rules and
// an index over the whole catalogue.

// The name and the keywords of one picture in one language.
struct PictureWords {
    QString name;
    QString keywords; // separated by tabs, as in the file
};
// A keyword file: the picture's file name without extension, in lower case, to its words.
using KeywordTable = QHash<QString, PictureWords>;

// Reads a keyword file: the line "Glimmora keywords 1", then one line per picture: file name
// without extension, TAB, name, then TAB and a keyword for each keyword (UTF-8). A line that does
// not fit is skipped, so a damaged file loses only its damaged lines.
KeywordTable ParseKeywordFile(const QByteArray& content);
// "keywords." + locale code ("en", "de", "en-gb"), from the user's catalogue folder or else the
// program's; empty when neither can be read.
KeywordTable LoadKeywordFile(const QString& userCatalogueFolder, const QString& catalogueBaseFolder,
                             const QString& code);

// The keyword files of a locale as the desktop names it ("it_IT.UTF-8", "zh_TW", "de"): its
// regional variant, then its language ("it-it", "it"; Chinese by script: "zh-hant", "zh"). None
// for "C" and "POSIX".
QStringList KeywordLocales(const QString& locale);
// The locale code of the program's language number, in the order of its language files ("en",
// "de", "fr", "es"); empty for a language that has no keyword file.
QString ProgramLanguageLocale(int languageNumber);

// The emoticons and chat shortcodes (with their colons) that find a picture before any other: the
// picture's file name without extension, in lower case, to them.
using ShortcodeTable = QHash<QString, QStringList>;
// Reads "shortcodes.dat": lines starting with '#' are comments, then file name without extension,
// TAB, and the emoticons and shortcodes separated by TAB (UTF-8).
ShortcodeTable ParseShortcodeFile(const QByteArray& content);

// How often pictures are used: the file name without extension, in lower case, to its place in
// the order of use (0 for the most used).
using PopularityTable = QHash<QString, int>;
// Reads "popularity.dat": lines starting with '#' are comments, then one file name without
// extension a line, the most used first.
PopularityTable ParsePopularityFile(const QByteArray& content);

// Lower case without accents ("Café" -> "cafe", "Straße" -> "strasse").
QString FoldForSearch(const QString& text);
// The folded words of a text: its runs of letters and digits.
QStringList SearchWords(const QString& text);

// Every picture of the catalogue with the words it is found by. A picture matches a typed text
// when every typed word is the start of one of its words: the words of its file name (also split
// where a capital follows a small letter and between letters and digits, as own pictures' names
// have no blanks), of its name and keywords in each keyword table, and of its shortcodes. A typed
// word of four letters or more also matches a word one edit away (a letter left out, added, wrong,
// or two letters swapped), so that typing errors still find something.
class PictureIndex {
public:
    // `paths`: the pictures in catalogue order. `tables`: the keyword tables to search.
    void Build(const QStringList& paths, const std::vector<const KeywordTable*>& tables,
               const ShortcodeTable& shortcodes = {}, const PopularityTable& popularity = {});
    void Clear();

    // The matching pictures, in this order: those with the typed emoticon or shortcode (with its
    // colons); those with a name, keyword or shortcode equal to the typed words; those with one
    // that begins with them; the other matches; then the matches with a typing error. Within
    // each, the most used first, then in catalogue order. None when the text holds neither a word
    // nor an emoticon.
    std::vector<int> Find(const QString& text) const;

    int Count() const { return static_cast<int>(paths_.size()); }
    const QString& Path(int picture) const { return paths_.at(picture); }

private:
    QStringList paths_;
    // Per picture: its names, keywords and shortcodes as folded words joined by blanks, each
    // phrase between line feeds, so that one search tells an equal phrase or one that begins so.
    std::vector<QString> phrases_;
    std::vector<int> popularity_; // per picture: its place in the order of use
    std::vector<QString> words_;  // every word, sorted
    std::vector<int> wordStarts_; // word i's pictures: pictures_[wordStarts_[i] .. [i + 1])
    std::vector<int> pictures_;
    QHash<QString, std::vector<int>> symbols_; // folded emoticon or shortcode to its pictures
};

// The catalogue's pictures in catalogue order: each category folder in tree order, then the
// favourites. A picture that is a copy of one listed before (same file name and size, as the
// favourites are and as pictures shown in two categories are) is listed once.
QStringList ListCataloguePictures(const QStringList& categoryFolders,
                                  const QString& favouritesFolder);

// The index over a catalogue as the program searches it: the pictures of `categoryFolders` and
// of the favourites, with the keyword files of the program's language, of the desktop's locale
// and of English, the shortcodes and the order of use, each looked up in the user's catalogue
// folder first.
void BuildCatalogueIndex(PictureIndex& index, const QStringList& categoryFolders,
                         const QString& favouritesFolder, const QString& userCatalogueFolder,
                         const QString& catalogueBaseFolder, int programLanguage,
                         const QString& desktopLocale);
