#include "catalogue/picture_search.h"

#include "catalogue/picture_page.h"
#include "platform/file_system.h"

#include <QFileInfo>
#include <QLocale>
#include <QSet>
#include <QStringTokenizer>
#include <algorithm>
#include <climits>
#include <tuple>

namespace {

const QByteArray kKeywordHeader = QByteArrayLiteral("Glimmora keywords 1");

// Letters that no decomposition splits but that users type as two.
const char16_t* SpelledOut(char16_t c) {
    switch (c) {
    case 0x00DF: // ß
    case 0x1E9E: // ẞ
        return u"ss";
    case 0x00C6: // Æ
    case 0x00E6:
        return u"ae";
    case 0x0152: // Œ
    case 0x0153:
        return u"oe";
    case 0x00D8: // Ø
    case 0x00F8:
        return u"o";
    case 0x0141: // Ł
    case 0x0142:
        return u"l";
    default:
        return nullptr;
    }
}

// One character folded: compatibility decomposition, marks dropped, case folded.
QString FoldCharacter(QChar c) {
    if (const char16_t* spelled = SpelledOut(c.unicode()))
        return QString::fromUtf16(spelled);
    QString out;
    for (const QChar part : QString(c).normalized(QString::NormalizationForm_KD)) {
        if (!part.isMark())
            out += part.toCaseFolded();
    }
    return out;
}

// The folded form of every character below U+2000 (the alphabets that the keyword files use),
// worked out once when first met: decomposing character by character is far slower than a look-up,
// and the index folds every word of the catalogue.
const QString& FoldedCharacter(char16_t c) {
    static std::vector<QString> table(0x2000);
    static std::vector<bool> known(0x2000, false);
    if (!known[c]) {
        table[c] = FoldCharacter(QChar(c));
        known[c] = true;
    }
    return table[c];
}

bool IsWordCharacter(QChar c) {
    // Surrogates carry letters beyond the first plane.
    return c.isLetterOrNumber() || c.isSurrogate();
}

// Appends the runs of word characters of a folded text.
void AppendWords(const QString& folded, std::vector<QString>& words) {
    qsizetype start = -1;
    for (qsizetype i = 0; i <= folded.size(); ++i) {
        const bool word = i < folded.size() && IsWordCharacter(folded.at(i));
        if (word && start < 0)
            start = i;
        if (!word && start >= 0) {
            words.push_back(folded.mid(start, i - start));
            start = -1;
        }
    }
}

// The words of a file name: its runs of letters and digits, and their parts where a capital
// follows a small letter or letters and digits meet ("MeinSmiley1" -> Mein Smiley 1), folded.
void AppendFileNameWords(const QString& stem, std::vector<QString>& words) {
    qsizetype start = -1;
    for (qsizetype i = 0; i <= stem.size(); ++i) {
        const bool word = i < stem.size() && (IsWordCharacter(stem.at(i)) || stem.at(i).isMark());
        if (word && start < 0)
            start = i;
        if (word || start < 0)
            continue;
        const QString token = stem.mid(start, i - start);
        words.push_back(FoldForSearch(token));
        qsizetype part = 0;
        for (qsizetype k = 1; k < token.size(); ++k) {
            const QChar before = token.at(k - 1), c = token.at(k);
            const bool camel = before.isLower() && c.isUpper();
            const bool digits =
                before.isDigit() != c.isDigit() && !c.isMark() && !before.isSurrogate();
            if (camel || digits) {
                words.push_back(FoldForSearch(token.mid(part, k - part)));
                part = k;
            }
        }
        if (part > 0)
            words.push_back(FoldForSearch(token.mid(part)));
        start = -1;
    }
}

QString Joined(std::vector<QString>::const_iterator from, std::vector<QString>::const_iterator to) {
    QString joined;
    for (auto it = from; it != to; ++it) {
        if (it != from)
            joined += u' ';
        joined += *it;
    }
    return joined;
}

QString StemOf(const QString& path) {
    const QString name = path.mid(path.lastIndexOf(u'/') + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 ? name.left(dot) : name;
}

// A search data file from the user's catalogue folder, else the program's; none when neither can
// be read (an unreadable file is as good as none: the pictures are still found by their names).
QByteArray ReadSearchFile(const QString& userCatalogueFolder, const QString& catalogueBaseFolder,
                          const QString& name) {
    for (const QString& folder : {userCatalogueFolder, catalogueBaseFolder}) {
        const QString path = ResolvePath(folder + name);
        if (!FileExists(path))
            continue;
        return ReadFileBytes(path).value_or(QByteArray());
    }
    return QByteArray();
}

// The lines of a search data file that are neither empty nor comments.
QList<QByteArray> DataLines(const QByteArray& content) {
    QList<QByteArray> lines = SplitTextLines(WithoutByteOrderMark(content));
    lines.removeIf([](const QByteArray& line) { return line.isEmpty() || line.startsWith('#'); });
    return lines;
}

// Whether one letter left out, added or wrong, or two neighbours swapped, turn `a` into `b`.
bool OneEditApart(QStringView a, QStringView b) {
    const qsizetype la = a.size(), lb = b.size();
    if (la - lb > 1 || lb - la > 1)
        return false;
    qsizetype i = 0;
    while (i < la && i < lb && a[i] == b[i])
        ++i;
    if (la == lb) {
        if (i == la)
            return false; // equal
        if (a.mid(i + 1) == b.mid(i + 1))
            return true; // wrong letter
        return i + 1 < la && a[i] == b[i + 1] && a[i + 1] == b[i] && a.mid(i + 2) == b.mid(i + 2);
    }
    return la < lb ? a.mid(i) == b.mid(i + 1) : a.mid(i + 1) == b.mid(i);
}

// Typing errors are looked for only in words this long: in shorter ones one edit makes too many
// other words.
constexpr qsizetype kTypoWordLength = 4;

// Orders pictures by their place in the order of use, then by `closer` (lower first), then in
// catalogue order (the order they come in); pictures that the order of use does not know come
// after the others.
void SortByUse(std::vector<int>& pictures, const std::vector<int>& popularity,
               const std::vector<char>& closer) {
    // Most pictures of a large catalogue are the user's own, which the order does not know: they
    // are only split, never sorted.
    const auto unknown = std::stable_partition(pictures.begin(), pictures.end(),
                                               [&](int p) { return popularity[p] != INT_MAX; });
    std::sort(pictures.begin(), unknown, [&](int a, int b) {
        return std::tie(popularity[a], closer[a], a) < std::tie(popularity[b], closer[b], b);
    });
    std::stable_partition(unknown, pictures.end(), [&](int p) { return closer[p] == 0; });
}

} // namespace

KeywordTable ParseKeywordFile(const QByteArray& content) {
    KeywordTable table;
    const QList<QByteArray> lines = SplitTextLines(WithoutByteOrderMark(content));
    table.reserve(lines.size());
    for (const QByteArray& line : lines) {
        const qsizetype nameStart = line.indexOf('\t') + 1;
        if (nameStart <= 1 || line == kKeywordHeader)
            continue;
        const qsizetype nameEnd = line.indexOf('\t', nameStart);
        PictureWords words;
        words.name = QString::fromUtf8(line.mid(nameStart, nameEnd < 0 ? -1 : nameEnd - nameStart));
        if (nameEnd >= 0)
            words.keywords = QString::fromUtf8(line.mid(nameEnd + 1));
        table.insert(QString::fromUtf8(line.left(nameStart - 1)).toLower(), words);
    }
    return table;
}

KeywordTable LoadKeywordFile(const QString& userCatalogueFolder, const QString& catalogueBaseFolder,
                             const QString& code) {
    return ParseKeywordFile(ReadSearchFile(userCatalogueFolder, catalogueBaseFolder,
                                           QStringLiteral("keywords.") + code));
}

QStringList KeywordLocales(const QString& locale) {
    QString name = locale.section(u'.', 0, 0).section(u'@', 0, 0).trimmed();
    if (name.isEmpty() || name == u"C" || name == u"POSIX")
        return {};
    name = name.toLower().replace(u'_', u'-');
    QString language = name.section(u'-', 0, 0);
    if (language == u"no")
        language = QStringLiteral("nb"); // Norwegian is written in Bokmål where unsaid
    QStringList codes;
    if (language == u"zh") {
        // Chinese keywords differ by script, which the region implies ("zh_TW": traditional).
        if (QLocale(name).script() == QLocale::TraditionalHanScript)
            codes << QStringLiteral("zh-hant");
    } else if (name != language) {
        codes << name;
    }
    return codes << language;
}

QString ProgramLanguageLocale(int languageNumber) {
    static const QStringList locales = {"en", "de", "fr", "es"};
    return locales.value(languageNumber);
}

ShortcodeTable ParseShortcodeFile(const QByteArray& content) {
    ShortcodeTable table;
    for (const QByteArray& line : DataLines(content)) {
        QStringList fields = QString::fromUtf8(line).split(u'\t', Qt::SkipEmptyParts);
        if (fields.size() < 2)
            continue;
        const QString stem = fields.takeFirst().toLower();
        table[stem] += fields;
    }
    return table;
}

PopularityTable ParsePopularityFile(const QByteArray& content) {
    PopularityTable table;
    for (const QByteArray& line : DataLines(content)) {
        const QString stem = QString::fromUtf8(line).trimmed().toLower();
        if (!stem.isEmpty() && !table.contains(stem))
            table.insert(stem, static_cast<int>(table.size()));
    }
    return table;
}

QString FoldForSearch(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80)
            out += u >= u'A' && u <= u'Z' ? QChar(u + (u'a' - u'A')) : c;
        else if (u < 0x2000)
            out += FoldedCharacter(u);
        else if (c.isSurrogate())
            out += c;
        else
            out += FoldCharacter(c);
    }
    return out;
}

