// Every text that the program shows comes from the translation table: no message, caption or
// hint is handed a sentence written into the source, and Qt's own translation (tr) is not used.
#include "support/test_env.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// Names and marks that are the same in every language, and a design caption that the texts
// replace before the window is first shown.
const QStringList kLanguageFree = {"Glimmora", ".:Glimmora:.", "Info", "Homepage - Orvandeck",
                                   "Cool :-)", "Settings"};

// The argument list that starts at `open` (an opening parenthesis), without the parentheses.
QString ArgumentsAt(const QString& source, qsizetype open) {
    int depth = 0;
    bool inString = false;
    for (qsizetype i = open; i < source.size(); ++i) {
        const QChar c = source.at(i);
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')' && --depth == 0) {
            return source.mid(open + 1, i - open - 1);
        }
    }
    return {};
}

// "file:line: call" for each shown-text call that is given a string of its own, and each tr().
QStringList TextsBypassingTheTable(const QString& path, const QString& source) {
    static const QRegularExpression call(
        R"((?<![\w.])(?:QObject::)?tr\(|\b(ShowInfo|ShowError|AskSystemYesNo|AskYesNo|AskYesNoOrTaskbar|ShowQuery|setText|setWindowTitle|setToolTip|setPlainText|setTitle|setPlaceholderText|setStatusTip|showMessage)\(|\bQMessageBox\s+\w+\()");
    static const QRegularExpression literal(R"re("((?:\\.|[^"\\])*)")re");
    QStringList found;
    for (auto match = call.globalMatch(source); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        const qsizetype open = m.capturedEnd() - 1;
        const QString arguments = ArgumentsAt(source, open);
        bool bypasses = m.captured().endsWith("tr("); // Qt's own translation
        for (auto text = literal.globalMatch(arguments); text.hasNext();) {
            const QString words = text.next().captured(1);
            // Line breaks and blanks between texts say nothing in any language.
            const QString letters = QString(words).remove(QRegularExpression(R"(\\[nrt])"));
            if (!letters.trimmed().isEmpty() && !kLanguageFree.contains(words))
                bypasses = true;
        }
        if (bypasses) {
            const int line = source.left(m.capturedStart()).count('\n') + 1;
            found << QStringLiteral("%1:%2: %3").arg(path).arg(line).arg(m.captured());
        }
    }
    return found;
}

TEST(ShownTexts, NoShownTextBypassesTheTranslationTable) {
    QStringList found;
    int files = 0;
    QDirIterator it(SourceDir() + "src", {"*.cpp", "*.h"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        found +=
            TextsBypassingTheTable(path.mid(SourceDir().size()), QString::fromUtf8(ReadFile(path)));
        ++files;
    }
    EXPECT_GT(files, 50);
    EXPECT_TRUE(found.isEmpty()) << found.join('\n').toStdString();
    // The scan itself sees what it is meant to see.
    EXPECT_EQ(TextsBypassingTheTable("a",
                                     "ShowError(tr(\"Failed\"), this);\nx->setText(\"Hi\");\n"
                                     "label->setText(GetText(3)); setWindowTitle(\"Glimmora\");")
                  .size(),
              3);
}

} // namespace
