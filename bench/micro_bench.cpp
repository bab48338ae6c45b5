// File-format and drawing benchmarks. Every operation of the program runs next to a raw baseline
// that does the same file or pixel work without the program's rules; the ratio of the two is what
// the report shows, so the figures hold on any machine.
#include "balloon/balloon_composition.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/catalogue_tree.h"
#include "catalogue/picture_page.h"
#include "integration/mail_defs.h"
#include "localisation/translation_table.h"
#include "platform/program_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
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

const QString& PictureFolder() {
    static const QString folder = [] {
        const QString dir = ScratchPath("pictures/many/");
        QDir().mkpath(dir);
        const char* const types[] = {".gif", ".png", ".jpg", ".PNG"};
        const char* const words[] = {"smiley", "Wink", "heart", "cat-face", "grin", "Rocket"};
        for (int i = 0; i < 10000; ++i) {
            // Scrambled numbers, so that the listing order is no sorted order.
            const int k = (i * 7919) % 10000;
            QFile file(dir + QStringLiteral("%1-%2%3").arg(words[k % 6]).arg(k).arg(types[k % 4]));
            if (!file.open(QIODevice::WriteOnly))
                qFatal("cannot create the pictures");
        }
        return dir;
    }();
    return folder;
}

void BM_WriteCategoryPage(benchmark::State& state) {
    const QString& folder = PictureFolder();
    qint64 bytes = 0;
    for (auto _ : state) {
        const QString page = WriteCategoryPage(folder);
        bytes = QFileInfo(page).size();
    }
    state.counters["page_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_WriteCategoryPage)->Unit(benchmark::kMillisecond);

void BM_WriteCategoryPageBaseline(benchmark::State& state) {
    const QString& folder = PictureFolder();
    const qint64 size = QFileInfo(WriteCategoryPage(folder)).size();
    const QByteArray filler(size, 'x');
    const QString out = ScratchPath("pictures/baseline.htm");
    for (auto _ : state) {
        QStringList names;
        for (QDirIterator it(folder, QDir::Files); it.hasNext();)
            names << it.nextFileInfo().fileName();
        std::sort(names.begin(), names.end());
        QFile file(out);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(filler) != size)
            state.SkipWithError("cannot write");
        benchmark::DoNotOptimize(names.data());
    }
}
BENCHMARK(BM_WriteCategoryPageBaseline)->Unit(benchmark::kMillisecond);

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

// Keeps the time per iteration of every run, to print the ratios at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal: the report is often kept in a file.
    RatioReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                seconds_[run.benchmark_name()] =
                    run.real_accumulated_time / static_cast<double>(run.iterations);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatio(const char* what, const std::string& program, const std::string& baseline) {
        const auto p = seconds_.find(program), b = seconds_.find(baseline);
        if (p == seconds_.end() || b == seconds_.end() || b->second <= 0)
            return;
        std::printf("%-58s %9.3f ms vs %9.3f ms  ratio %6.2f\n", what, p->second * 1e3,
                    b->second * 1e3, p->second / b->second);
    }

private:
    std::map<std::string, double> seconds_;
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

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nRatio against the raw baseline of the same run (lower is better):\n");
    reporter.PrintRatio("ReadCatalogue, 5,000 + 200 categories / read lines", "BM_ReadCatalogue",
                        "BM_ReadCatalogueBaseline");
    reporter.PrintRatio("WriteCategoryPage, 10,000 pictures / list+sort+write",
                        "BM_WriteCategoryPage", "BM_WriteCategoryPageBaseline");
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
    benchmark::Shutdown();
    return 0;
}
