// A keyword file, a shortcode file, an order of use and a search text of any bytes: the index
// finds only pictures it holds, in order without repeats, and the page of found pictures shows
// the text without letting it open any element of its own.
#include "catalogue/picture_page.h"
#include "catalogue/picture_search.h"
#include "fuzz_support.h"

#include <QFile>
#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string keywords = in.ConsumeRandomLengthString(4000);
    const std::string shortcodes = in.ConsumeRandomLengthString(1000);
    const std::string popularity = in.ConsumeRandomLengthString(500);
    const std::string typed = in.ConsumeRemainingBytesAsString();
    const QString text = QString::fromUtf8(typed.data(), static_cast<qsizetype>(typed.size()));

    const KeywordTable table = ParseKeywordFile(Bytes(keywords));
    const QStringList paths = {"/c/grinning-face.png", "/c/Straße.gif", "/c/MeinSmiley1.png",
                               "/c/cat.png", "/c/a/cat.png"};
    PictureIndex index;
    index.Build(paths, {&table, &table}, ParseShortcodeFile(Bytes(shortcodes)),
                ParsePopularityFile(Bytes(popularity)));
    const std::vector<int> found = index.Find(text);
    FUZZ_CHECK(found.size() <= static_cast<size_t>(paths.size()));
    std::vector<bool> seen(paths.size(), false);
    QStringList foundPaths;
    for (int picture : found) {
        FUZZ_CHECK(picture >= 0 && picture < paths.size() && !seen[picture]);
        seen[picture] = true;
        foundPaths << index.Path(picture);
    }

    const QString page = FuzzScratchFolder() + QStringLiteral("found.htm");
    WriteFoundPage(page, foundPaths, {text, text}, 3, FuzzScratchFolder() + "no-base/");
    QFile pageFile(page);
    FUZZ_CHECK(pageFile.open(QIODevice::ReadOnly));
    const QByteArray html = pageFile.readAll();
    // The page's own tags only: style, heading, note (when there is text), each text in an
    // isolate, grid, three for each picture's link, and the page's end.
    const qsizetype tags = 2 + 2 + (text.isEmpty() ? 0 : 2 + 2 + 2) + 2 + 3 * foundPaths.size() + 2;
    FUZZ_CHECK(html.count('<') == tags);
    FUZZ_CHECK(html.count("<a ") == foundPaths.size());
    return 0;
}
