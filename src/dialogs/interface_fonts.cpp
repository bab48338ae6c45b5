#include "dialogs/interface_fonts.h"

#include "integration/window_look.h"
#include "platform/qt_resources.h"

#include <QApplication>
#include <QFontDatabase>

// The resources live in the static library; nothing else references them, so they are registered
// explicitly (outside any namespace, as Qt's macro wants).
static void RegisterShippedFaces() {
    GLIMMORA_INIT_RESOURCE_ONCE(fonts);
    static const bool added = [] {
        for (const char* file :
             {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf",
              ":/fonts/ComicNeue-Regular.otf"})
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        return true;
    }();
    (void)added;
}

namespace {

const char kInterfaceFamily[] = "Liberation Sans";
const char kLetteringFamily[] = "Comic Neue";

QFont ShippedFont(const char* family, int pixelSize) {
    RegisterShippedFaces();
    QFont font(QString::fromLatin1(family));
    SetDesignTextSize(font, pixelSize);
    return font;
}

} // namespace

void UseInterfaceFonts() {
    QApplication::setFont(InterfaceFont(11));
}

QFont InterfaceFont(int pixelSize, bool bold) {
    QFont font = ShippedFont(kInterfaceFamily, pixelSize);
    font.setBold(bold);
    return font;
}

QFont LetteringFont(int pixelSize) {
    return ShippedFont(kLetteringFamily, pixelSize);
}
