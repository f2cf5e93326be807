#include "ui/Binding.h"

#include "ui/ChartView.h"

#include "editor/Controls.h"
#include "editor/ControlsChoice.h"
#include "editor/ControlsSimple.h"
#include "editor/ControlsText.h"
#include "editor/Dispatch.h"
#include "ui/Painted.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTimer>

#include <limits>

QString ShownText(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'&') {
            shown += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == u'&') {
            shown += u'&';
            ++i;
        }
    }
    return shown;
}

namespace {

QRect Geometry(const TControl& model) {
    return QRect(qRound(model.X()), qRound(model.Y()), qRound(model.Width()), qRound(model.Height()));
}

// Disabled controls show their colour faded, as the toolkit draws them at reduced opacity.
void ApplyFontColor(const TControl& model, QWidget* widget) {
    QPalette palette = widget->palette();
    const QColor color = QColor::fromRgba(model.FontColor());
    QColor faded = color;
    faded.setAlphaF(0.5f);
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) {
        palette.setColor(QPalette::Active, role, color);
        palette.setColor(QPalette::Inactive, role, color);
        palette.setColor(QPalette::Disabled, role, faded);
    }
    widget->setPalette(palette);
}

// What every control shares: place, enabled and visible states, text colour.
void ApplyCommon(const TControl& model, QWidget* widget, TAspect aspect) {
    switch (aspect) {
    case TAspect::Bounds: widget->setGeometry(Geometry(model)); break;
    case TAspect::Enabled: widget->setEnabled(model.Enabled()); break;
    case TAspect::Visible: widget->setVisible(model.Visible()); break;
    case TAspect::FontColor: ApplyFontColor(model, widget); break;
    default: break;
    }
}

void ApplyDesign(const TControl& model, QWidget* widget) {
    widget->setObjectName(model.Name());
    if (!model.Hint.isEmpty()) {
        // Rich text, so that the long hints wrap instead of running across the screen.
        widget->setToolTip(QStringLiteral("<p>") + model.Hint.toHtmlEscaped() + QStringLiteral("</p>"));
    }
    if (model.Font.Size > 0 || model.Font.Bold) {
        QFont font = widget->font();
        // Font sizes of the design are logical pixels, like its places.
        if (model.Font.Size > 0) font.setPixelSize(qRound(model.Font.Size));
        font.setBold(model.Font.Bold);
        widget->setFont(font);
    }
    widget->setFocusPolicy(model.CanFocus ? Qt::StrongFocus : Qt::NoFocus);
    for (TAspect aspect : {TAspect::Bounds, TAspect::Enabled, TAspect::Visible, TAspect::FontColor})
        ApplyCommon(model, widget, aspect);
}

// Memos count selections in their CR LF text; the widget has one character per line break.
int WidgetPosition(const TMemo& memo, int position) {
    int widget = 0, model = 0;
    for (const QString& line : memo.Lines()) {
        const int length = int(line.size());
        if (position <= model + length) return widget + (position - model);
        model += length + 2;
        widget += length + 1;
        if (position < model) return widget - 1;
    }
    return widget;
}

int ModelPosition(const QPlainTextEdit* widget, int position) {
    return position + widget->document()->findBlock(position).blockNumber();
}

QString MemoText(const QPlainTextEdit* widget) {
    QString text = widget->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

// The document takes the text itself: the widget's setPlainText would then give every character
// the insertion format again, a second pass over a long data text for nothing, as a memo holds
// no formats. Both clear the undo history; the caret is placed from the model right after.
void ShowLines(const TMemo& model, QPlainTextEdit* widget) {
    widget->document()->setPlainText(model.Lines().join(u'\n'));
}

void ApplySelection(const TEdit& model, QLineEdit* widget) {
    if (model.SelLength() > 0)
        widget->setSelection(model.SelStart(), model.SelLength());
    else
        widget->setCursorPosition(model.SelStart());
}

void ApplySelection(const TMemo& model, QPlainTextEdit* widget) {
    QTextCursor cursor = widget->textCursor();
    const int start = WidgetPosition(model, model.SelStart());
    cursor.setPosition(start);
    if (model.SelLength() > 0)
        cursor.setPosition(WidgetPosition(model, model.SelStart() + model.SelLength()), QTextCursor::KeepAnchor);
    widget->setTextCursor(cursor);
}

}  // namespace

Binding::Binding(TForm& form, QWidget* window) : QObject(window), form_(form), window_(window) { BindForm(); }

Binding::~Binding() {
    for (TComponent* model : bound_) model->ViewUpdate = nullptr;
}

void Binding::Detach() { detached_ = true; }

