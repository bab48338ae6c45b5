// File-format and drawing benchmarks. Every operation of the program runs next to a raw baseline
// that does the same file or pixel work without the program's rules; the ratio of the two is what
// the report shows, so the figures hold on any machine.
#include "balloon/balloon_composition.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/catalogue_tree.h"
#include "catalogue/picture_page.h"
#include "catalogue/picture_search.h"
#include "catalogue/picture_server.h"
#include "catalogue/picture_sizes.h"
#include "catalogue/skin_tones.h"
#include "integration/mail_defs.h"
#include "integration/translation_table.h"
#include "platform/program_folder.h"

#include <QBuffer>
#include <QCollator>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <unistd.h>

namespace {

QTemporaryDir& Scratch() {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/glimmora-bench-XXXXXX"));
    return dir;
}

QString ScratchPath(const QString& name) {
    return Scratch().path() + u'/' + name;
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// Reads every line of the files, the least any reader of line-based text has to do.
qsizetype ReadLines(const QStringList& files) {
    qsizetype lines = 0;
    for (const QString& path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(path));
        while (!file.atEnd()) {
            const QByteArray line = file.readLine();
            benchmark::DoNotOptimize(line.data());
            ++lines;
        }
    }
    return lines;
}

// ---- catalogue: 5,000 categories in three definition files and 200 own categories -----------

struct CatalogueFiles {
    QString user, base, own;
    QStringList files;
};

const CatalogueFiles& Catalogue() {
    static const CatalogueFiles files = [] {
        CatalogueFiles c;
        c.user = ScratchPath("catalogue/user/");
        c.base = ScratchPath("catalogue/base/");
        c.own = c.user + "owncats/";
        const int perFile[] = {1667, 1667, 1666};
        int n = 0;
        for (int f = 0; f < 3; ++f) {
            QByteArray text;
            for (int i = 0; i < perFile[f]; ++i, ++n) {
                // Top-level categories with children and grandchildren, as the shipped files have.
                const int depth = i % 10 == 0 ? 0 : i % 10 < 4 ? 1 : 2;
                text += QByteArray(depth, '-') + "[Category " + QByteArray::number(n) + "]folder" +
                        QByteArray::number(n) + "\r\n";
            }
            const QString path = c.user + QStringLiteral("pics.set%1.def").arg(f);
            WriteBytes(path, text);
            c.files << path;
        }
        QByteArray own;
        for (int i = 0; i < 200; ++i)
            own += QByteArray::number(1000000 + i * 37) + ":Own category " + QByteArray::number(i) +
                   "\r\n";
        WriteBytes(c.user + "owncats.dat", own);
        c.files << c.user + "owncats.dat";
        return c;
    }();
    return files;
}

void BM_ReadCatalogue(benchmark::State& state) {
    const CatalogueFiles& c = Catalogue();
    for (auto _ : state) {
        const CatalogueData data = ReadCatalogue(c.user, c.base, c.own);
        if (data.nodes.size() != 5200)
            state.SkipWithError("wrong number of categories");
        benchmark::DoNotOptimize(data.nodes.data());
    }
}
BENCHMARK(BM_ReadCatalogue)->Unit(benchmark::kMillisecond);

void BM_ReadCatalogueBaseline(benchmark::State& state) {
    const CatalogueFiles& c = Catalogue();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadLines(c.files));
}
BENCHMARK(BM_ReadCatalogueBaseline)->Unit(benchmark::kMillisecond);

// ---- picture page: a folder of 10,000 pictures --------------------------------------------------

