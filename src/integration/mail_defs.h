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
    // One window class, or several separated by commas (the first that has a window is the
    // target).
    QByteArray WindowClass;
    // Wayland app ids of the target program ("appid", separated by blanks); without that key
    // the window classes, which the desktop compares without regard to case.
    QList<QByteArray> AppIds;
    QByteArray InsertKeys; // decoded key sequence
    QByteArray ToHtmlKeys; // decoded key sequence
    // Key "pictures": false for programs that take only text (an emoji still arrives as text).
    bool TakesPictures = true;
    // Key "dialog": the "insert" keys go into a dialog that the "tohtmlkeys" open, and are typed
    // only once it is there (a new window of the target program) with the focus.
    bool InsertIntoDialog = false;
    // Key "nodialog": typed into the target instead when that dialog does not come (decoded).
    QByteArray NoDialogKeys;
    // Key "notice": the number of a text that the user is shown once per run when the definition
    // is used (what to switch in the program); 0 for none.
    int NoticeText = 0;
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

// The window classes that a definition's "windowclass" value names: split at commas, blanks
// around each dropped, empty ones left out.
QList<QByteArray> WindowClassNames(const QByteArray& windowClass);

// The position chosen in the settings dialog's mail-program list; the dialog installs the source.
// -1 when nothing is selected.
void SetChosenMailDefIndexSource(std::function<int()> source);
int ChosenMailDefIndex();

// The definition at the chosen position. Throws std::out_of_range when nothing valid is chosen.
const MailDef& GetChosenMailDef();
