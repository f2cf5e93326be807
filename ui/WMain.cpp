#include "ui/WMain.h"

#include "editor/TFMain.h"
#include "editor/Dispatch.h"
#include "ui/Binding.h"
#include "ui/Painted.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

#include <qcustomplot.h>

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
        QWidget* widget = CreateWidget(*model, parentWidget);
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

QWidget* WMain::CreateWidget(TControl& model, QWidget* parent) {
    if (dynamic_cast<TEdit*>(&model)) return new QLineEdit(parent);
    if (dynamic_cast<TMemo*>(&model)) return new QPlainTextEdit(parent);
    if (dynamic_cast<TComboBox*>(&model)) return new QComboBox(parent);
    if (dynamic_cast<TCheckBox*>(&model)) return new QCheckBox(parent);
    if (dynamic_cast<TListBox*>(&model)) return new QListWidget(parent);
    if (dynamic_cast<TSpeedButton*>(&model)) return new QToolButton(parent);
    if (dynamic_cast<TButton*>(&model)) return new QPushButton(parent);
    if (auto* text = dynamic_cast<TText*>(&model)) {
        auto* label = new QLabel(parent);
        label->setAlignment(text->Centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(text->WordWrap);
        return label;
    }
    if (dynamic_cast<TLabel*>(&model)) {
        auto* label = new QLabel(parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        // Labels with room for two lines wrap their text.
        label->setWordWrap(model.Height() >= 2 * QFontMetrics(WindowFont()).height());
        return label;
    }
    if (auto* image = dynamic_cast<TImage*>(&model)) return new ImageView(*image, parent);
    if (auto* shape = dynamic_cast<TRoundRect*>(&model)) return new RoundRectView(*shape, parent);
    if (auto* chart = dynamic_cast<TChart*>(&model)) return CreateChartArea(*chart, parent);
    auto* panel = new QFrame(parent);
    panel->setFrameShape(QFrame::StyledPanel);
    return panel;
}

QWidget* WMain::CreateChartArea(TChart&, QWidget* parent) { return new QCustomPlot(parent); }

void WMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The first showing runs the form's show handler, before the window reaches the screen.
    if (event->spontaneous() || shown_) return;
    shown_ = true;
    Dispatch([this] { form_.UserShow(); });
}

void WMain::closeEvent(QCloseEvent* event) {
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
