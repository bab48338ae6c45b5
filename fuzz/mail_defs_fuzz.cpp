// Mail-client definition files: any file loads without a fault into a list sorted by name with
// no nameless entry, and decoding key tokens never makes a sequence longer. The update's
// acceptance check on a downloaded body agrees with what the loader reads from the same bytes.
#include "fuzz_support.h"
#include "integration/definition_update.h"
#include "integration/mail_defs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray content(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QByteArray decoded = DecodeKeyTokens(content);
    FUZZ_CHECK(decoded.size() <= content.size());
    FUZZ_CHECK(!decoded.contains("|ALT|") || content.contains("|ALT|"));

    const QString path = FuzzScratchFolder() + QStringLiteral("glimmora.maildef.ini");
    FuzzWriteFile(path, content);
    LoadMailDefs(path);
    const MailDefListType& list = MailDefList();
    FUZZ_CHECK(list.size() <= 501);
    for (size_t i = 0; i < list.size(); ++i) {
        FUZZ_CHECK(list[i] && !list[i]->Name.isEmpty());
        if (i > 0)
            FUZZ_CHECK(CompareMailDefNames(*list[i - 1], *list[i]) <= 0);
    }
    // What the update accepts is what the program, loading the installed file, reads as valid.
    FUZZ_CHECK(IsAcceptableMailDefUpdate(content) == (content.size() > 10 && MailDefValid()));
    return 0;
}
