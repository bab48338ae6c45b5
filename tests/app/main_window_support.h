#pragma once
// Shared by the main-window tests: a small catalogue on disk and access to the page in the
// real browser.
#include "support/test_env.h"

#include <QPoint>
#include <QStringList>
#include <QVariant>
#include <optional>

class QWebEngineView;

// Program folder with base.dat, template.tpl and pictures; the user's definition file with
// Faces > Happy > Grin (a.png, "b c#1.png") and Animals (cat.png); a translation file.
void WriteSampleCatalogue(const TempHome& home);

QVariant RunJs(QWebEngineView* view, const QString& script);
bool WaitForPageLoaded(QWebEngineView* view);
// The decoded sources of the page's images, in page order.
QStringList PageImageSources(QWebEngineView* view);
// The centre of the page's image number `index`, in the view, once every picture has loaded.
std::optional<QPoint> PictureCentre(QWebEngineView* view, int index);
// Clicks the page's image number `index` with a real (XTest) mouse click.
bool ClickPicture(QWebEngineView* view, int index);