QStringList SearchWords(const QString& text) {
    std::vector<QString> words;
    AppendWords(FoldForSearch(text), words);
    return QStringList(words.begin(), words.end());
}

void PictureIndex::Clear() {
    paths_.clear();
    phrases_.clear();
    popularity_.clear();
    words_.clear();
    wordStarts_.clear();
    pictures_.clear();
    symbols_.clear();
}

void PictureIndex::Build(const QStringList& paths, const std::vector<const KeywordTable*>& tables,
                         const ShortcodeTable& shortcodes, const PopularityTable& popularity) {
    Clear();
    paths_ = paths;
    phrases_.resize(paths.size());
    popularity_.assign(paths.size(), INT_MAX);

    // Every word of every picture with the picture's number, then sorted: a sort costs less than a
    // hash of every word, and leaves each word's pictures in catalogue order.
    std::vector<std::pair<QString, int>> entries;
    entries.reserve(paths.size() * 12);
    std::vector<QString> words;
    for (qsizetype picture = 0; picture < paths.size(); ++picture) {
        const QString stem = StemOf(paths.at(picture));
        QString& phrases = phrases_[picture];
        phrases = u'\n';
        // The words of one name, keyword or shortcode, appended to the picture's words and as
        // one more phrase.
        const auto addPhrase = [&](QStringView folded) {
            const size_t start = words.size();
            AppendWords(folded.toString(), words);
            if (words.size() == start)
                return;
            phrases += Joined(words.cbegin() + static_cast<qsizetype>(start), words.cend());
            phrases += u'\n';
        };
        words.clear();
        addPhrase(FoldForSearch(stem));
        words.clear();
        AppendFileNameWords(stem, words);
        const QString key = stem.toLower();
        for (const KeywordTable* table : tables) {
            const auto found = table->constFind(key);
            if (found == table->cend())
                continue;
            addPhrase(FoldForSearch(found->name));
            const QString keywords = FoldForSearch(found->keywords);
            for (const QStringView keyword : QStringTokenizer(keywords, u'\t'))
                addPhrase(keyword);
        }
        for (const QString& symbol : shortcodes.value(key)) {
            const QString folded = FoldForSearch(symbol);
            std::vector<int>& pictures = symbols_[folded];
            if (pictures.empty() || pictures.back() != picture)
                pictures.push_back(static_cast<int>(picture));
            // A shortcode's words are keywords too: ":heart_eyes:" is found by "heart eyes".
            if (folded.size() > 2 && folded.startsWith(u':') && folded.endsWith(u':'))
                addPhrase(QStringView(folded).mid(1, folded.size() - 2));
        }
        popularity_[picture] = popularity.value(key, INT_MAX);
        for (QString& word : words)
            entries.emplace_back(std::move(word), static_cast<int>(picture));
    }
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        const int order = a.first.compare(b.first);
        return order != 0 ? order < 0 : a.second < b.second;
    });

    pictures_.reserve(entries.size());
    for (const auto& [word, picture] : entries) {
        if (words_.empty() || words_.back() != word) {
            words_.push_back(word);
            wordStarts_.push_back(static_cast<int>(pictures_.size()));
        } else if (pictures_.back() == picture) {
            continue; // a word the picture has twice
        }
        pictures_.push_back(picture);
    }
    wordStarts_.push_back(static_cast<int>(pictures_.size()));
}

