#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class TForm;
class TComponent;

// The signature of every control event: the control that raised it.
using TNotifyEvent = std::function<void(TComponent* sender)>;

// What changed in a model, so that the view redraws just that. View updates are never
// notifications: they go to the view only and never reach a handler.
enum class TAspect {
    Text,       // text, caption, lines
    Selection,  // selection start and length
    FontColor,
    Enabled,
    Visible,
    Bounds,     // x, y, width, height
    Items,      // list items
    ItemIndex,
    Checked,
    Picture,
    ClientSize,  // the form's client area
};

// Text colours as ARGB.
inline constexpr QRgb ColorBlack = 0xFF000000;
inline constexpr QRgb ColorGrey = 0xFF808080;
inline constexpr QRgb ColorRed = 0xFFFF0000;
inline constexpr QRgb ColorWhite = 0xFFFFFFFF;

// A component of a form: named, owned by the form, possibly without a place on it.
class TComponent {
public:
    TComponent(TForm* owner, QString name);
    virtual ~TComponent() = default;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const QString& Name() const { return name_; }
    TForm* Owner() const { return owner_; }

    // Free for the handlers: step directions, tag kinds.
    int Tag = 0;

    // Set by the view that shows this component; called after every state change made by the
    // program, never for the user's own input (the widget already shows that).
    std::function<void(TAspect)> ViewUpdate;

protected:
    void Changed(TAspect aspect) {
        if (ViewUpdate) ViewUpdate(aspect);
    }
    // Raises an event unless the form is still being built.
    void Notify(const TNotifyEvent& event);

private:
    TForm* owner_;
    QString name_;
};

// Font settings of the design: a size of 0 is the style's size.
struct TFont {
    double Size = 0;
    bool Bold = false;
};

// A control with a place. Places are logical pixels relative to the parent's client area;
// a control without a parent lies directly on the form.
class TControl : public TComponent {
public:
    TControl(TForm* owner, QString name, TControl* parent);

    TControl* Parent() const { return parent_; }

    double X() const { return x_; }
    double Y() const { return y_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void SetX(double x);
    void SetWidth(double width);
    void SetBounds(double x, double y, double width, double height);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    // Visible together with every parent: what the user can reach.
    bool Showing() const;

    QRgb FontColor() const { return fontColor_; }
    void SetFontColor(QRgb color);

    // Completes an edit the user is still making in this control (see TTextField).
    virtual void CompleteEdit() {}

    // Design settings the view reads once.
    QString Hint;
    TFont Font;
    int TabOrder = -1;     // within the parent; -1 for controls outside the tab chain
    bool CanFocus = false;
    // Anchored to all four sides of the parent: keeps its margins when the parent is resized.
    bool StretchWithParent = false;

private:
    void ResizeChildren(double dWidth, double dHeight);

    TControl* parent_;
    double x_ = 0, y_ = 0, width_ = 0, height_ = 0;
    bool enabled_ = true;
    bool visible_ = true;
    QRgb fontColor_ = ColorBlack;
};

// A top-level window. It starts out being built: no control raises a notification until
// EndBuilding.
class TForm : public TComponent {
public:
    explicit TForm(QString name);

    bool Building() const { return building_; }
    void EndBuilding() { building_ = false; }

    // Every component of the form, in creation order; later siblings are drawn above earlier ones.
    const std::vector<TComponent*>& Components() const { return components_; }
    void Register(TComponent* component) { components_.push_back(component); }

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);

    double ClientWidth() const { return clientWidth_; }
    double ClientHeight() const { return clientHeight_; }
    void SetClientSize(double width, double height);
    // The outer width is the client width plus the window frame, which only the view knows;
    // setting it moves the client width by the same amount.
    double Width() const { return clientWidth_ + FrameWidth; }
    void SetWidth(double width);
    double FrameWidth = 0;

    // The control that has the keyboard focus, or none.
    TControl* Focused() const { return focused_; }

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    std::function<bool(TComponent* sender)> OnCloseQuery;  // false keeps the window open

    // Raised by the form's owner once the controls exist and their handlers are attached.
    void DoCreate();

    // Entry points for the view: the user's actions.
    void UserShow();
    // Completes the focused field's pending edit first, so that its OnChange can still count
    // the edit as unsaved work before the close query decides.
    bool UserCloseQuery();
    void UserFocus(TControl* control) { focused_ = control; }

private:
    bool building_ = true;
    std::vector<TComponent*> components_;
    QString caption_;
    double clientWidth_ = 0, clientHeight_ = 0;
    TControl* focused_ = nullptr;
};

// The controls that take the keyboard focus, in the order the Tab key visits them: by tab
// order among siblings, a container's controls where the container stands.
std::vector<TControl*> TabChain(const TForm& form);

// Splits a text at CR LF, LF or CR into lines; the empty text has no lines.
QStringList SplitLines(const QString& text);
