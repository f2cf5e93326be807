#include "editor/ControlsChoice.h"

#include "records/Failure.h"

bool TComboBox::Select(int index) {
    if (index < 0 || index >= Items.size()) index = -1;
    if (index == itemIndex_) return false;
    itemIndex_ = index;
    return true;
}

void TComboBox::SetItemIndex(int index) {
    if (!Select(index)) return;
    Changed(TAspect::ItemIndex);
    Notify(OnChange);
}

void TComboBox::UserChoose(int index) {
    if (Select(index)) Notify(OnChange);
}

void TCheckBox::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    Changed(TAspect::Checked);
    Notify(OnChange);
}

void TCheckBox::UserClick() {
    Notify(OnClick);
    checked_ = !checked_;
    Notify(OnChange);
}

void TListBox::Select(int index, bool byUser) {
    if (index < 0 || index >= items_.size()) index = -1;
    if (index == itemIndex_) return;
    itemIndex_ = index;
    if (!byUser) Changed(TAspect::ItemIndex);
    Notify(OnChange);
}

namespace {

void CheckIndex(const QStringList& items, int index) {
    if (index < 0 || index >= items.size()) throw Failure(QStringLiteral("List index out of bounds (%1)").arg(index));
}

}  // namespace

const QString& TListBox::Item(int index) const {
    CheckIndex(items_, index);
    return items_[index];
}

void TListBox::AddItem(const QString& text) {
    items_.append(text);
    Changed(TAspect::Items);
}

void TListBox::SetItem(int index, const QString& text) {
    if (index < 0 || index >= items_.size())
        throw Failure(QStringLiteral("List index out of bounds (%1)").arg(index));
    if (items_[index] == text) return;
    items_[index] = text;
    Changed(TAspect::Items);
}

void TListBox::ExchangeItems(int a, int b) {
    if (a < 0 || b < 0 || a >= items_.size() || b >= items_.size())
        throw Failure(QStringLiteral("List index out of bounds (%1)").arg(a < 0 || a >= items_.size() ? a : b));
    items_.swapItemsAt(a, b);
    Changed(TAspect::Items);
}

void TListBox::DeleteItem(int index) {
    CheckIndex(items_, index);
    items_.removeAt(index);
    Changed(TAspect::Items);
    if (index == itemIndex_)
        Select(-1, false);
    else if (index < itemIndex_)
        Select(itemIndex_ - 1, false);
}

void TListBox::ClearItems() {
    if (items_.isEmpty()) return;
    items_.clear();
    Changed(TAspect::Items);
    Select(-1, false);
}

void TListBox::SetItemIndex(int index) { Select(index, false); }

void TListBox::UserChoose(int index) { Select(index, true); }