std::vector<int> PictureIndex::Find(const QString& text) const {
    if (paths_.isEmpty())
        return {};
    // An emoticon or a shortcode typed whole: its pictures before any other.
    std::vector<char> closer(paths_.size(), 0);
    std::vector<int> symbolic = symbols_.value(FoldForSearch(text.trimmed()));
    SortByUse(symbolic, popularity_, closer);

    QStringList typed = SearchWords(text);
    const QString typedName = typed.join(u' ');
    // A typed word that starts another typed word asks nothing more of a picture; dropping it
    // (and repeats) keeps a long pasted text from costing a pass per word.
    std::sort(typed.begin(), typed.end());
    QStringList needed;
    for (qsizetype i = 0; i < typed.size(); ++i) {
        if (i + 1 < typed.size() && typed.at(i + 1).startsWith(typed.at(i)))
            continue;
        needed << typed.at(i);
    }
    // Beside an emoticon, a letter or digit of its own (":D", "<3") would find almost every
    // picture: such an emoticon shows only its pictures.
    const bool singleCharacters = std::all_of(needed.cbegin(), needed.cend(),
                                              [](const QString& word) { return word.size() == 1; });
    if (needed.isEmpty() || (!symbolic.empty() && singleCharacters))
        return symbolic;

    // exact[p], near[p] = how many typed words picture p has met so far, in turn: by the start of
    // a word, and by that or a word one edit away.
    std::vector<int> exact(paths_.size(), 0), near(paths_.size(), 0);
    int round = 0;
    bool any = false; // whether a picture has met the word of this round
    const auto meet = [&](size_t w, bool startsWithTyped) {
        for (int k = wordStarts_[w]; k < wordStarts_[w + 1]; ++k) {
            const int p = pictures_[k];
            if (startsWithTyped && exact[p] == round)
                exact[p] = round + 1;
            if (near[p] == round) {
                near[p] = round + 1;
                any = true;
            }
        }
    };
    for (const QString& word : needed) {
        const auto first = std::lower_bound(words_.begin(), words_.end(), word);
        auto it = first;
        for (; it != words_.end() && it->startsWith(word); ++it)
            meet(static_cast<size_t>(it - words_.begin()), true);
        if (word.size() >= kTypoWordLength) {
            for (size_t w = 0; w < words_.size(); ++w) {
                const bool inPrefixRange = w >= static_cast<size_t>(first - words_.begin()) &&
                                           w < static_cast<size_t>(it - words_.begin());
                if (!inPrefixRange && OneEditApart(word, words_[w]))
                    meet(w, false);
            }
        }
        if (!any)
            return symbolic; // a pasted text stops at its first word that nothing has
        any = false;
        ++round;
    }

    // Names, keywords or shortcodes equal to the typed words, or that begin with them and go on
    // with another word ("heart" finds "red heart" with its keyword "heart", and "heart with
    // arrow"), first; the equal ones before the others where use does not tell them apart. Then
    // those that begin with the typed text, then the other matches, then the matches with a
    // typing error.
    std::vector<bool> shown(paths_.size(), false);
    for (int p : symbolic)
        shown[p] = true;
    std::vector<int> tiers[4];
    for (int p = 0; p < static_cast<int>(near.size()); ++p) {
        if (near[p] != round || shown[p])
            continue;
        int tier = 3;
        if (exact[p] == round) {
            // One pass over the phrases: what follows the typed words in one that begins with
            // them tells an equal phrase from one that goes on with a word or a letter.
            const QStringView phrases(phrases_[p]);
            const qsizetype length = typedName.size();
            tier = 2;
            // Each phrase starts after a line feed, and the last line feed ends the last one.
            for (qsizetype at = 1; at + length < phrases.size(); ++at) {
                if (phrases[at - 1] != u'\n' || phrases.mid(at, length) != typedName)
                    continue;
                const QChar next = phrases[at + length];
                if (next == u'\n') {
                    tier = 0, closer[p] = 0;
                    break;
                }
                if (next == u' ')
                    tier = 0, closer[p] = 1;
                else if (tier == 2)
                    tier = 1;
            }
        }
        tiers[tier].push_back(p);
    }
    std::vector<int> found = std::move(symbolic);
    for (std::vector<int>& tier : tiers) {
        SortByUse(tier, popularity_, closer);
        found.insert(found.end(), tier.begin(), tier.end());
    }
    return found;
}

