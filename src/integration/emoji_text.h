#pragma once
#include <QString>

// The emoji that the shipped pictures show, for programs that take only text. The file
// "emoji.dat" in the program's catalogue folder (GlimmoraData/), written by tools/fetch-emoji from
// the emoji data the pictures were made from, lists them: UTF-8 lines of the picture's path
// relative to the catalogue folder ('/' between folders), a tab, and the code points in hexadecimal
// separated by blanks. Lines starting with '#' and lines that do not parse are skipped.

// The emoji of the picture at `path`; empty for every other picture (the user's own). A picture
// inside the catalogue folder is looked up by its relative path; one elsewhere (a favourite) by
// its file name, and only when its bytes are those of the catalogue's picture of that name.
QString EmojiTextOfPicture(const QString& path);
