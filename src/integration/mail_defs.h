#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

// One mail-client definition: which window to look for and which keys to send to it.
struct MailDef {
    QByteArray Name;
    QByteArray Language;
    QByteArray WindowClass;
    // Wayland app ids of the target program ("appid", separated by blanks); without that key
    // the window class, which the desktop compares without regard to case.
    QList<QByteArray> AppIds;
    QByteArray InsertKeys; // decoded key sequence
    QByteArray ToHtmlKeys; // decoded key sequence
};

using MailDefListType = std::vector<std::unique_ptr<MailDef>>;

// The current list, sorted by name; replaced whole by every LoadMailDefs.
const MailDefListType& MailDefList();
QByteArray MailDefVersion();
bool MailDefValid();

void LoadMailDefs(const QString& path);
QByteArray DecodeKeyTokens(const QByteArray& text);
int CompareMailDefNames(const MailDef& a, const MailDef& b);

// Parses a profile flag: decimal with optional sign, or hexadecimal after "$" or "0x".
// Returns `defaultValue` when the text is no such number.
bool ParseProfileFlag(const QByteArray& text, bool defaultValue);

// The position chosen in the settings dialog's mail-program list; the dialog installs the source.
// -1 when nothing is selected.
void SetChosenMailDefIndexSource(std::function<int()> source);
int ChosenMailDefIndex();

// The definition at the chosen position. Throws std::out_of_range when nothing valid is chosen.
const MailDef& GetChosenMailDef();
