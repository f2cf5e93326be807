#include "editor/Controls.h"

#include <algorithm>

TComponent::TComponent(TForm* owner, QString name) : owner_(owner), name_(std::move(name)) {
    if (owner_) owner_->Register(this);
}

void TComponent::Notify(const TNotifyEvent& event) {
    if (!event) return;
    if (owner_ && owner_->Building()) return;
    event(this);
}

TControl::TControl(TForm* owner, QString name, TControl* parent)
    : TComponent(owner, std::move(name)), parent_(parent) {}

void TControl::SetX(double x) {
    if (x == x_) return;
    x_ = x;
    Changed(TAspect::Bounds);
}

void TControl::SetWidth(double width) { SetBounds(x_, y_, width, height_); }

void TControl::SetBounds(double x, double y, double width, double height) {
    if (x == x_ && y == y_ && width == width_ && height == height_) return;
    const double dWidth = width - width_, dHeight = height - height_;
    x_ = x;
    y_ = y;
    width_ = width;
    height_ = height;
    Changed(TAspect::Bounds);
    if (dWidth != 0 || dHeight != 0) ResizeChildren(dWidth, dHeight);
}

void TControl::ResizeChildren(double dWidth, double dHeight) {
    if (!Owner()) return;
    for (TComponent* component : Owner()->Components()) {
        auto* child = dynamic_cast<TControl*>(component);
        if (child && child->Parent() == this && child->StretchWithParent)
            child->SetBounds(child->x_, child->y_, child->width_ + dWidth, child->height_ + dHeight);
    }
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Changed(TAspect::Enabled);
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    Changed(TAspect::Visible);
}

bool TControl::Showing() const {
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible()) return false;
    return true;
}

void TControl::SetFontColor(QRgb color) {
    if (color == fontColor_) return;
    fontColor_ = color;
    Changed(TAspect::FontColor);
}

TForm::TForm(QString name) : TComponent(nullptr, std::move(name)) {}

void TForm::SetCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    Changed(TAspect::Text);
}

void TForm::SetClientSize(double width, double height) {
    if (width == clientWidth_ && height == clientHeight_) return;
    clientWidth_ = width;
    clientHeight_ = height;
    Changed(TAspect::ClientSize);
}

void TForm::SetWidth(double width) { SetClientSize(width - FrameWidth, clientHeight_); }

void TForm::DoCreate() {
    if (OnCreate) OnCreate(this);
}

void TForm::UserShow() {
    if (OnShow) OnShow(this);
}

bool TForm::UserCloseQuery() {
    if (focused_) focused_->CompleteEdit();
    return OnCloseQuery ? OnCloseQuery(this) : true;
}

QStringList SplitLines(const QString& text) {
    QStringList lines;
    if (text.isEmpty()) return lines;
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c != u'\r' && c != u'\n') continue;
        lines.append(text.sliced(start, i - start));
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    lines.append(text.sliced(start));
    return lines;
}

namespace {

void AddTabChain(const TForm& form, const TControl* parent, std::vector<TControl*>& chain) {
    std::vector<TControl*> children;
    for (TComponent* component : form.Components()) {
        auto* control = dynamic_cast<TControl*>(component);
        if (control && control->Parent() == parent && control->TabOrder >= 0) children.push_back(control);
    }
    std::stable_sort(children.begin(), children.end(),
                     [](const TControl* a, const TControl* b) { return a->TabOrder < b->TabOrder; });
    for (TControl* child : children) {
        if (child->CanFocus) chain.push_back(child);
        AddTabChain(form, child, chain);
    }
}

}  // namespace

std::vector<TControl*> TabChain(const TForm& form) {
    std::vector<TControl*> chain;
    AddTabChain(form, nullptr, chain);
    return chain;
}
