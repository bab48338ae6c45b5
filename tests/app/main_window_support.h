#pragma once
// Shared by the main-window tests: a small catalogue on disk and access to the page in the
// real browser.
#include "support/test_env.h"

#include <QPoint>
#include <QProcessEnvironment>
#include <QStringList>
#include <QVariant>
#include <optional>

class QWebEngineView;
class TForm1;

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

// The main window, catalogue loaded, for a desktop test whose mail program is known only by its
// Wayland app ids (`appIds`, blank-separated; keys Alt+O, then Ctrl+V). Faces > Happy > Grin
// also holds the blue 40x30 JPEG `WaylandTestPicture(home)`, with an emoji text.
TForm1* OpenMainWindowForAppIds(const TempHome& home, const QByteArray& appIds);
QString WaylandTestPicture(const TempHome& home);
// Ends what OpenMainWindowForAppIds made.
void CloseMainWindow(TForm1* form);

// Before the application starts: this test process becomes a native Wayland client of the
// compositor whose variables `names` of `env` name, drawn in software, with Glimmora's app id.
void BecomeWaylandClient(const QProcessEnvironment& env, const QStringList& names);
