#include "ui/WMain.h"

#include "editor/TFMain.h"
#include "editor/Dispatch.h"
#include "ui/Binding.h"
#include "ui/Widgets.h"

#include <QCloseEvent>
#include <QShowEvent>

#include <unordered_map>

QFont WindowFont() {
    QFont font;
    // Monochrome symbol fonts come before any colour emoji font, so that the glyphs take the
    // text colour (the red minus of the spectrum panel).
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Noto Sans"), QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans Symbols2"),
                      QStringLiteral("Symbola"), QStringLiteral("Noto Sans Symbols")});
    font.setPixelSize(12);
    return font;
}

WMain::WMain(TFMain& form, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      form_(form),
      binding_(new Binding(form, this)) {
    setFont(WindowFont());
    setObjectName(form.Name());

    std::unordered_map<const TControl*, QWidget*> containers;
    for (TComponent* component : form.Components()) {
        if (auto* timer = dynamic_cast<TTimer*>(component)) {
            binding_->Bind(*timer);
            continue;
        }
        auto* model = dynamic_cast<TControl*>(component);
        if (!model) continue;
        QWidget* parentWidget = model->Parent() ? containers.at(model->Parent()) : this;
        QWidget* widget = CreateControlWidget(*model, parentWidget);
        binding_->Bind(*model, widget);
        containers[model] = widget;
    }

    QWidget* previous = nullptr;
    for (TControl* model : TabChain(form)) {
        QWidget* widget = WidgetOf(*model);
        if (previous) setTabOrder(previous, widget);
        previous = widget;
    }
}

WMain::~WMain() { binding_->Detach(); }

QWidget* WMain::WidgetOf(const TControl& model) const { return binding_->WidgetOf(model); }

void WMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The first showing runs the form's show handler, before the window reaches the screen.
    if (event->spontaneous() || shown_) return;
    shown_ = true;
    Dispatch([this] { form_.UserShow(); });
}

void WMain::closeEvent(QCloseEvent* event) {
    // A command still runs (a download waits in its own event loop): closing now would pull the
    // window from under it.
    if (DispatchDepth() > 0) {
        event->ignore();
        return;
    }
    bool canClose = true;
    // A close query that fails keeps the window, and with it the unsaved work.
    if (!Dispatch([&] { canClose = form_.UserCloseQuery(); })) canClose = false;
    if (canClose) {
        binding_->Detach();
        event->accept();
    } else {
        event->ignore();
    }
}
