#pragma once

#include "editor/Controls.h"

// A drop-down list of fixed items.
class TComboBox : public TControl {
public:
    TComboBox(TForm* owner, QString name, TControl* parent) : TControl(owner, std::move(name), parent) {
        CanFocus = true;
    }

    // The design's items; they never change at run time.
    QStringList Items;

    int ItemIndex() const { return itemIndex_; }
    // OnChange when the index changes; an index outside the items selects nothing (-1).
    void SetItemIndex(int index);

    TNotifyEvent OnChange;

    // The user chose an item: OnChange when it is another one.
    void UserChoose(int index);

private:
    bool Select(int index);
    int itemIndex_ = -1;
};

// A check box. The user's click raises OnClick before the box toggles, then OnChange.
class TCheckBox : public TControl {
public:
    TCheckBox(TForm* owner, QString name, TControl* parent) : TControl(owner, std::move(name), parent) {
        CanFocus = true;
    }

    QString Text;

    bool Checked() const { return checked_; }
    // OnChange only, and only when the state changes.
    void SetChecked(bool checked);

    TNotifyEvent OnClick;
    TNotifyEvent OnChange;

    // A click or the Space key: OnClick, then toggle and OnChange. A handler that throws in
    // OnClick leaves the box as it was.
    void UserClick();

private:
    bool checked_ = false;
};

// A list of items with at most one selected. Every change of the selected index notifies,
// whoever made it, removals and clearing included.
class TListBox : public TControl {
public:
    TListBox(TForm* owner, QString name, TControl* parent) : TControl(owner, std::move(name), parent) {
        CanFocus = true;
    }

    const QStringList& Items() const { return items_; }
    int Count() const { return int(items_.size()); }
    // Throws Failure for an index outside the items.
    const QString& Item(int index) const;

    void AddItem(const QString& text);
    // Changes an item's text; the selection stays as it is.
    void SetItem(int index, const QString& text);
    // The two items exchange places; the selection stays on the same index.
    void ExchangeItems(int a, int b);
    // Removing the selected item selects nothing; removing one before it moves the selection
    // up with its item. Throws Failure for an index outside the items.
    void DeleteItem(int index);
    void ClearItems();

    int ItemIndex() const { return itemIndex_; }
    // An index outside the items selects nothing (-1).
    void SetItemIndex(int index);

    TNotifyEvent OnChange;

    // The user selected an item.
    void UserChoose(int index);

private:
    void Select(int index, bool byUser);
    QStringList items_;
    int itemIndex_ = -1;
};
