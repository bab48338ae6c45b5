#pragma once
#include <QByteArray>
#include <QObject>
#include <QString>

class QPlainTextEdit;

// Announces finished language switches; the windows above follow them (texts, catalogue).
class LanguageEvents : public QObject {
    Q_OBJECT
signals:
    // The language with this number is being put in place; its owner stores the number.
    void chosen(int number);
    // The files and the translation table are switched; windows still show the old texts.
    void switched();
};
LanguageEvents& LanguageSwitches();

// Language choice: puts the chosen language's files in place, announces the language's number
// (LanguageSwitches().chosen), rebuilds the translation table and then emits
// LanguageSwitches().switched().
void SwitchLanguage(const QString& name);
QString LanguageCodeOf(const QString& name);
// The help file to open: the user's copy "Glimmora.chm", else the help file of the language with
// this code, else the default language's.
QString HelpFile(const QString& code);
void CopyCatalogueTranslations(const QString& code);
void SetMemoText(QPlainTextEdit* memo, const QString& text);
