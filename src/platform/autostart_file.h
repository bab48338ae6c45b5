#pragma once
#include <QString>

// The XDG autostart entry: the file <word>.desktop in $XDG_CONFIG_HOME/autostart/ (else
// $HOME/.config/autostart/). Its Exec= line holds the command.

QString AutostartFilePath(const QString& word);

// `argument` as one argument of an Exec= command line: quoted where it holds characters that the
// launcher would split at or expand, and with '%' doubled.
QString ExecArgument(const QString& argument);

// The command of the entry's Exec= line; empty when the file or the line is missing.
QString ReadAutostartCommand(const QString& word);

// Writes the entry (atomically), creating the autostart folder when missing.
bool WriteAutostartFile(const QString& word, const QString& command);

// Deletes the entry; true when no entry is left.
bool RemoveAutostartFile(const QString& word);