// Real pictures: the page reads each one's size from its header.
QByteArray SmallPng() {
    QImage image(48, 48, QImage::Format_ARGB32);
    image.fill(QColor(0xF5, 0xC5, 0x42));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

const char* const kPictureWords[] = {"smiley", "Wink", "heart", "cat-face", "grin", "Rocket"};

const QString& PictureFolder() {
    static const QString folder = [] {
        const QString dir = ScratchPath("pictures/many/");
        QDir().mkpath(dir);
        const QByteArray png = SmallPng();
        // As shipped, pictures drawn twice as large beside them (here for every other one).
        QDir().mkpath(dir + "2x/");
        const char* const types[] = {".gif", ".png", ".jpg", ".PNG"};
        for (int i = 0; i < 10000; ++i) {
            // Scrambled numbers, so that the listing order is no sorted order. The content is PNG
            // whatever the extension says, so the size reader has to look at it.
            const int k = (i * 7919) % 10000;
            const QString name =
                QStringLiteral("%1-%2%3").arg(kPictureWords[k % 6]).arg(k).arg(types[k % 4]);
            WriteBytes(dir + name, png);
            if (k % 2 == 0)
                WriteBytes(dir + "2x/" + name, png);
        }
        return dir;
    }();
    return folder;
}

// The page as the program writes it, after it has shown the category before (the sizes are
// remembered) or for the first time (`firstVisit`: every header is read).
void WriteCategoryPageBench(benchmark::State& state, bool firstVisit) {
    const QString& folder = PictureFolder();
    WriteCategoryPage(folder);
    qint64 bytes = 0;
    for (auto _ : state) {
        if (firstVisit)
            ForgetPictureDisplaySizes();
        const QString page = WriteCategoryPage(folder);
        bytes = QFileInfo(page).size();
    }
    state.counters["page_bytes"] = static_cast<double>(bytes);
}

void BM_WriteCategoryPage(benchmark::State& state) {
    WriteCategoryPageBench(state, false);
}
BENCHMARK(BM_WriteCategoryPage)->Unit(benchmark::kMillisecond);

// As many pictures in a folder of the shipped catalogue, every fifth with its five skin tones in
// tones/ (as the hands and people have them), shown in a tone.
void BM_WriteCategoryPageToned(benchmark::State& state) {
    const QString program = ScratchPath("toned/");
    const QString folder = program + "GlimmoraData/people/";
    if (!QFileInfo::exists(folder)) {
        const QByteArray png = SmallPng();
        const char* const tones[] = {"light", "medium-light", "medium", "medium-dark", "dark"};
        for (int i = 0; i < 10000; ++i) {
            const int k = (i * 7919) % 10000;
            const QString stem = QStringLiteral("%1-%2").arg(kPictureWords[k % 6]).arg(k);
            WriteBytes(folder + stem + ".png", png);
            for (const char* tone : tones) {
                if (k % 5 == 0)
                    WriteBytes(folder + "tones/" + stem + '-' + tone + "-skin-tone.png", png);
            }
        }
    }
    const QString savedProgram = ProgramFolder();
    SetProgramFolder(program);
    SetChosenSkinTone(SkinTone::Medium);
    WriteCategoryPage(folder);
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteCategoryPage(folder));
    SetChosenSkinTone(SkinTone::None);
    SetProgramFolder(savedProgram);
}
BENCHMARK(BM_WriteCategoryPageToned)->Unit(benchmark::kMillisecond);

void BM_WriteCategoryPageFirstVisit(benchmark::State& state) {
    WriteCategoryPageBench(state, true);
}
BENCHMARK(BM_WriteCategoryPageFirstVisit)->Unit(benchmark::kMillisecond);

