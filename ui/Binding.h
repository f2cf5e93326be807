#pragma once

#include <QObject>
#include <QPointer>

#include <unordered_map>

class QWidget;
class QTimer;
class TComponent;
class TControl;
class TForm;
class TTimer;

// Binds widgets to the control models of one form, both ways and once per kind of control:
// the user's input goes to the model through the dispatcher (the model then notifies), and
// the program's changes of a model are drawn into its widget with the widget's signals
// blocked, so that nothing echoes back.
class Binding : public QObject {
    Q_OBJECT
public:
    Binding(TForm& form, QWidget* window);
    ~Binding() override;

    // Binds a widget made for the model's kind (see WMain) and draws the model's state into it.
    void Bind(TControl& model, QWidget* widget);
    // Runs the model timer's clock.
    void Bind(TTimer& model);

    QWidget* WidgetOf(const TControl& model) const;

    // From now on focus changes raise nothing: the window is going away.
    void Detach();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BindForm();
    void TrackFocus(TControl& model, QWidget* widget);
    void FocusLeaves(TControl& model, QWidget* widget);

    TForm& form_;
    QWidget* window_;
    std::unordered_map<const TControl*, QPointer<QWidget>> widgets_;
    std::unordered_map<const QObject*, TControl*> focusModels_;
    std::vector<TComponent*> bound_;
    bool restoringFocus_ = false;
    bool detached_ = false;
};

// The text a control shows for a design text with accelerator marks: "&&" is one "&", a
// single "&" disappears.
QString ShownText(const QString& text);
