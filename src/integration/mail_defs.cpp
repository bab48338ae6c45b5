#include "integration/mail_defs.h"

#include "platform/file_system.h"
#include "platform/ini_profile.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace {

// Definition sections are "0" to "500"; numbers beyond are never read.
constexpr int kLastDefinitionSection = 500;

MailDefListType& CurrentList() {
    static MailDefListType list;
    return list;
}

QByteArray& CurrentVersion() {
    static QByteArray version;
    return version;
}

bool& CurrentValid() {
    static bool valid = false;
    return valid;
}

std::function<int()>& IndexSource() {
    static std::function<int()> source;
    return source;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Signed 32-bit integer in decimal, or hexadecimal after "$" or "0x" (up to 32 bits, read as
// the two's-complement value). `ok` is false when the text is no such number.
qint32 ParseProfileInt(const QByteArray& text, bool* ok) {
    *ok = false;
    int pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    bool hex = false;
    if (pos < text.size() && text[pos] == '$') {
        hex = true;
        ++pos;
    } else if (pos + 1 < text.size() && text[pos] == '0' &&
               (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        hex = true;
        pos += 2;
    }
    if (pos >= text.size())
        return 0;
    quint64 value = 0;
    if (hex) {
        for (; pos < text.size(); ++pos) {
            int digit = HexDigit(text[pos]);
            if (digit < 0)
                return 0;
            value = value * 16 + quint64(digit);
            if (value > 0xFFFFFFFFull)
                return 0;
        }
        qint32 result = qint32(quint32(value));
        *ok = true;
        return negative ? qint32(0u - quint32(result)) : result;
    }
    for (; pos < text.size(); ++pos) {
        char c = text[pos];
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + quint64(c - '0');
        if (value > quint64(std::numeric_limits<qint32>::max()) + 1)
            return 0;
    }
    if (!negative && value > quint64(std::numeric_limits<qint32>::max()))
        return 0;
    *ok = true;
    return negative ? qint32(-qint64(value)) : qint32(value);
}

} // namespace

const MailDefListType& MailDefList() {
    return CurrentList();
}
QByteArray MailDefVersion() {
    return CurrentVersion();
}
bool MailDefValid() {
    return CurrentValid();
}

bool ParseProfileFlag(const QByteArray& text, bool defaultValue) {
    bool ok = false;
    qint32 value = ParseProfileInt(text, &ok);
    return ok ? value != 0 : defaultValue;
}

QList<QByteArray> WindowClassNames(const QByteArray& windowClass) {
    QList<QByteArray> names;
    for (const QByteArray& part : windowClass.split(',')) {
        const QByteArray name = part.trimmed();
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

QByteArray DecodeKeyTokens(const QByteArray& text) {
    // Five passes in this order; a token produced by an earlier pass is never re-read as bytes.
    static const struct {
        const char* token;
        char byte;
    } kTokens[] = {
        {"|ALT|", char(254)},   {"|EALT|", char(255)}, {"|STRG|", char(252)},
        {"|ESTRG|", char(253)}, {"|TAB|", char(9)},
    };
    QByteArray result = text;
    for (const auto& t : kTokens)
        result.replace(QByteArray(t.token), QByteArray(1, t.byte));
    return result;
}

int CompareMailDefNames(const MailDef& a, const MailDef& b) {
    const qsizetype common = std::min(a.Name.size(), b.Name.size());
    for (qsizetype i = 0; i < common; ++i) {
        const auto ca = static_cast<unsigned char>(a.Name[i]);
        const auto cb = static_cast<unsigned char>(b.Name[i]);
        if (ca != cb)
            return ca > cb ? 1 : -1;
    }
    if (a.Name.size() == b.Name.size())
        return 0;
    return a.Name.size() > b.Name.size() ? 1 : -1;
}

void LoadMailDefs(const QString& path) {
    MailDefListType& list = CurrentList();
    list.clear();
    const QString file = ResolvePath(path);
    if (!FileExists(file))
        return;
    try {
        // An existing file that cannot be read answers every key with its default, as the
        // profile functions do; the flag then reads false and nothing downloaded is trusted.
        // Parsed once: each of the 501 sections is then a lookup, whatever the file's size.
        const ProfileText profile = ProfileText::FromFile(file);
        CurrentVersion() = profile.value("Glimmora", "maildef_version", "0");
        CurrentValid() =
            ParseProfileFlag(profile.value("Glimmora", "valid_for_Version_1", ""), false);
        for (int n = 0; n <= kLastDefinitionSection; ++n) {
            const QByteArray section = QByteArray::number(n);
            auto def = std::make_unique<MailDef>();
            def->Name = profile.value(section, "name", "");
            if (def->Name.isEmpty())
                continue;
            def->Language = profile.value(section, "language", "");
            def->WindowClass = profile.value(section, "windowclass", "");
            const QByteArray appIds = profile.value(section, "appid", "");
            if (!appIds.trimmed().isEmpty())
                def->AppIds = appIds.simplified().split(' ');
            if (def->AppIds.isEmpty() && !def->WindowClass.isEmpty())
                def->AppIds = WindowClassNames(def->WindowClass);
            def->InsertKeys = DecodeKeyTokens(profile.value(section, "insert", ""));
            def->ToHtmlKeys = DecodeKeyTokens(profile.value(section, "tohtmlkeys", ""));
            def->TakesPictures = ParseProfileFlag(profile.value(section, "pictures", ""), true);
            def->InsertIntoDialog = ParseProfileFlag(profile.value(section, "dialog", ""), false);
            def->NoDialogKeys = DecodeKeyTokens(profile.value(section, "nodialog", ""));
            bool noticeOk = false;
            const qint32 notice = ParseProfileInt(profile.value(section, "notice", ""), &noticeOk);
            def->NoticeText = noticeOk && notice > 0 && notice <= 10000 ? notice : 0;
            list.push_back(std::move(def));
        }
    } catch (const std::exception&) {
        // The list keeps what was appended before the failure.
    }
    std::stable_sort(list.begin(), list.end(),
                     [](const auto& a, const auto& b) { return CompareMailDefNames(*a, *b) < 0; });
}

void SetChosenMailDefIndexSource(std::function<int()> source) {
    IndexSource() = std::move(source);
}

int ChosenMailDefIndex() {
    const auto& source = IndexSource();
    return source ? source() : -1;
}

const MailDef& GetChosenMailDef() {
    const int index = ChosenMailDefIndex();
    const MailDefListType& list = CurrentList();
    if (index < 0 || static_cast<size_t>(index) >= list.size())
        throw std::out_of_range("no mail program is chosen");
    return *list[static_cast<size_t>(index)];
}
