#pragma once
#include <QByteArray>
#include <QString>

class QPlainTextEdit;

// Language choice and text application.
void SwitchLanguage(const QString& name);
QString LanguageCodeOf(const QString& name);
void CopyCatalogueTranslations(const QString& code);
int ReadLanguageNumber();
void WriteLanguageNumber(int n);
void SetMemoText(QPlainTextEdit* memo, const QString& text);
// Sets every caption, label, button and memo text of every window from the translation table.
void ApplyTexts();
