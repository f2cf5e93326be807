#pragma once

#include <QWidget>

class Binding;
class TControl;
class TFMain;

// The main window: a widget for every control model of the form, at its place, bound to it.
class WMain : public QWidget {
    Q_OBJECT
public:
    explicit WMain(TFMain& form, QWidget* parent = nullptr);
    ~WMain() override;

    TFMain& Form() const { return form_; }
    QWidget* WidgetOf(const TControl& model) const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    TFMain& form_;
    Binding* binding_;
    bool shown_ = false;
};

// The window's text font: the style's family at the design's size, with the symbol fonts that
// carry the button glyphs (arrows, plus, minus, waste basket, cross) as fallbacks.
QFont WindowFont();