// The same work done plainly: list the folder, sort the names case-insensitively in the locale's
// order, encode and escape each address, learn each picture's size (a status call, or on a first
// visit its header), give it an address of the picture server, write the page to a new file and
// rename it over the old one. The 2x pictures: one listing of their folder, a look-up per picture.
void WritePageBaseline(benchmark::State& state, bool readHeaders) {
    const QString& folder = PictureFolder();
    const QString out = ScratchPath("pictures/baseline.htm");
    qint64 bytes = 0;
    for (auto _ : state) {
        QStringList names;
        for (QDirIterator it(folder, QDir::Files); it.hasNext();)
            names << it.nextFileInfo().fileName();
        QCollator collator;
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::sort(names.begin(), names.end(),
                  [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
        QSet<QString> twice;
        for (QDirIterator it(folder + "2x/", QDir::Files); it.hasNext();)
            twice.insert(it.nextFileInfo().fileName());

        QByteArray page;
        QSet<QString> served;
        int index = 0;
        for (const QString& name : names) {
            const QByteArray url =
                QString::fromLatin1(QUrl::fromLocalFile(folder + name).toEncoded())
                    .toHtmlEscaped()
                    .toLatin1();
            QByteArray source = url;
            if (index++ >= 200) { // past the first 200 pictures: the picture server's address
                served.insert(folder + name);
                source = "http://127.0.0.1:4711/0123456789abcdef0123456789abcdef" +
                         QUrl::toPercentEncoding(folder + name, "/");
            }
            const QSize size = readHeaders ? QImageReader(folder + name).size()
                                           : QSize(int(QFileInfo(folder + name).size()), 0);
            const QByteArray srcset =
                twice.contains(name)
                    ? " srcset=\"" + QUrl::fromLocalFile(folder + "2x/" + name).toEncoded() +
                          " 2x\""
                    : QByteArray();
            page += "<a href=\"" + url + "\"><img src=\"" + source + "\"" + srcset + ' ' +
                    QByteArray::number(size.width()) + ' ' + QByteArray::number(size.height()) +
                    ">\r\r\n";
        }
        QFile file(out + ".new");
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(page) != page.size() || !file.flush())
            state.SkipWithError("cannot write");
        file.close();
        ::rename(QFile::encodeName(out + ".new").constData(), QFile::encodeName(out).constData());
        bytes = page.size();
    }
    state.counters["page_bytes"] = static_cast<double>(bytes);
}

void BM_WriteCategoryPageBaseline(benchmark::State& state) {
    WritePageBaseline(state, false);
}
BENCHMARK(BM_WriteCategoryPageBaseline)->Unit(benchmark::kMillisecond);

void BM_WriteCategoryPageFirstVisitBaseline(benchmark::State& state) {
    WritePageBaseline(state, true);
}
BENCHMARK(BM_WriteCategoryPageFirstVisitBaseline)->Unit(benchmark::kMillisecond);

// ---- search: the shipped catalogue and a synthetic one of 100,000 pictures ---------------------

// The shipped catalogue as the main window sees it: categories in tree order, keyword files of
// German (the program's language), Italian (the desktop's) and English, shortcodes and the order
// of use.
struct ShippedCatalogue {
    QString data;
    QStringList folders;
};

const ShippedCatalogue& Shipped() {
    static const ShippedCatalogue shipped = [] {
        ShippedCatalogue c;
        c.data = QStringLiteral(GLIMMORA_SHIPPED_DIR "GlimmoraData/");
        c.folders = ReadCatalogue(c.data, c.data, c.data + "owncats/").CategoryFolders;
        return c;
    }();
    return shipped;
}

// What the main window does before the first search after a change of the catalogue.
void BuildShippedIndex(PictureIndex& index, const QString& desktopLocale = "it_IT.UTF-8") {
    const ShippedCatalogue& c = Shipped();
    BuildCatalogueIndex(index, c.folders, ScratchPath("no-favourites/"), c.data, c.data, 1,
                        desktopLocale);
}

void BuildSearchIndexShipped(benchmark::State& state, const QString& desktopLocale) {
    PictureIndex index;
    for (auto _ : state) {
        BuildShippedIndex(index, desktopLocale);
        if (index.Count() < 1000)
            state.SkipWithError("the shipped catalogue was not found");
    }
    state.counters["pictures"] = index.Count();
}

void BM_BuildSearchIndexShipped(benchmark::State& state) {
    BuildSearchIndexShipped(state, "it_IT.UTF-8");
}
BENCHMARK(BM_BuildSearchIndexShipped)->Unit(benchmark::kMillisecond);

// A desktop in Chinese (traditional script): the keyword files whose letters lie beyond the
// alphabets that folding keeps in a table.
void BM_BuildSearchIndexShippedChinese(benchmark::State& state) {
    BuildSearchIndexShipped(state, "zh_TW.UTF-8");
}
BENCHMARK(BM_BuildSearchIndexShippedChinese)->Unit(benchmark::kMillisecond);

// Reads the folder names of the same categories: the least a search over them has to do.
void BM_BuildSearchIndexShippedBaseline(benchmark::State& state) {
    const ShippedCatalogue& c = Shipped();
    for (auto _ : state) {
        qsizetype files = 0;
        for (const QString& folder : c.folders)
            files += QDir(folder).entryList(QDir::Files).size();
        benchmark::DoNotOptimize(files);
    }
}
BENCHMARK(BM_BuildSearchIndexShippedBaseline)->Unit(benchmark::kMillisecond);

const PictureIndex& ShippedIndex() {
    static const PictureIndex index = [] {
        PictureIndex built;
        BuildShippedIndex(built);
        return built;
    }();
    return index;
}

// 100,000 pictures in 1,000 categories, named and tagged from a small vocabulary as emoji are.
struct SyntheticCatalogue {
    QStringList paths;
    KeywordTable keywords;
    PictureIndex index;
};

const SyntheticCatalogue& Synthetic() {
    static const SyntheticCatalogue synthetic = [] {
        const char* const words[] = {
            "heart",  "face",     "cat",    "dog",   "smile",  "grin",  "red",   "blue", "green",
            "star",   "sun",      "moon",   "hand",  "party",  "flag",  "food",  "cake", "tree",
            "flower", "car",      "train",  "house", "book",   "phone", "music", "ball", "fire",
            "water",  "snow",     "rain",   "happy", "sad",    "angry", "love",  "kiss", "wink",
            "laugh",  "cry",      "sleep",  "cool",  "hearth", "heavy", "hello", "help", "herb",
            "hero",   "face-off", "cattle", "dogma"};
        const int vocabulary = sizeof(words) / sizeof(words[0]);
        SyntheticCatalogue c;
        // Every tenth picture is counted in the order of use and has a shortcode, as emoji
        // among own pictures are.
        PopularityTable use;
        ShortcodeTable shortcodes;
        for (int i = 0; i < 100000; ++i) {
            const int k = (i * 7919) % 100003;
            const QString stem = QStringLiteral("%1-%2-%3")
                                     .arg(words[k % vocabulary])
                                     .arg(words[(k / vocabulary) % vocabulary])
                                     .arg(i);
            c.paths << QStringLiteral("/synthetic/category%1/%2.png").arg(i / 100).arg(stem);
            c.keywords.insert(stem, {QStringLiteral("%1 %2").arg(words[(k / 7) % vocabulary],
                                                                 words[(k / 11) % vocabulary]),
                                     QStringLiteral("%1\t%2").arg(words[(k / 13) % vocabulary],
                                                                  words[(k / 17) % vocabulary])});
            if (i % 10 == 0) {
                use.insert(stem, k);
                shortcodes.insert(stem,
                                  {QStringLiteral(":%1_%2:").arg(words[(k / 19) % vocabulary],
                                                                 words[(k / 23) % vocabulary]),
                                   QStringLiteral(":)")});
            }
        }
        c.index.Build(c.paths, {&c.keywords}, shortcodes, use);
        return c;
    }();
    return synthetic;
}

const QStringList kKeystrokes = {"h", "he", "hea", "hear", "heart"};
// Texts with typing errors, emoticons and shortcodes: each word of four letters or more is also
// compared with every word of the index.
const QStringList kTypedWithErrors = {"hert", "pizzza", "smilling", "rocet", ":)", ":+1:"};
constexpr int kFoundPageLimit = 1000; // as the main window shows at most

// One keystroke: find, then write the result page (loading it is the browser's start of work).
template <typename Find>
void Type(benchmark::State& state, const QStringList& keystrokes, const Find& find) {
    const QString page = ScratchPath("search/temp.htm");
    QDir().mkpath(ScratchPath("search"));
    const QString base = QStringLiteral(GLIMMORA_SHIPPED_DIR "GlimmoraData/");
    double slowest = 0;
    size_t key = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const QString& typed = keystrokes.at(static_cast<qsizetype>(key++ % keystrokes.size()));
        const QStringList found = find(typed);
        WriteFoundPage(page, found, {typed, QString()}, 7, base);
        slowest = std::max(slowest, std::chrono::duration<double, std::milli>(
                                        std::chrono::steady_clock::now() - start)
                                        .count());
    }
    state.counters["slowest_ms"] = slowest;
}

