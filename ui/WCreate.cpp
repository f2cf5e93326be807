#include "ui/WCreate.h"

#include "editor/Dispatch.h"
#include "editor/TFCreate.h"
#include "ui/Binding.h"
#include "ui/WMain.h"
#include "ui/Widgets.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QListWidget>
#include <QPushButton>

namespace {

// The file list: an entry dropped on another exchanges places with it; the form decides,
// the widget only reports the two rows.
class ExchangeList : public QListWidget {
public:
    ExchangeList(TFCreate& form, QWidget* parent) : QListWidget(parent), form_(form) {
        setDragEnabled(true);
        setAcceptDrops(true);
        setDropIndicatorShown(false);
        setDragDropMode(QAbstractItemView::InternalMove);
        setDefaultDropAction(Qt::MoveAction);
    }

protected:
    void dragMoveEvent(QDragMoveEvent* event) override {
        // Only an entry is a target; elsewhere the pointer shows that nothing will happen.
        if (event->source() == this && itemAt(event->position().toPoint()))
            event->acceptProposedAction();
        else
            event->ignore();
    }

    void dropEvent(QDropEvent* event) override {
        const int from = currentRow();
        const QListWidgetItem* target = itemAt(event->position().toPoint());
        // The list is redrawn from the form; Qt must not move anything itself.
        event->setDropAction(Qt::IgnoreAction);
        event->accept();
        if (event->source() != this || !target) return;
        const int onto = row(target);
        Dispatch([&] { form_.ListBox1DragDrop(from, onto); });
    }

private:
    TFCreate& form_;
};

}  // namespace

int WCreate::ShowModal(TFCreate& form, QWidget* parent) {
    if (!Dispatch([&] { form.Show(); })) form.ModalResult = TFCreate::mrCancel;
    if (form.ModalResult != TFCreate::mrNone) return form.ModalResult;
    WCreate dialog(form, parent);
    dialog.exec();
    if (form.ModalResult == TFCreate::mrNone) form.ModalResult = TFCreate::mrCancel;
    return form.ModalResult;
}

WCreate::WCreate(TFCreate& form, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      form_(form),
      binding_(new Binding(form, this)) {
    setFont(WindowFont());
    setObjectName(form.Name());
    for (TComponent* component : form.Components()) {
        auto* model = dynamic_cast<TControl*>(component);
        if (!model) continue;
        QWidget* widget = model == &form.ListBox1 ? new ExchangeList(form, this) : CreateControlWidget(*model, this);
        binding_->Bind(*model, widget);
        widget->setToolTip(QString());  // the dialog shows no hints
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            button->setAutoDefault(false);
            connect(button, &QPushButton::clicked, this, &WCreate::FinishIfDecided);
        }
    }
    QWidget* previous = nullptr;
    for (TControl* model : TabChain(form)) {
        QWidget* widget = binding_->WidgetOf(*model);
        if (previous) setTabOrder(previous, widget);
        previous = widget;
    }
    if (QWidget* first = binding_->WidgetOf(form.Edit17)) first->setFocus();
}

WCreate::~WCreate() { binding_->Detach(); }

void WCreate::reject() {
    Dispatch([&] { form_.Button2.UserClick(); });
    FinishIfDecided();
}

void WCreate::FinishIfDecided() {
    if (form_.ModalResult != TFCreate::mrNone) done(form_.ModalResult);
}
