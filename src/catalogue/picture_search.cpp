#include "catalogue/picture_search.h"

#include "catalogue/picture_page.h"
#include "platform/file_system.h"

#include <QFileInfo>
#include <QSet>
#include <algorithm>

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
    const QString name = QStringLiteral("keywords.t") + code;
    for (const QString& folder : {userCatalogueFolder, catalogueBaseFolder}) {
        const QString path = ResolvePath(folder + name);
        if (!FileExists(path))
            continue;
        // An unreadable file is as good as none: the pictures are still found by their names.
        const std::optional<QByteArray> content = ReadFileBytes(path);
        return content ? ParseKeywordFile(*content) : KeywordTable();
    }
    return KeywordTable();
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
    names_.clear();
    words_.clear();
    wordStarts_.clear();
    pictures_.clear();
}

void PictureIndex::Build(const QStringList& paths, const std::vector<const KeywordTable*>& tables) {
    Clear();
    paths_ = paths;
    names_.resize(paths.size());

    // Every word of every picture with the picture's number, then sorted: a sort costs less than a
    // hash of every word, and leaves each word's pictures in catalogue order.
    std::vector<std::pair<QString, int>> entries;
    entries.reserve(paths.size() * 12);
    std::vector<QString> words;
    for (qsizetype picture = 0; picture < paths.size(); ++picture) {
        const QString stem = StemOf(paths.at(picture));
        QStringList& names = names_[picture];
        words.clear();
        AppendWords(FoldForSearch(stem), words);
        names << Joined(words.cbegin(), words.cend());
        words.clear();
        AppendFileNameWords(stem, words);
        const QString key = stem.toLower();
        for (const KeywordTable* table : tables) {
            const auto found = table->constFind(key);
            if (found == table->cend())
                continue;
            const size_t nameStart = words.size();
            AppendWords(FoldForSearch(found->name), words);
            names << Joined(words.cbegin() + static_cast<qsizetype>(nameStart), words.cend());
            AppendWords(FoldForSearch(found->keywords), words);
        }
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
    QStringList typed = SearchWords(text);
    // A typed word that starts another typed word asks nothing more of a picture; dropping it
    // (and repeats) keeps a long pasted text from costing a pass per word.
    std::sort(typed.begin(), typed.end());
    QStringList needed;
    for (qsizetype i = 0; i < typed.size(); ++i) {
        if (i + 1 < typed.size() && typed.at(i + 1).startsWith(typed.at(i)))
            continue;
        needed << typed.at(i);
    }
    if (needed.isEmpty() || paths_.isEmpty())
        return {};

    // met[p] = how many typed words picture p has met so far, in turn.
    std::vector<int> met(paths_.size(), 0);
    int round = 0;
    for (const QString& word : needed) {
        bool any = false;
        auto it = std::lower_bound(words_.begin(), words_.end(), word);
        for (; it != words_.end() && it->startsWith(word); ++it) {
            const size_t w = static_cast<size_t>(it - words_.begin());
            for (int k = wordStarts_[w]; k < wordStarts_[w + 1]; ++k) {
                int& count = met[pictures_[k]];
                if (count == round) {
                    count = round + 1;
                    any = true;
                }
            }
        }
        if (!any)
            return {};
        ++round;
    }

    // Names equal to the typed words first, then names that begin with them ("heart" finds the
    // hearts named "heart with arrow" before the faces with heart eyes), then the others.
    const QString typedName = SearchWords(text).join(u' ');
    std::vector<int> tiers[3];
    for (int p = 0; p < static_cast<int>(met.size()); ++p) {
        if (met[p] != round)
            continue;
        int tier = 2;
        for (const QString& name : names_[p]) {
            if (name == typedName) {
                tier = 0;
                break;
            }
            if (name.startsWith(typedName))
                tier = 1;
        }
        tiers[tier].push_back(p);
    }
    std::vector<int> found = std::move(tiers[0]);
    found.insert(found.end(), tiers[1].begin(), tiers[1].end());
    found.insert(found.end(), tiers[2].begin(), tiers[2].end());
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
                         const QString& catalogueBaseFolder, const QString& code) {
    const QString english = QStringLiteral("00");
    const KeywordTable own = LoadKeywordFile(userCatalogueFolder, catalogueBaseFolder, code);
    const KeywordTable other =
        code == english ? KeywordTable()
                        : LoadKeywordFile(userCatalogueFolder, catalogueBaseFolder, english);
    index.Build(ListCataloguePictures(categoryFolders, favouritesFolder), {&own, &other});
}