QStringList FirstFound(const PictureIndex& index, const QString& typed) {
    QStringList found;
    for (int picture : index.Find(typed)) {
        if (found.size() == kFoundPageLimit)
            break;
        found << index.Path(picture);
    }
    return found;
}

// The plain scan: every name that holds the typed text anywhere, without regard to case.
QStringList ScanNames(const QStringList& paths, const QString& typed) {
    QStringList found;
    for (const QString& path : paths) {
        if (found.size() == kFoundPageLimit)
            break;
        if (QStringView(path).mid(path.lastIndexOf(u'/') + 1).contains(typed, Qt::CaseInsensitive))
            found << path;
    }
    return found;
}

void BM_SearchKeystrokeShipped(benchmark::State& state) {
    const PictureIndex& index = ShippedIndex();
    Type(state, kKeystrokes, [&](const QString& typed) { return FirstFound(index, typed); });
}
BENCHMARK(BM_SearchKeystrokeShipped)->Unit(benchmark::kMillisecond);

QStringList ShippedPaths() {
    QStringList paths;
    for (int i = 0; i < ShippedIndex().Count(); ++i)
        paths << ShippedIndex().Path(i);
    return paths;
}

void BM_SearchKeystrokeShippedBaseline(benchmark::State& state) {
    const QStringList paths = ShippedPaths();
    Type(state, kKeystrokes, [&](const QString& typed) { return ScanNames(paths, typed); });
}
BENCHMARK(BM_SearchKeystrokeShippedBaseline)->Unit(benchmark::kMillisecond);

