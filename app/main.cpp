#include "editor/TFCreate.h"
#include "editor/TFMain.h"
#include "editor/Dispatch.h"
#include "records/NumberText.h"
#include "ui/QtPlatform.h"
#include "ui/WMain.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>

namespace {

bool HasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value) return true;
    }
    return false;
}

}  // namespace

int main(int, char** argv) {
    if (!HasDisplay()) {
        std::fprintf(stderr,
                     "specedit needs a display and none was found: start it from a desktop session, or "
                     "without one as: xvfb-run -s '-screen 0 1280x1024x24' %s\n",
                     argv[0]);
        return 1;
    }

    // The program takes no arguments, so Qt gets none to interpret either.
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    // One light style everywhere: the design's colours (white image field, black and grey
    // text) assume it.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    QApplication::setFont(WindowFont());
    InitDecimalSeparator();

    QtPlatform platform;
    TFMain FMain(platform);
    WMain window(FMain);
    platform.SetWindow(&window);
    SetErrorReporter([&platform](const QString& message) { platform.ShowError(message); });
    TFCreate FCreate(platform);
    FMain.AttachCreateForm(FCreate);

    window.show();
    const int result = application.exec();
    // The error box needs the window, which goes before anything else could report.
    SetErrorReporter(nullptr);
    return result;
}
