#include "ui/Widgets.h"

#include "editor/ControlsChoice.h"
#include "editor/ControlsSimple.h"
#include "editor/ControlsText.h"
#include "ui/ChartView.h"
#include "ui/Painted.h"
#include "ui/WMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

QWidget* CreateControlWidget(TControl& model, QWidget* parent) {
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
    if (dynamic_cast<TChart*>(&model)) return new ChartView(parent);
    auto* panel = new QFrame(parent);
    panel->setFrameShape(QFrame::StyledPanel);
    return panel;
}