void BM_SearchTypingErrorsShipped(benchmark::State& state) {
    const PictureIndex& index = ShippedIndex();
    Type(state, kTypedWithErrors, [&](const QString& typed) { return FirstFound(index, typed); });
}
BENCHMARK(BM_SearchTypingErrorsShipped)->Unit(benchmark::kMillisecond);

void BM_SearchTypingErrorsShippedBaseline(benchmark::State& state) {
    const QStringList paths = ShippedPaths();
    Type(state, kTypedWithErrors, [&](const QString& typed) { return ScanNames(paths, typed); });
}
BENCHMARK(BM_SearchTypingErrorsShippedBaseline)->Unit(benchmark::kMillisecond);

void BM_SearchKeystroke100k(benchmark::State& state) {
    const PictureIndex& index = Synthetic().index;
    Type(state, kKeystrokes, [&](const QString& typed) { return FirstFound(index, typed); });
}
BENCHMARK(BM_SearchKeystroke100k)->Unit(benchmark::kMillisecond);

void BM_SearchKeystroke100kBaseline(benchmark::State& state) {
    const QStringList& paths = Synthetic().paths;
    Type(state, kKeystrokes, [&](const QString& typed) { return ScanNames(paths, typed); });
}
BENCHMARK(BM_SearchKeystroke100kBaseline)->Unit(benchmark::kMillisecond);

void BM_SearchTypingErrors100k(benchmark::State& state) {
    const PictureIndex& index = Synthetic().index;
    Type(state, kTypedWithErrors, [&](const QString& typed) { return FirstFound(index, typed); });
}
BENCHMARK(BM_SearchTypingErrors100k)->Unit(benchmark::kMillisecond);

void BM_SearchTypingErrors100kBaseline(benchmark::State& state) {
    const QStringList& paths = Synthetic().paths;
    Type(state, kTypedWithErrors, [&](const QString& typed) { return ScanNames(paths, typed); });
}
BENCHMARK(BM_SearchTypingErrors100kBaseline)->Unit(benchmark::kMillisecond);

// ---- translation table: 10,001 entries ---------------------------------------------------------

const QString& TranslationFile() {
    static const QString path = [] {
        // CreateTranslationTable finds "<name>.def" in the user's data folder.
        const QString file =
            qEnvironmentVariable("XDG_DATA_HOME") + "/Orvandeck/Glimmora/BenchLanguage.def";
        QByteArray text;
        for (int n = 0; n < AbTrans2::kSlots; ++n)
            text += '[' + QByteArray::number(n) + "]\r\nText number " + QByteArray::number(n) +
                    (n % 10 == 0 ? "\r\nwith a second line" : "") + "\r\n";
        text += "[END]\r\n";
        WriteBytes(file, text);
        return file;
    }();
    return path;
}

void BM_CreateTranslationTable(benchmark::State& state) {
    TranslationFile();
    for (auto _ : state) {
        CreateTranslationTable(QStringLiteral("BenchLanguage"));
        if (GetTextBytes(10000) != "Text number 10000\rwith a second line")
            state.SkipWithError("table not loaded");
    }
}
BENCHMARK(BM_CreateTranslationTable)->Unit(benchmark::kMillisecond);

void BM_CreateTranslationTableBaseline(benchmark::State& state) {
    const QStringList files{TranslationFile()};
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadLines(files));
}
BENCHMARK(BM_CreateTranslationTableBaseline)->Unit(benchmark::kMillisecond);

// ---- large inputs: 100,000 mail-client sections, a 10 MB text line, 2,000 nesting levels -------

const QString& LargeMailDefs() {
    static const QString path = [] {
        const QString file = ScratchPath("large/glimmora.maildef.ini");
        QByteArray text = "[Glimmora]\r\nmaildef_version=1\r\nvalid_for_Version_1=1\r\n";
        for (int n = 0; n < 100000; ++n)
            text += '[' + QByteArray::number(n) + "]\r\nname=Client " + QByteArray::number(n) +
                    "\r\nlanguage=en\r\nwindowclass=client\r\ninsert=|STRG|v|ESTRG|\r\n";
        WriteBytes(file, text);
        return file;
    }();
    return path;
}

