#include "catalogue/picture_search.h"

#include "catalogue/picture_page.h"
#include "platform/file_system.h"

#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <numeric>

namespace {

const QByteArray kKeywordHeader = QByteArrayLiteral("Glimmora keywords 1");

// Letters that no decomposition splits but that users type as two.
bool AppendSpelledOut(QString& out, QChar c) {
    switch (c.unicode()) {
    case 0x00DF: // ß
    case 0x1E9E: // ẞ
        out += u"ss";
        return true;
    case 0x00C6: // Æ
    case 0x00E6:
        out += u"ae";
        return true;
    case 0x0152: // Œ
    case 0x0153:
        out += u"oe";
        return true;
    case 0x00D8: // Ø
    case 0x00F8:
        out += u'o';
        return true;
    case 0x0141: // Ł
    case 0x0142:
        out += u'l';
        return true;
    default:
        return false;
    }
}

bool IsAscii(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

bool IsWordCharacter(QChar c) {
    // Marks belong to the letter they decorate; surrogates carry letters beyond the first plane.
    return c.isLetterOrNumber() || c.isMark() || c.isSurrogate();
}

// Where a file name's run of letters and digits splits further: "MeinSmiley1" -> Mein Smiley 1.
QStringList CompoundParts(const QString& token) {
    QStringList parts;
    qsizetype start = 0;
    for (qsizetype i = 1; i < token.size(); ++i) {
        const QChar before = token.at(i - 1), c = token.at(i);
        const bool camel = before.isLower() && c.isUpper();
        const bool digits = before.isDigit() != c.isDigit() && !c.isMark() && !before.isSurrogate();
        if (camel || digits) {
            parts << token.mid(start, i - start);
            start = i;
        }
    }
    if (start > 0)
        parts << token.mid(start);
    return parts;
}

// Runs of word characters, unfolded.
QStringList Tokens(const QString& text) {
    QStringList tokens;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool word = i < text.size() && IsWordCharacter(text.at(i));
        if (word && start < 0)
            start = i;
        if (!word && start >= 0) {
            tokens << text.mid(start, i - start);
            start = -1;
        }
    }
    return tokens;
}

// The words a file name is found by: its tokens and their compound parts.
QStringList FileNameWords(const QString& stem) {
    QStringList words;
    for (const QString& token : Tokens(stem)) {
        words << FoldForSearch(token);
        for (const QString& part : CompoundParts(token))
            words << FoldForSearch(part);
    }
    return words;
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
    for (const QByteArray& line : lines) {
        if (line == kKeywordHeader)
            continue;
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() < 2 || fields.at(0).isEmpty())
            continue;
        const QString stem = QString::fromUtf8(fields.at(0)).toLower();
        PictureWords words;
        words.name = QString::fromUtf8(fields.at(1));
        for (qsizetype i = 2; i < fields.size(); ++i)
            words.keywords << QString::fromUtf8(fields.at(i));
        table.insert(stem, words);
    }
    return table;
}

KeywordTable LoadKeywordFile(const QString& userCatalogueFolder,
                             const QString& catalogueBaseFolder, const QString& code) {
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
    if (IsAscii(text))
        return text.toLower();
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.isMark() || AppendSpelledOut(out, c))
            continue;
        out += c.toCaseFolded();
    }
    return out;
}

QStringList SearchWords(const QString& text) {
    QStringList words;
    for (const QString& token : Tokens(text))
        words << FoldForSearch(token);
    return words;
}

void PictureIndex::Clear() {
    paths_.clear();
    names_.clear();
    words_.clear();
    wordStarts_.clear();
    pictures_.clear();
}

void PictureIndex::Build(const QStringList& paths,
                         const std::vector<const KeywordTable*>& tables) {
    Clear();
    paths_ = paths;
    names_.resize(paths.size());

    // Every (word, picture) pair once, the word by a provisional number.
    QHash<QString, int> numbers;
    std::vector<QString> provisional;
    std::vector<std::pair<int, int>> pairs;
    QStringList words;
    for (qsizetype picture = 0; picture < paths.size(); ++picture) {
        const QString stem = StemOf(paths.at(picture));
        words = FileNameWords(stem);
        QStringList& names = names_[picture];
        names << SearchWords(stem).join(u' ');
        const QString key = stem.toLower();
        for (const KeywordTable* table : tables) {
            const auto found = table->constFind(key);
            if (found == table->cend())
                continue;
            const QStringList nameWords = SearchWords(found->name);
            names << nameWords.join(u' ');
            words << nameWords;
            for (const QString& keyword : found->keywords)
                words << SearchWords(keyword);
        }
        words.removeDuplicates();
        for (const QString& word : words) {
            const auto known = numbers.constFind(word);
            int number = 0;
            if (known != numbers.cend()) {
                number = *known;
            } else {
                number = static_cast<int>(provisional.size());
                numbers.insert(word, number);
                provisional.push_back(word);
            }
            pairs.emplace_back(number, static_cast<int>(picture));
        }
    }

    // Sorted words, each with its pictures in catalogue order (the pairs came in that order).
    std::vector<int> order(provisional.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return provisional[a] < provisional[b]; });
    std::vector<int> rank(provisional.size());
    words_.reserve(order.size());
    for (size_t i = 0; i < order.size(); ++i) {
        rank[order[i]] = static_cast<int>(i);
        words_.push_back(provisional[order[i]]);
    }
    wordStarts_.assign(words_.size() + 1, 0);
    for (const auto& [word, picture] : pairs)
        ++wordStarts_[rank[word] + 1];
    std::partial_sum(wordStarts_.begin(), wordStarts_.end(), wordStarts_.begin());
    pictures_.resize(pairs.size());
    std::vector<int> next(wordStarts_.begin(), wordStarts_.end() - 1);
    for (const auto& [word, picture] : pairs)
        pictures_[next[rank[word]]++] = picture;
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
    QSet<QPair<QString, qint64>> seenPictures;
    QStringList folders = categoryFolders;
    folders << favouritesFolder;
    for (const QString& folder : folders) {
        const QStringList paths = ListPicturePaths(folder);
        if (paths.isEmpty())
            continue;
        // Two categories may name one folder; its pictures are listed once.
        const QString disk = paths.first().left(paths.first().lastIndexOf(u'/') + 1);
        if (seenFolders.contains(disk))
            continue;
        seenFolders.insert(disk);
        for (const QString& path : paths) {
            const QFileInfo info(path);
            const QPair<QString, qint64> key(info.fileName().toLower(), info.size());
            if (seenPictures.contains(key))
                continue;
            seenPictures.insert(key);
            pictures << path;
        }
    }
    return pictures;
}
