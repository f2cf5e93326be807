#include "FuzzSupport.h"

#include "records/NumberText.h"

#include <QGuiApplication>

// Qt's image plugins and its text codecs want an application object; one for the whole run.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Decoders warn about every broken chunk; millions of such lines would only slow the run.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static QGuiApplication app(*argc, *argv);
    SetDecimalSeparator(QLatin1Char('.'));
    return 0;
}
