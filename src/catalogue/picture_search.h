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
// "keywords.t" + language code, from the user's catalogue folder or else the program's; empty
// when neither can be read.
KeywordTable LoadKeywordFile(const QString& userCatalogueFolder, const QString& catalogueBaseFolder,
                             const QString& code);

// Lower case without accents ("Café" -> "cafe", "Straße" -> "strasse").
QString FoldForSearch(const QString& text);
// The folded words of a text: its runs of letters and digits.
QStringList SearchWords(const QString& text);

// Every picture of the catalogue with the words it is found by. A picture matches a typed text
// when every typed word is the start of one of its words: the words of its file name (also split
// where a capital follows a small letter and between letters and digits, as own pictures' names
// have no blanks), and of its name and keywords in each keyword table.
class PictureIndex {
public:
    // `paths`: the pictures in catalogue order. `tables`: the keyword tables to search.
    void Build(const QStringList& paths, const std::vector<const KeywordTable*>& tables);
    void Clear();

    // The matching pictures: those with a name equal to the typed words first, then those with a
    // name that begins with them, then the others, each group in catalogue order. None when the
    // text holds no word.
    std::vector<int> Find(const QString& text) const;

    int Count() const { return static_cast<int>(paths_.size()); }
    const QString& Path(int picture) const { return paths_.at(picture); }

private:
    QStringList paths_;
    std::vector<QStringList> names_; // per picture: its names, as folded words joined by blanks
    std::vector<QString> words_;     // every word, sorted
    std::vector<int> wordStarts_;    // word i's pictures: pictures_[wordStarts_[i] .. [i + 1])
    std::vector<int> pictures_;
};

// The catalogue's pictures in catalogue order: each category folder in tree order, then the
// favourites. A picture that is a copy of one listed before (same file name and size, as the
// favourites are and as pictures shown in two categories are) is listed once.
QStringList ListCataloguePictures(const QStringList& categoryFolders,
                                  const QString& favouritesFolder);

// The index over a catalogue as the program searches it: the pictures of `categoryFolders` and
// of the favourites, with the keyword files of the language `code` and of English ("00"), each
// looked up in the user's catalogue folder first.
void BuildCatalogueIndex(PictureIndex& index, const QStringList& categoryFolders,
                         const QString& favouritesFolder, const QString& userCatalogueFolder,
                         const QString& catalogueBaseFolder, const QString& code);
