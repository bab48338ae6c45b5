#pragma once
#include <QProcessEnvironment>
#include <QString>
#include <functional>

// What a user sees of a portal that keeps its permission (remote desktop version 2): three starts
// of the real program in a row on one home, each quit by a close request before the next. The
// first start is granted the keyboard once `answer` has answered the desktop's dialog (it runs
// until its argument, "granted", holds, and returns that); the later ones must be granted with no
// answer. Checked with test expectations, the token file's privacy too. `busAddress` is the
// session's bus, `dataFolder` the program's data folder in that home.
using ConsentAnswer = std::function<bool(const std::function<bool()>& granted)>;
void ExpectAskedOnceOverThreeStarts(const QProcessEnvironment& env, const QString& busAddress,
                                    const QString& dataFolder, const ConsentAnswer& answer);
