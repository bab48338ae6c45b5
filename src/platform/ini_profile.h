#pragma once
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <vector>

// INI profile files read and written with the rules of the classic profile functions:
// section and key names without regard to case, blanks around a value dropped, one pair of
// enclosing quotes (double or single) dropped, at most 2047 characters of a value. Writing keeps
// every other line and key as it is and replaces the file atomically.

constexpr int kProfileValueMax = 2047;

// An INI text parsed once, so that any number of values is read from it in time linear in its
// size. Of several lines for one key, in one or several sections of that name, the first counts.
class ProfileText {
public:
    explicit ProfileText(const QByteArray& iniText);
    // Reads the text of `file`; a file that cannot be read gives no values.
    static ProfileText FromFile(const QString& file);

    QByteArray value(const QByteArray& section, const QByteArray& key,
                     const QByteArray& defaultValue) const;
    // Decimal with optional sign; the default when the value is missing or not a number.
    int intValue(const QByteArray& section, const QByteArray& key, int defaultValue) const;

private:
    // The lines between one section header and the next, as a range of text_; a section whose
    // name comes again goes on in the range of `next`.
    struct Range {
        qsizetype begin = 0;
        qsizetype end = 0;
        qsizetype next = -1;
    };
    QByteArray text_;
    std::vector<Range> ranges_;
    // Section name in lower case (letter case is ignored for ASCII letters only) to the indexes
    // of its first and its last range.
    QHash<QByteArray, QPair<qsizetype, qsizetype>> sections_;
};

QByteArray ReadProfileString(const QString& file, const QByteArray& section, const QByteArray& key,
                             const QByteArray& defaultValue);

// Same, parsing the whole INI text already in memory (used by the reader and the fuzz target).
QByteArray ReadProfileStringFromText(const QByteArray& iniText, const QByteArray& section,
                                     const QByteArray& key, const QByteArray& defaultValue);

// Integer value: decimal with optional sign; the default when the value is missing or not a number.
int ReadProfileInt(const QString& file, const QByteArray& section, const QByteArray& key,
                   int defaultValue);

using ProfileValues = QList<QPair<QByteArray, QByteArray>>;

// Writes the given key/value pairs into `section` (creating file and section when missing), in
// one atomic replacement of the file. Returns false when the file could not be written.
bool WriteProfileStrings(const QString& file, const QByteArray& section,
                         const ProfileValues& values);
bool WriteProfileString(const QString& file, const QByteArray& section, const QByteArray& key,
                        const QByteArray& value);
