#pragma once

#include "editor/Controls.h"
#include "records/SpectrumText.h"

#include <QImage>

#include <vector>

// A push button. Its text may carry an accelerator: "&" marks the next letter, "&&" is one "&".
class TButton : public TControl {
public:
    TButton(TForm* owner, QString name, TControl* parent) : TControl(owner, std::move(name), parent) {
        CanFocus = true;
    }

    QString Text;
    TNotifyEvent OnClick;

    // A click, the Space key or the accelerator; only a button the user can reach takes it.
    void UserClick();
};

// A button that never takes the keyboard focus, so the field being edited keeps its focus
// and selection while it is clicked.
class TSpeedButton : public TButton {
public:
    TSpeedButton(TForm* owner, QString name, TControl* parent) : TButton(owner, std::move(name), parent) {
        CanFocus = false;
    }
};

// A label: one text, no notifications. "&&" in its text shows as one "&".
class TLabel : public TControl {
public:
    using TControl::TControl;

    const QString& Text() const { return text_; }
    void SetText(const QString& text);

private:
    QString text_;
};

// A text drawn in its box, centred both ways by default (a header), or from the top left
// corner with wrapping.
class TText : public TLabel {
public:
    using TLabel::TLabel;

    bool Centred = true;
    bool WordWrap = false;
};

// A panel: a plain container for its controls.
class TPanel : public TControl {
public:
    using TControl::TControl;
};

class TPopupMenu;

// An image field. It is empty when its picture has no width or no height.
class TImage : public TControl {
public:
    using TControl::TControl;

    const QImage& Picture() const { return picture_; }
    void SetPicture(const QImage& picture);
    // Makes the field empty (0 x 0).
    void ClearPicture() { SetPicture(QImage()); }

    TPopupMenu* PopupMenu = nullptr;  // the right-click menu

private:
    QImage picture_;
};

// A rounded rectangle drawn behind other controls.
class TRoundRect : public TControl {
public:
    using TControl::TControl;

    QRgb Fill = ColorWhite;
    QRgb Stroke = ColorBlack;
};

// The place of a chart. Anchored to all four sides of its parent, it keeps its margins when
// the parent is resized; the view keeps it so.
class TChart : public TControl {
public:
    using TControl::TControl;

    // The points of its one series, in the order they are joined (ascending x).
    const std::vector<PlotPoint>& Points() const { return points_; }
    void SetPoints(std::vector<PlotPoint> points) {
        points_ = std::move(points);
        Changed(TAspect::Items);
    }

private:
    std::vector<PlotPoint> points_;
};

class TMenuItem : public TComponent {
public:
    using TComponent::TComponent;

    QString Text;
    TNotifyEvent OnClick;

    void UserClick() { Notify(OnClick); }
};

class TPopupMenu : public TComponent {
public:
    using TComponent::TComponent;

    std::vector<TMenuItem*> Items;
};

// An interval timer. Enabling a disabled timer starts a fresh wait of Interval milliseconds;
// the view runs the clock and calls Tick when the wait is over.
class TTimer : public TComponent {
public:
    using TComponent::TComponent;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    int Interval = 1000;

    TNotifyEvent OnTimer;

    // The wait is over: OnTimer, if the timer is still enabled.
    void Tick();

private:
    bool enabled_ = false;
};

// The settings of a file dialog and the name it reports; running it is the platform's job.
class TFileDialog : public TComponent {
public:
    using TComponent::TComponent;

    QString DefaultExt;
    QString Filter;           // "description|patterns" pairs joined by "|"
    QString FileName;         // the last chosen file, proposed at the next run
    QStringList Files;        // every chosen file, for dialogs that take several
    bool FileMustExist = false;
    bool PathMustExist = false;
    bool AllowMultiSelect = false;
    bool OverwritePrompt = false;
    bool HideReadOnly = false;
    bool EnableSizing = false;
};

class TOpenDialog : public TFileDialog {
public:
    using TFileDialog::TFileDialog;
};

class TSaveDialog : public TFileDialog {
public:
    using TFileDialog::TFileDialog;
};
