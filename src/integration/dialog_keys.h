#pragma once
#include "platform/desktop.h"

#include <QByteArray>

// A definition whose pasting keys go into a dialog of the target program (a word processor's
// Paste Special): `openKeys` open it, `dialogKeys` are typed into it, `noDialogKeys` into the
// target when it does not come. The dialog's keys are typed only once a new window of the
// target's program is there and has the focus, never blind: typed into the document instead they
// would change the user's text.
enum class DialogKeysResult {
    Typed,    // into the dialog, or the keys for no dialog into the target
    NotTyped, // a key did not reach the desktop
    NoFocus   // the dialog, or the target after it did not come, refused the focus
};

DialogKeysResult SendDialogKeys(Desktop& desktop, Desktop::Window target,
                                const QByteArray& openKeys, const QByteArray& dialogKeys,
                                const QByteArray& noDialogKeys);
