#pragma once
#include <QString>

// The locale that the desktop chose for messages, as POSIX programs read it: LC_ALL, else
// LC_MESSAGES, else LANG (the first that is set and not empty), such as "it_IT.UTF-8"; empty when
// none is set.
QString MessagesLocale();