void BM_LoadMailDefsLarge(benchmark::State& state) {
    for (auto _ : state) {
        LoadMailDefs(LargeMailDefs());
        if (MailDefList().size() != 501)
            state.SkipWithError("wrong number of definitions");
    }
}
BENCHMARK(BM_LoadMailDefsLarge)->Unit(benchmark::kMillisecond);

void BM_LoadMailDefsLargeBaseline(benchmark::State& state) {
    const QStringList files{LargeMailDefs()};
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadLines(files));
}
BENCHMARK(BM_LoadMailDefsLargeBaseline)->Unit(benchmark::kMillisecond);

const QByteArray& LongLineTranslation() {
    static const QByteArray text =
        "[0]\r\nEnglish\r\n[1]\r\n" + QByteArray(10'000'000, 'x') + "\r\n[END]\r\n";
    return text;
}

void BM_TranslationLongLine(benchmark::State& state) {
    for (auto _ : state) {
        AbTrans2 table;
        table.LoadFromBytes(LongLineTranslation());
        benchmark::DoNotOptimize(table.text(1).constData());
    }
}
BENCHMARK(BM_TranslationLongLine)->Unit(benchmark::kMillisecond);

void BM_TranslationLongLineBaseline(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(LongLineTranslation().split('\n').size());
}
BENCHMARK(BM_TranslationLongLineBaseline)->Unit(benchmark::kMillisecond);

const CatalogueFiles& DeepCatalogue() {
    static const CatalogueFiles files = [] {
        CatalogueFiles c;
        c.user = ScratchPath("deep/user/");
        c.base = ScratchPath("deep/base/");
        c.own = c.user + "owncats/";
        QByteArray text;
        for (int level = 0; level < 2000; ++level)
            text += QByteArray(level, '-') + "[Level]l\r\n";
        WriteBytes(c.user + "pics.deep.def", text);
        c.files << c.user + "pics.deep.def";
        return c;
    }();
    return files;
}

