#include "editor/TFMain.h"

#include "editor/Platform.h"
#include "records/StructureImage.h"

#include <QUrl>

// The service that draws a structure for a CAS registry number.
static const QString kStructureService = QStringLiteral("https://webbook.nist.gov/cgi/cbook.cgi?Struct=C");

QString TFMain::StructureRequest(const QString& cas) {
    QString digits;
    for (QChar c : cas) {
        if (c >= u'0' && c <= u'9') digits += c;
    }
    return digits.isEmpty() ? QString() : kStructureService + digits;
}

// Download the structure drawing for the CAS number.
void TFMain::Button17Click(TComponent*) {
    const QString url = StructureRequest(Edit5.Text());
    if (url.isEmpty()) return;
    const QByteArray body = platform_->HttpGet(QUrl(url));
    // No bytes is no picture and no error: a shown picture turns fully transparent.
    QImage picture = Image1.Picture();
    ShowPictureBytes(body, picture);
    Image1.SetPicture(picture);
    SetDBChanged(true);
}

void TFMain::Button18Click(TComponent*) {
    Image1.ClearPicture();
    SetDBChanged(true);
}

// Paste a picture; text on the clipboard takes precedence and pastes nothing.
void TFMain::MenuItem1Click(TComponent*) {
    if (!platform_->HasClipboard()) return;
    const ClipboardValue value = platform_->ReadClipboard();
    if (const QImage* picture = std::get_if<QImage>(&value)) Image1.SetPicture(*picture);
    SetDBChanged(true);
}
