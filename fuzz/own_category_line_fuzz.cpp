// Own-category lines: any bytes parse without a fault into a number (never holding the colon) and
// a name that together give the line back.
#include "catalogue/catalogue_model.h"
#include "fuzz_support.h"
#include "integration/translation_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray raw(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const OwnCategoryLine line = ParseOwnCategoryLine(raw);
    const QString text = DecodeBytes(raw);
    FUZZ_CHECK(!line.number.contains(u':'));
    if (text.contains(u':'))
        FUZZ_CHECK(line.number + u':' + line.name == text);
    else
        FUZZ_CHECK(line.number.isEmpty() && line.name == text);
    return 0;
}
