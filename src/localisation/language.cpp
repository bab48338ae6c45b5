#include "localisation/language.h"

#include "integration/data_folders.h"
#include "integration/system_helpers.h"
#include "integration/translation_table.h"
#include "platform/file_system.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <optional>

namespace {

const QString kBaseName = QStringLiteral("Glimmora");

// Puts `source` in the place of `target` in one step, so that a crash never leaves the program
// without the file; with no source the target goes, as no file of the new language exists. A
// copy that cannot be written leaves the old file whole.
void ReplaceWith(const QString& source, const QString& target) {
    if (FileExists(source))
        CopyFileSilently(source, target);
    else
        QFile::remove(ResolvePath(target));
}

// The help file of a language, else the default language's; the user's copy before the program's.
QString LanguageHelpFile(const QString& code) {
    const QString help = FindDataFile(kBaseName, "Glimmora.c" + code);
    return FileExists(help) ? help : FindDataFile(kBaseName, QStringLiteral("Glimmora.c00"));
}

} // namespace

QString HelpFile(const QString& code) {
    const QString copy = FindDataFile(kBaseName, QStringLiteral("Glimmora.chm"));
    // Without the copy (a data folder that could not take it) the language's own file serves.
    return FileExists(copy) ? copy : LanguageHelpFile(code);
}

QString LanguageCodeOf(const QString& name) {
    QString code = QStringLiteral("00");
    const QString wanted = name.toUpper();
    const int count = CountLanguages();
    // No early exit: of two files carrying the same name, the later one is meant.
    for (int number = 0; number < count; ++number) {
        const QString file = FindDataFile(kBaseName, "Glimmora.t0" + QString::number(number));
        if (!FileExists(file))
            continue;
        if (GetLanguageName(number).toUpper() == wanted)
            code = "0" + QString::number(number);
    }
    return code;
}

void CopyCatalogueTranslations(const QString& code) {
    const QString folder = UserCatalogueFolder();
    for (const QString& file : ListFiles(folder, QStringLiteral("pics.*.def"))) {
        const QString stem = file.left(file.size() - 4);
        QString variant = FindDataFile(kBaseName, "GlimmoraData/" + stem + ".t" + code);
        if (!FileExists(variant))
            variant =
                folder + stem + ".t00"; // the default variant is only taken from the user side
        if (!FileExists(variant))
            continue; // a definition file without variants keeps its content
        // Replaced in one step, so a variant that cannot be read never costs the definition file.
        const std::optional<QByteArray> content = ReadFileBytes(ResolvePath(variant));
        if (content)
            WriteFileAtomic(ResolvePath(folder + file), *content);
    }
}

void SetMemoText(QPlainTextEdit* memo, const QString& text) {
    if (!memo)
        return;
    memo->clear();
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineBreak);
    // A break at the very end closes the last line; it does not open an empty one.
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    memo->setPlainText(lines.join('\n'));
}

void SwitchLanguage(const QString& name) {
    const QString data = UserDataPath();
    const QString code = LanguageCodeOf(name);
    const QString translation = FindDataFile(kBaseName, "Glimmora.t" + code);
    ReplaceWith(translation, data + "Glimmora.def");
    ReplaceWith(LanguageHelpFile(code), data + "Glimmora.chm");

    CopyCatalogueTranslations(code);
    emit LanguageSwitches().chosen(code.toInt());

    try {
        // Without a file of the language the table is what is left: the program folder's.
        CreateTranslationTable(kBaseName, FileExists(translation) ? translation : QString());
    } catch (const IoError&) {
        // An unreadable translation file leaves the new table empty; the switch goes on with it
        // rather than leaving windows and catalogue half switched.
    }
    emit LanguageSwitches().switched();
}

LanguageEvents& LanguageSwitches() {
    static LanguageEvents events;
    return events;
}
