#include "editor/ControlsSimple.h"

void TButton::UserClick() {
    if (Enabled() && Showing()) Notify(OnClick);
}

void TLabel::SetText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    Changed(TAspect::Text);
}

void TImage::SetPicture(const QImage& picture) {
    // QImage compares pixels; a new picture always redraws.
    picture_ = picture;
    Changed(TAspect::Picture);
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Changed(TAspect::Enabled);
}

void TTimer::Tick() {
    if (enabled_) Notify(OnTimer);
}
