// File-name wildcards and case-insensitive path look-up. A mask matches exactly as a plain
// character-by-character reference says ('*' any run, '?' one character, letter case ignored,
// "name.*" also finding a name without extension). On a generated folder, a path in any letter
// case resolves to the one entry it names, the exact spelling wins, and a path that names nothing
// keeps its components as given.
#include "fuzz_support.h"
#include "platform/file_system.h"

#include <QFileInfo>
#include <fuzzer/FuzzedDataProvider.h>
#include <sys/stat.h>

namespace {

std::vector<char32_t> Folded(const QString& text) {
    std::vector<char32_t> out;
    for (const char32_t c : text.toUcs4())
        out.push_back(QChar::toCaseFolded(c));
    return out;
}

bool ReferenceWildcard(const std::vector<char32_t>& name, const std::vector<char32_t>& mask) {
    // matches[j]: the mask's first j characters match the name's first i characters.
    std::vector<bool> matches(mask.size() + 1, false);
    matches[0] = true;
    for (size_t j = 1; j <= mask.size() && mask[j - 1] == U'*'; ++j)
        matches[j] = true;
    for (size_t i = 1; i <= name.size(); ++i) {
        std::vector<bool> next(mask.size() + 1, false);
        for (size_t j = 1; j <= mask.size(); ++j) {
            const char32_t m = mask[j - 1];
            if (m == U'*')
                next[j] = next[j - 1] || matches[j];
            else
                next[j] = matches[j - 1] && (m == U'?' || m == name[i - 1]);
        }
        matches = std::move(next);
    }
    return matches[mask.size()];
}

bool ReferenceMatchesMask(const QString& name, const QString& mask) {
    if (ReferenceWildcard(Folded(name), Folded(mask)))
        return true;
    return mask.endsWith(QStringLiteral(".*")) && !name.contains(u'.') &&
           ReferenceWildcard(Folded(name), Folded(mask.chopped(2)));
}

bool Exists(const QString& path) {
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

// Letters with case partners inside and outside the basic plane, and a dot.
const char32_t kAlphabet[] = {U'a',          U'A',          U'b',      U'B',
                              U'\u00E4',     U'\u00C4',     U'\u00DF', U'\u1E9E',
                              U'\U00010400', U'\U00010428', U'.',      U'x'};

QString FuzzedName(FuzzedDataProvider& in) {
    const int length = in.ConsumeIntegralInRange(1, 3);
    std::u32string name;
    for (int i = 0; i < length; ++i)
        name += kAlphabet[in.ConsumeIntegralInRange<size_t>(0, std::size(kAlphabet) - 1)];
    return QString::fromUcs4(name.data(), static_cast<qsizetype>(name.size()));
}

// The same name with the letter case of some characters turned.
QString TurnCase(const QString& name, FuzzedDataProvider& in) {
    std::u32string out;
    for (const char32_t c : name.toUcs4()) {
        out += !in.ConsumeBool()        ? c
               : QChar::toUpper(c) != c ? QChar::toUpper(c)
                                        : QChar::toLower(c);
    }
    return QString::fromUcs4(out.data(), static_cast<qsizetype>(out.size()));
}

struct Node {
    QString name; // on disk
    bool folder;
    int parent; // -1 for the root
};

void CheckMasks(FuzzedDataProvider& in) {
    const QString name = QString::fromStdString(in.ConsumeRandomLengthString(48));
    const QString mask = QString::fromStdString(in.ConsumeRandomLengthString(48));
    FUZZ_CHECK(MatchesMask(name, mask) == ReferenceMatchesMask(name, mask));
}

void CheckResolution(FuzzedDataProvider& in) {
    const QString root = FuzzScratchFolder() + QStringLiteral("tree");
    QDir(root).removeRecursively();
    FUZZ_CHECK(QDir().mkpath(root));
    std::vector<Node> nodes;
    const auto diskPath = [&](int index) {
        QString path;
        for (; index >= 0; index = nodes[index].parent)
            path = u'/' + nodes[index].name + path;
        return root + path;
    };
    const int count = in.ConsumeIntegralInRange(0, 12);
    for (int i = 0; i < count; ++i) {
        std::vector<int> folders = {-1};
        for (size_t n = 0; n < nodes.size(); ++n) {
            if (nodes[n].folder)
                folders.push_back(static_cast<int>(n));
        }
        const int parent = folders[in.ConsumeIntegralInRange<size_t>(0, folders.size() - 1)];
        Node node{FuzzedName(in), in.ConsumeBool(), parent};
        if (node.name == u"." || node.name == u"..")
            continue;
        nodes.push_back(node);
        const QString path = diskPath(static_cast<int>(nodes.size() - 1));
        const bool made = !Exists(path) && (node.folder ? QDir().mkdir(path) : [&] {
            QFile file(path);
            return file.open(QIODevice::WriteOnly);
        }());
        if (!made)
            nodes.pop_back();
    }

    // A query: names of the tree in another letter case, dots, and names that may not exist.
    QStringList parts;
    int at = -1; // where the reference walk stands; -2 once it left the tree or found nothing
    bool ambiguous = false;
    const int length = in.ConsumeIntegralInRange(1, 4);
    for (int i = 0; i < length; ++i) {
        QString part;
        switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0:
            part = QStringLiteral(".");
            break;
        case 1:
            part = QStringLiteral("..");
            break;
        case 2:
            part = FuzzedName(in);
            break;
        default:
            part =
                nodes.empty()
                    ? FuzzedName(in)
                    : TurnCase(nodes[in.ConsumeIntegralInRange<size_t>(0, nodes.size() - 1)].name,
                               in);
        }
        if (at >= 0 && !nodes[at].folder) {
            at = -2; // nothing lies below a file, not even "." or ".."
        } else if (part == u"..") {
            at = at >= 0 ? nodes[at].parent : -2;
        } else if (part != u"." && at != -2) {
            int found = -2;
            for (size_t n = 0; n < nodes.size(); ++n) {
                if (nodes[n].parent == at &&
                    nodes[n].name.compare(part, Qt::CaseInsensitive) == 0) {
                    ambiguous = ambiguous || found >= 0;
                    found = static_cast<int>(n);
                }
            }
            at = found;
        }
        parts.append(part);
    }
    const QString separator = in.ConsumeBool() ? QStringLiteral("/") : QStringLiteral("//");
    const bool trailingSlash = in.ConsumeBool();
    const QString query =
        root + u'/' + parts.join(separator) + (trailingSlash ? u"/"_qs : QString());
    if (trailingSlash && at >= 0 && !nodes[at].folder)
        at = -2; // a file named as a folder

    const QString resolved = ResolvePath(query);
    if (Exists(query))
        FUZZ_CHECK(resolved == query);
    const QStringList given = query.split(u'/', Qt::SkipEmptyParts);
    const QStringList got = resolved.split(u'/', Qt::SkipEmptyParts);
    FUZZ_CHECK(got.size() == given.size() && resolved.startsWith(u'/'));
    FUZZ_CHECK(resolved.endsWith(u'/') == query.endsWith(u'/'));
    for (qsizetype i = 0; i < got.size(); ++i)
        FUZZ_CHECK(got[i].compare(given[i], Qt::CaseInsensitive) == 0);
    if (at != -2 && !ambiguous) {
        FUZZ_CHECK(Exists(resolved));
        const QString target = at == -1 ? root : diskPath(at);
        FUZZ_CHECK(QFileInfo(resolved).canonicalFilePath() ==
                   QFileInfo(target).canonicalFilePath());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    CheckMasks(in);
    CheckResolution(in);
    return 0;
}
