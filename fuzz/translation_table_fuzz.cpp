// Translation files: any bytes load without a fault, and no text holds a line end other than the
// single CR that joins the lines of one entry.
#include "fuzz_support.h"
#include "integration/translation_table.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto table = std::make_unique<AbTrans2>();
    const QByteArray content(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    table->LoadFromBytes(content);
    qsizetype total = 0;
    for (int n = 0; n < AbTrans2::kSlots; ++n) {
        const QByteArray text = table->text(n);
        FUZZ_CHECK(!text.contains('\n'));
        total += text.size();
    }
    // Every byte of a text comes from the file or is a joining CR for a dropped line end.
    FUZZ_CHECK(total <= content.size());
    FUZZ_CHECK(table->text(-1).isEmpty() && table->text(AbTrans2::kSlots).isEmpty());
    FUZZ_CHECK(table->firstText().isEmpty() || !table->firstText().contains('\n'));
    (void)DecodeBytes(table->firstText());
    return 0;
}