void Binding::BindForm() {
    bound_.push_back(&form_);
    auto apply = [this](TAspect aspect) {
        if (aspect == TAspect::Text) window_->setWindowTitle(form_.Caption());
        if (aspect == TAspect::ClientSize)
            window_->setFixedSize(qRound(form_.ClientWidth()), qRound(form_.ClientHeight()));
    };
    form_.ViewUpdate = apply;
    apply(TAspect::Text);
    apply(TAspect::ClientSize);
}

QWidget* Binding::WidgetOf(const TControl& model) const {
    const auto it = widgets_.find(&model);
    return it == widgets_.end() ? nullptr : it->second.data();
}

void Binding::Bind(TTimer& model) {
    auto* timer = new QTimer(this);
    timer->setInterval(model.Interval);
    connect(timer, &QTimer::timeout, this, [&model] { Dispatch([&] { model.Tick(); }); });
    bound_.push_back(&model);
    model.ViewUpdate = [timer, &model](TAspect aspect) {
        if (aspect != TAspect::Enabled) return;
        // Enabling starts a fresh wait.
        if (model.Enabled())
            timer->start(model.Interval);
        else
            timer->stop();
    };
    if (model.Enabled()) timer->start(model.Interval);
}

void Binding::Bind(TControl& model, QWidget* widget) {
    widgets_[&model] = widget;
    bound_.push_back(&model);
    ApplyDesign(model, widget);
    std::function<void(TAspect)> apply;

    if (auto* edit = dynamic_cast<TEdit*>(&model)) {
        auto* line = static_cast<QLineEdit*>(widget);
        // The widget's default limit would cut long texts short without a word.
        line->setMaxLength(std::numeric_limits<int>::max());
        line->setText(edit->Text());
        connect(line, &QLineEdit::textEdited, this, [edit](const QString& text) { Dispatch([&] { edit->UserType(text); }); });
        connect(line, &QLineEdit::returnPressed, this, [edit] { Dispatch([&] { edit->UserEnter(); }); });
        auto select = [edit, line] {
            const int start = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
            edit->UserSelect(start, int(line->selectedText().size()));
        };
        connect(line, &QLineEdit::selectionChanged, this, select);
        connect(line, &QLineEdit::cursorPositionChanged, this, select);
        apply = [edit, line](TAspect aspect) {
            if (aspect == TAspect::Text) line->setText(edit->Text());
            if (aspect == TAspect::Text || aspect == TAspect::Selection) ApplySelection(*edit, line);
        };
        TrackFocus(model, widget);
    } else if (auto* memo = dynamic_cast<TMemo*>(&model)) {
        auto* text = static_cast<QPlainTextEdit*>(widget);
        text->setLineWrapMode(memo->WordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        text->setTabChangesFocus(true);
        ShowLines(*memo, text);
        ApplySelection(*memo, text);
        connect(text, &QPlainTextEdit::textChanged, this, [memo, text] { Dispatch([&] { memo->UserType(MemoText(text)); }); });
        auto select = [memo, text] {
            const QTextCursor cursor = text->textCursor();
            const int start = ModelPosition(text, cursor.selectionStart());
            memo->UserSelect(start, ModelPosition(text, cursor.selectionEnd()) - start);
        };
        connect(text, &QPlainTextEdit::selectionChanged, this, select);
        connect(text, &QPlainTextEdit::cursorPositionChanged, this, select);
        apply = [memo, text](TAspect aspect) {
            if (aspect == TAspect::Text) ShowLines(*memo, text);
            if (aspect == TAspect::Text || aspect == TAspect::Selection) ApplySelection(*memo, text);
        };
        TrackFocus(model, widget);
    } else if (auto* combo = dynamic_cast<TComboBox*>(&model)) {
        auto* box = static_cast<QComboBox*>(widget);
        box->addItems(combo->Items);
        box->setCurrentIndex(combo->ItemIndex());
        connect(box, &QComboBox::currentIndexChanged, this, [combo, box](int index) {
            Dispatch([&] { combo->UserChoose(index); });
            const QSignalBlocker blocker(box);
            box->setCurrentIndex(combo->ItemIndex());
        });
        apply = [combo, box](TAspect aspect) {
            if (aspect == TAspect::ItemIndex) box->setCurrentIndex(combo->ItemIndex());
        };
        TrackFocus(model, widget);
    } else if (auto* check = dynamic_cast<TCheckBox*>(&model)) {
        auto* box = static_cast<QCheckBox*>(widget);
        box->setText(check->Text);
        box->setChecked(check->Checked());
        connect(box, &QCheckBox::clicked, this, [check, box] {
            // The widget toggled itself already; the model decides, and the widget follows it.
            Dispatch([&] { check->UserClick(); });
            const QSignalBlocker blocker(box);
            box->setChecked(check->Checked());
        });
        apply = [check, box](TAspect aspect) {
            if (aspect == TAspect::Checked) box->setChecked(check->Checked());
        };
        TrackFocus(model, widget);
    } else if (auto* list = dynamic_cast<TListBox*>(&model)) {
        auto* view = static_cast<QListWidget*>(widget);
        auto fill = [list, view] {
            view->clear();
            view->addItems(list->Items());
            view->setCurrentRow(list->ItemIndex());
        };
        fill();
        connect(view, &QListWidget::currentRowChanged, this, [list, view](int row) {
            Dispatch([&] { list->UserChoose(row); });
            const QSignalBlocker blocker(view);
            view->setCurrentRow(list->ItemIndex());
        });
        apply = [list, view, fill](TAspect aspect) {
            if (aspect == TAspect::Items) fill();
            if (aspect == TAspect::ItemIndex) view->setCurrentRow(list->ItemIndex());
        };
        TrackFocus(model, widget);
    } else if (auto* button = dynamic_cast<TButton*>(&model)) {
        auto* push = static_cast<QAbstractButton*>(widget);
        push->setText(button->Text);
        connect(push, &QAbstractButton::clicked, this, [button] { Dispatch([&] { button->UserClick(); }); });
        if (button->CanFocus) TrackFocus(model, widget);
    } else if (auto* label = dynamic_cast<TLabel*>(&model)) {
        auto* view = static_cast<QLabel*>(widget);
        view->setTextFormat(Qt::PlainText);
        view->setText(ShownText(label->Text()));
        apply = [label, view](TAspect aspect) {
            if (aspect == TAspect::Text) view->setText(ShownText(label->Text()));
        };
    } else if (auto* chart = dynamic_cast<TChart*>(&model)) {
        auto* view = static_cast<ChartView*>(widget);
        view->SetPoints(chart->Points());
        apply = [chart, view](TAspect aspect) {
            if (aspect == TAspect::Items) view->SetPoints(chart->Points());
        };
    } else if (auto* image = dynamic_cast<TImage*>(&model)) {
        if (image->PopupMenu) {
            widget->setContextMenuPolicy(Qt::CustomContextMenu);
            TPopupMenu* popup = image->PopupMenu;
            connect(widget, &QWidget::customContextMenuRequested, this, [popup, widget](const QPoint& at) {
                QMenu menu(widget);
                for (TMenuItem* item : popup->Items)
                    connect(menu.addAction(item->Text), &QAction::triggered, widget,
                            [item] { Dispatch([&] { item->UserClick(); }); });
                menu.exec(widget->mapToGlobal(at));
            });
        }
        apply = [widget](TAspect aspect) {
            if (aspect == TAspect::Picture) widget->update();
        };
    }

    model.ViewUpdate = [&model, widget, apply](TAspect aspect) {
        const QSignalBlocker blocker(widget);
        ApplyCommon(model, widget, aspect);
        if (apply) apply(aspect);
    };
}

void Binding::TrackFocus(TControl& model, QWidget* widget) {
    focusModels_[widget] = &model;
    widget->installEventFilter(this);
}

bool Binding::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress) {
        // A soft line break would be one line to the widget and two to the memo.
        auto* key = static_cast<QKeyEvent*>(event);
        auto* text = qobject_cast<QPlainTextEdit*>(watched);
        if (text && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & Qt::ShiftModifier)) {
            text->textCursor().insertBlock();
            return true;
        }
        return false;
    }
    if (type != QEvent::FocusIn && type != QEvent::FocusOut) return false;
    const auto it = focusModels_.find(watched);
    if (it == focusModels_.end() || detached_ || restoringFocus_) return false;
    // Switching windows or opening a menu leaves the field where it is.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
    if (type == QEvent::FocusIn)
        form_.UserFocus(it->second);
    else if (form_.Focused() == it->second)
        FocusLeaves(*it->second, static_cast<QWidget*>(watched));
    return false;
}

void Binding::FocusLeaves(TControl& model, QWidget* widget) {
    auto* field = dynamic_cast<TTextField*>(&model);
    if (field && !Dispatch([&] { field->UserExit(); })) {
        // The field refused to let the focus go: take it back before the next control gets it.
        restoringFocus_ = true;
        widget->setFocus(Qt::OtherFocusReason);
        restoringFocus_ = false;
        return;
    }
    form_.UserFocus(nullptr);
}