QStringList ListCataloguePictures(const QStringList& categoryFolders,
                                  const QString& favouritesFolder) {
    QStringList pictures;
    QSet<QString> seenFolders;
    // Pictures by file name in lower case; sizes are looked at only when a name comes again.
    QMultiHash<QString, qsizetype> byName;
    QHash<qsizetype, qint64> sizes;
    const auto sizeOf = [&](qsizetype picture) {
        auto known = sizes.constFind(picture);
        if (known == sizes.cend())
            known = sizes.insert(picture, QFileInfo(pictures.at(picture)).size());
        return *known;
    };
    const auto drop = [&](qsizetype picture) {
        sizes.remove(picture);
        pictures.removeAt(picture);
    };
    QStringList folders = categoryFolders;
    folders << favouritesFolder;
    for (const QString& folder : folders) {
        if (folder.isEmpty())
            continue; // no folder, not the current one
        const QStringList paths = ListPicturePaths(folder);
        if (paths.isEmpty())
            continue;
        // Two categories may name one folder; its pictures are listed once.
        const QString disk = paths.first().left(paths.first().lastIndexOf(u'/') + 1);
        if (seenFolders.contains(disk))
            continue;
        seenFolders.insert(disk);
        for (const QString& path : paths) {
            const QString name = path.mid(disk.size()).toLower();
            pictures << path;
            const qsizetype picture = pictures.size() - 1;
            bool copy = false;
            for (auto it = byName.constFind(name); it != byName.cend() && it.key() == name; ++it) {
                if (sizeOf(*it) == sizeOf(picture)) {
                    copy = true;
                    break;
                }
            }
            if (copy)
                drop(picture);
            else
                byName.insert(name, picture);
        }
    }
    return pictures;
}

