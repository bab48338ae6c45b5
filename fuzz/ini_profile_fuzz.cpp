// INI profiles: any text reads without a fault and never yields more than the value limit; a value
// written into any existing file reads back unchanged.
#include "fuzz_support.h"
#include "platform/ini_profile.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool Trimmed(const QByteArray& s) {
    return s.isEmpty() || (!IsBlank(s.front()) && !IsBlank(s.back()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const QByteArray section = Bytes(in.ConsumeRandomLengthString(40));
    const QByteArray key = Bytes(in.ConsumeRandomLengthString(40));
    const QByteArray value = Bytes(in.ConsumeRandomLengthString(3000));
    const QByteArray text = Bytes(in.ConsumeRemainingBytesAsString());

    const QByteArray read = ReadProfileStringFromText(text, section, key,
                                                      "\x01"
                                                      "default");
    FUZZ_CHECK(read == "\x01"
                       "default" ||
               read.size() <= kProfileValueMax);

    // Round trip through the writer, for names the file format can hold and one-line values.
    const bool nameOk = Trimmed(section) && !section.contains(']') && !section.contains('\r') &&
                        !section.contains('\n') && Trimmed(key) && !key.isEmpty() &&
                        !key.contains('=') && !key.startsWith('[') && !key.contains('\r') &&
                        !key.contains('\n');
    const bool valueOk =
        !value.contains('\r') && !value.contains('\n') && value.size() <= kProfileValueMax;
    if (!nameOk || !valueOk)
        return 0;
    const QString file = FuzzScratchFolder() + QStringLiteral("profile.ini");
    FuzzWriteFile(file, text);
    FUZZ_CHECK(WriteProfileString(file, section, key, value));
    FUZZ_CHECK(ReadProfileString(file, section, key,
                                 "\x01"
                                 "missing") == value);
    return 0;
}
