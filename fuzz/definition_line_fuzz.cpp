// Definition lines and whole catalogues: any bytes parse without a fault; a catalogue read from a
// folder of damaged definition files keeps one node per line, parents before children, and every
// child's folder inside its parent's.
#include "catalogue/catalogue_model.h"
#include "fuzz_support.h"
#include "integration/translation_table.h"
#include "platform/file_system.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

void CheckLine(const QByteArray& raw) {
    const DefinitionLine line = ParseDefinitionLine(raw);
    const QString text = DecodeBytes(raw);
    FUZZ_CHECK(line.depth >= 0 && line.depth <= text.size());
    for (int i = 0; i < line.depth; ++i)
        FUZZ_CHECK(text.at(i) == u'-');
    FUZZ_CHECK(line.depth == text.size() || text.at(line.depth) != u'-');
    FUZZ_CHECK(!line.name.contains(u']'));
    FUZZ_CHECK(text.endsWith(line.folderPart));
}

qsizetype LineCount(const QByteArray& content) {
    return SplitTextLines(WithoutByteOrderMark(content)).size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    QByteArray files[4];
    for (int i = 0; i < 3; ++i)
        files[i] = Bytes(in.ConsumeRandomLengthString(2000));
    files[3] = Bytes(in.ConsumeRemainingBytesAsString());

    for (const QByteArray& file : files)
        for (const QByteArray& raw : SplitTextLines(file))
            CheckLine(raw);

    const QString user = FuzzScratchFolder();
    const QString base = QStringLiteral("/base/");
    const QString own = QStringLiteral("/own/");
    FuzzWriteFile(user + QStringLiteral("pics.a.def"), files[0]);
    FuzzWriteFile(user + QStringLiteral("PICS.b.def"), files[1]);
    FuzzWriteFile(user + QStringLiteral("pics.c.DEF"), files[2]);
    FuzzWriteFile(user + QStringLiteral("owncats.dat"), files[3]);

    const CatalogueData catalogue = ReadCatalogue(user, base, own);
    const qsizetype builtIn = LineCount(files[0]) + LineCount(files[1]) + LineCount(files[2]);
    FUZZ_CHECK(catalogue.LastBuiltInIndex == builtIn - 1);
    FUZZ_CHECK(static_cast<qsizetype>(catalogue.nodes.size()) == builtIn + LineCount(files[3]));
    FUZZ_CHECK(catalogue.CategoryFolders.size() == static_cast<qsizetype>(catalogue.nodes.size()));
    for (qsizetype i = 0; i < catalogue.CategoryFolders.size(); ++i) {
        const CategoryNode& node = catalogue.nodes[static_cast<size_t>(i)];
        const QString& folder = catalogue.CategoryFolders.at(i);
        FUZZ_CHECK(folder.endsWith(u'/'));
        FUZZ_CHECK(node.parent >= -1 && node.parent < i);
        if (i > catalogue.LastBuiltInIndex) {
            FUZZ_CHECK(node.parent == -1 && folder.startsWith(own));
        } else if (node.parent >= 0) {
            FUZZ_CHECK(node.parent <= catalogue.LastBuiltInIndex);
            FUZZ_CHECK(folder.startsWith(catalogue.CategoryFolders.at(node.parent)));
        } else {
            FUZZ_CHECK(folder.startsWith(base));
        }
    }
    return 0;
}
