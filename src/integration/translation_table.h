#pragma once
#include <QByteArray>
#include <QString>
#include <array>

// The translation table: every user-visible text by number (0 to 10000).
class AbTrans2 {
public:
    static constexpr int kSlots = 10001;
    // Longest text kept, in bytes; the rest of a longer entry is dropped. Real texts are a few
    // hundred bytes, and laying out megabytes in a label would freeze the windows.
    static constexpr qsizetype kLongestText = 16 * 1024;

    AbTrans2();
    // Loads a translation file; a missing file, or one larger than any real translation file
    // (kLargestReadableFile), leaves every text empty. Throws IoError when the file exists but
    // cannot be read (the table then stays all empty).
    void LoadFromFile(const QString& path);
    // Loads from file content (used by tests and the fuzz target).
    void LoadFromBytes(const QByteArray& content);

    QByteArray text(int number) const;
    QByteArray firstText() const { return first_; }

private:
    std::array<QByteArray, kSlots> texts_;
    QByteArray first_;
};

// Makes a new table current and loads name + ".def" found by FindDataFile, or `file`, the language
// file just put in place as name + ".def": read from where it lies, the language comes also when
// the data folder would not take the copy (read-only, full).
void CreateTranslationTable(const QString& name, const QString& file = QString());
QString GetText(int number);         // decoded for display (UTF-8, else Windows-1252)
QByteArray GetTextBytes(int number); // as stored
QString GetFirstText();
int CountLanguages();
QString GetLanguageName(int n);

// Decodes a byte string of a data file for display: UTF-8 when valid, else Windows-1252.
QString DecodeBytes(const QByteArray& bytes);