void BM_ReadDeepCatalogueIntoModel(benchmark::State& state) {
    const CatalogueFiles& c = DeepCatalogue();
    for (auto _ : state) {
        const CatalogueData data = ReadCatalogue(c.user, c.base, c.own);
        if (data.nodes.size() != 2000)
            state.SkipWithError("the deep file was not read");
        QStandardItemModel model;
        FillCatalogueModel(model, data);
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(BM_ReadDeepCatalogueIntoModel)->Unit(benchmark::kMillisecond);

void BM_ReadDeepCatalogueBaseline(benchmark::State& state) {
    const CatalogueFiles& c = DeepCatalogue();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadLines(c.files));
}
BENCHMARK(BM_ReadDeepCatalogueBaseline)->Unit(benchmark::kMillisecond);

// ---- balloon: five lines of 30 characters ----------------------------------------------------

const QStringList& BalloonLines() {
    static const QStringList lines(5, QStringLiteral("Thirty characters of text!!.."));
    return lines;
}

const QImage& BalloonPicture() {
    static const QImage picture = [] {
        QImage image(48, 48, QImage::Format_ARGB32);
        image.fill(QColor(0xF5, 0xC5, 0x42));
        return image;
    }();
    return picture;
}

void BM_ComposeBalloon(benchmark::State& state) {
    const QFont font = BalloonTextFont();
    const BalloonPieces& pieces = StandardBalloonPieces();
    for (auto _ : state) {
        const BalloonComposition result =
            ComposeBalloon(BalloonLines(), BalloonPicture(), font, pieces);
        if (result.image.isNull())
            state.SkipWithError("no image");
        benchmark::DoNotOptimize(result.image.constBits());
    }
}
BENCHMARK(BM_ComposeBalloon)->Unit(benchmark::kMicrosecond);

void BM_ComposeBalloonBaseline(benchmark::State& state) {
    const QSize size =
        ComposeBalloon(BalloonLines(), BalloonPicture(), BalloonTextFont(), StandardBalloonPieces())
            .resultSize;
    for (auto _ : state) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["pixels"] = size.width() * size.height();
}
BENCHMARK(BM_ComposeBalloonBaseline)->Unit(benchmark::kMicrosecond);

// Keeps the wall and CPU time per iteration of every run, to print the ratios at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal: the report is often kept in a file.
    RatioReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                const double n = static_cast<double>(run.iterations);
                times_[run.benchmark_name()] = {run.real_accumulated_time / n,
                                                run.cpu_accumulated_time / n};
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatio(const char* what, const std::string& program, const std::string& baseline) {
        const auto p = times_.find(program), b = times_.find(baseline);
        if (p == times_.end() || b == times_.end() || b->second.wall <= 0 || b->second.cpu <= 0)
            return;
        std::printf(
            "%-56s %9.3f ms vs %9.3f ms  ratio %6.2f   CPU %9.3f vs %9.3f ms  ratio %6.2f\n", what,
            p->second.wall * 1e3, b->second.wall * 1e3, p->second.wall / b->second.wall,
            p->second.cpu * 1e3, b->second.cpu * 1e3, p->second.cpu / b->second.cpu);
    }

private:
    struct Times {
        double wall = 0, cpu = 0;
    };
    std::map<std::string, Times> times_;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!Scratch().isValid())
        return 1;
    // A home of its own: the page and the translation file go to the user's data folder.
    qputenv("XDG_DATA_HOME", ScratchPath("home").toLocal8Bit());
    QGuiApplication app(argc, argv);
    SetProgramFolder(ScratchPath("program"));
    PictureServer pictures; // the page names its pictures by the server's addresses, as it runs
    if (pictures.Listen())
        PictureServer::SetActive(&pictures);

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nRatio against the raw baseline of the same run (lower is better):\n");
    reporter.PrintRatio("ReadCatalogue, 5,000 + 200 categories / read lines", "BM_ReadCatalogue",
                        "BM_ReadCatalogueBaseline");
    reporter.PrintRatio("WriteCategoryPage, 10,000 pictures seen before / plain",
                        "BM_WriteCategoryPage", "BM_WriteCategoryPageBaseline");
    reporter.PrintRatio("WriteCategoryPage, 10,000 pictures in a skin tone / plain",
                        "BM_WriteCategoryPageToned", "BM_WriteCategoryPageBaseline");
    reporter.PrintRatio("WriteCategoryPage, 10,000 pictures first visit / plain",
                        "BM_WriteCategoryPageFirstVisit", "BM_WriteCategoryPageFirstVisitBaseline");
    reporter.PrintRatio("CreateTranslationTable, 10,001 entries / read lines",
                        "BM_CreateTranslationTable", "BM_CreateTranslationTableBaseline");
    reporter.PrintRatio("LoadMailDefs, 100,000 sections / read lines", "BM_LoadMailDefsLarge",
                        "BM_LoadMailDefsLargeBaseline");
    reporter.PrintRatio("Translation table, one 10 MB line / split lines", "BM_TranslationLongLine",
                        "BM_TranslationLongLineBaseline");
    reporter.PrintRatio("ReadCatalogue + model, 2,000 levels / read lines",
                        "BM_ReadDeepCatalogueIntoModel", "BM_ReadDeepCatalogueBaseline");
    reporter.PrintRatio("ComposeBalloon, 5 lines x 30 characters / fill image", "BM_ComposeBalloon",
                        "BM_ComposeBalloonBaseline");
    reporter.PrintRatio("Search index, shipped catalogue / list its folders",
                        "BM_BuildSearchIndexShipped", "BM_BuildSearchIndexShippedBaseline");
    reporter.PrintRatio("Search index, shipped, Chinese desktop / list its folders",
                        "BM_BuildSearchIndexShippedChinese", "BM_BuildSearchIndexShippedBaseline");
    reporter.PrintRatio("Search keystroke + page, shipped / substring scan + page",
                        "BM_SearchKeystrokeShipped", "BM_SearchKeystrokeShippedBaseline");
    reporter.PrintRatio("Search typing errors + page, shipped / substring scan + page",
                        "BM_SearchTypingErrorsShipped", "BM_SearchTypingErrorsShippedBaseline");
    reporter.PrintRatio("Search keystroke + page, 100,000 / substring scan + page",
                        "BM_SearchKeystroke100k", "BM_SearchKeystroke100kBaseline");
    reporter.PrintRatio("Search typing errors + page, 100,000 / substring scan + page",
                        "BM_SearchTypingErrors100k", "BM_SearchTypingErrors100kBaseline");
    benchmark::Shutdown();
    return 0;
}