void BuildCatalogueIndex(PictureIndex& index, const QStringList& categoryFolders,
                         const QString& favouritesFolder, const QString& userCatalogueFolder,
                         const QString& catalogueBaseFolder, int programLanguage,
                         const QString& desktopLocale) {
    QStringList codes = KeywordLocales(ProgramLanguageLocale(programLanguage));
    codes << KeywordLocales(desktopLocale) << QStringLiteral("en");
    codes.removeDuplicates();
    std::vector<KeywordTable> tables;
    for (const QString& code : codes) {
        KeywordTable table = LoadKeywordFile(userCatalogueFolder, catalogueBaseFolder, code);
        if (!table.isEmpty()) // most regions have no file of their own
            tables.push_back(std::move(table));
    }
    std::vector<const KeywordTable*> searched;
    for (const KeywordTable& table : tables)
        searched.push_back(&table);
    index.Build(ListCataloguePictures(categoryFolders, favouritesFolder), searched,
                ParseShortcodeFile(ReadSearchFile(userCatalogueFolder, catalogueBaseFolder,
                                                  QStringLiteral("shortcodes.dat"))),
                ParsePopularityFile(ReadSearchFile(userCatalogueFolder, catalogueBaseFolder,
                                                   QStringLiteral("popularity.dat"))));
}
