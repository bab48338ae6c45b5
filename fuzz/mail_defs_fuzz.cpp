// Mail-client definition files: any file loads without a fault into a list sorted by name with
// no nameless entry, and decoding key tokens never makes a sequence longer. The update's
// acceptance check (the file's own valid flag, read by loading it) judges a downloaded body by
// itself: the same body gets the same answer and the same list whatever was loaded before.
#include "fuzz_support.h"
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
    const bool accepted = MailDefValid();
    const QByteArray version = MailDefVersion();
    std::vector<QByteArray> names;
    for (const auto& def : list)
        names.push_back(def->Name);

    static const QString installed = [] {
        const QString file = FuzzScratchFolder() + QStringLiteral("installed.ini");
        FuzzWriteFile(file, "[Glimmora]\r\nmaildef_version=9\r\nvalid_for_Version_1=1\r\n"
                            "[0]\r\nname=Installed\r\n");
        return file;
    }();
    LoadMailDefs(installed);
    FUZZ_CHECK(MailDefValid() && MailDefList().size() == 1);
    LoadMailDefs(path);
    FUZZ_CHECK(MailDefValid() == accepted && MailDefVersion() == version);
    FUZZ_CHECK(MailDefList().size() == names.size());
    for (size_t i = 0; i < names.size(); ++i)
        FUZZ_CHECK(MailDefList()[i]->Name == names[i]);
    return 0;
}
