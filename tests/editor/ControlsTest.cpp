#include "editor/Controls.h"
#include "editor/ControlsChoice.h"
#include "editor/ControlsSimple.h"
#include "editor/ControlsText.h"
#include "editor/Dispatch.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A built form whose controls write every notification they raise into one log.
class Notifications : public ::testing::Test {
protected:
    Notifications() { form.EndBuilding(); }

    TNotifyEvent Log(const char* event) {
        return [this, event](TComponent* sender) { log << sender->Name() + QLatin1Char(':') + QLatin1String(event); };
    }
    void Attach(TTextField& field) {
        field.OnChange = Log("Change");
        field.OnChangeTracking = Log("Tracking");
        field.OnExit = Log("Exit");
    }
    QStringList Take() { return std::exchange(log, {}); }

    TForm form{QStringLiteral("Form")};
    QStringList log;
};

QStringList Events(std::initializer_list<const char*> names) {
    QStringList list;
    for (const char* name : names) list << QString::fromLatin1(name);
    return list;
}

template <typename Control>
struct Case {
    const char* what;
    std::function<void(Control&)> act;
    QStringList expected;
};

}  // namespace

TEST_F(Notifications, EditField) {
    const Case<TEdit> cases[] = {
        {"program sets another text", [](TEdit& e) { e.SetText("b"); }, Events({"E:Tracking", "E:Change"})},
        {"program sets the same text", [](TEdit& e) { e.SetText("a"); }, {}},
        {"user types", [](TEdit& e) { e.UserType("ab"); }, Events({"E:Tracking"})},
        {"user types nothing new", [](TEdit& e) { e.UserType("a"); }, {}},
        {"user types and leaves",
         [](TEdit& e) { e.UserType("ab"); e.UserExit(); },
         Events({"E:Tracking", "E:Change", "E:Exit"})},
        {"leaving unchanged", [](TEdit& e) { e.UserExit(); }, Events({"E:Exit"})},
        {"Enter completes once",
         [](TEdit& e) { e.UserType("ab"); e.UserEnter(); e.UserEnter(); e.UserExit(); },
         Events({"E:Tracking", "E:Change", "E:Exit"})},
        {"the program's OnChange completes the user's change",
         [](TEdit& e) { e.UserType("ab"); e.SetText("c"); e.UserExit(); },
         Events({"E:Tracking", "E:Tracking", "E:Change", "E:Exit"})},
        {"typing back the old text still changed it",
         [](TEdit& e) { e.UserType("ab"); e.UserType("a"); e.UserExit(); },
         Events({"E:Tracking", "E:Tracking", "E:Change", "E:Exit"})},
    };
    for (const auto& c : cases) {
        TEdit edit(&form, QStringLiteral("E"), nullptr);
        edit.SetText("a");
        Attach(edit);
        c.act(edit);
        EXPECT_EQ(Take(), c.expected) << c.what;
    }
}

TEST_F(Notifications, Memo) {
    const Case<TMemo> cases[] = {
        {"program sets another text", [](TMemo& m) { m.SetText("a\r\nc"); }, Events({"M:Tracking", "M:Change"})},
        {"the same text with other line breaks", [](TMemo& m) { m.SetText("a\nb"); }, {}},
        {"adding leaves the memo changed until the focus goes",
         [](TMemo& m) { m.AddLine("c"); m.UserExit(); },
         Events({"M:Tracking", "M:Change", "M:Exit"})},
        {"clearing after adding completes the change",
         [](TMemo& m) { m.AddLine("c"); m.ClearLines(); m.UserExit(); },
         Events({"M:Tracking", "M:Tracking", "M:Change", "M:Exit"})},
        {"clearing an empty memo", [](TMemo& m) { m.ClearLines(); m.ClearLines(); }, Events({"M:Tracking", "M:Change"})},
        {"deleting a line", [](TMemo& m) { m.DeleteLine(0); }, Events({"M:Tracking", "M:Change"})},
        {"a bracketed update notifies once at its end",
         [](TMemo& m) {
             m.BeginUpdate();
             m.BeginUpdate();
             m.AddLine("c");
             m.AddLine("d");
             m.EndUpdate();
             m.AddLine("e");
             m.EndUpdate();
             m.UserExit();
         },
         Events({"M:Tracking", "M:Change", "M:Exit"})},
        {"adding several lines at once is one change, left pending like adding one",
         [](TMemo& m) { m.AddLines({"c", "d"}); m.UserExit(); },
         Events({"M:Tracking", "M:Change", "M:Exit"})},
        {"a bracket that clears and adds",
         [](TMemo& m) {
             m.BeginUpdate();
             m.ClearLines();
             m.AddLine("c");
             m.EndUpdate();
         },
         Events({"M:Tracking", "M:Change"})},
        {"an empty bracket", [](TMemo& m) { m.BeginUpdate(); m.EndUpdate(); }, {}},
        {"user types and leaves",
         [](TMemo& m) { m.UserType("a\nb\n"); m.UserExit(); },
         Events({"M:Tracking", "M:Change", "M:Exit"})},
    };
    for (const auto& c : cases) {
        TMemo memo(&form, QStringLiteral("M"), nullptr);
        memo.SetText("a\r\nb");
        Attach(memo);
        c.act(memo);
        EXPECT_EQ(Take(), c.expected) << c.what;
    }
}

TEST_F(Notifications, MemoBlankLinesGoInOneChange) {
    TMemo memo(&form, QStringLiteral("M"), nullptr);
    memo.SetText("1 2\r\n \r\n\t\r\n3 4\r\n");
    Attach(memo);
    EXPECT_TRUE(memo.RemoveBlankLines());
    EXPECT_EQ(memo.Text(), "1 2\r\n3 4");
    EXPECT_FALSE(memo.RemoveBlankLines());
    EXPECT_EQ(Take(), Events({"M:Tracking", "M:Change"}));
}

TEST_F(Notifications, MemoLinesAndText) {
    TMemo memo(&form, QStringLiteral("M"), nullptr);
    memo.SetText("a\rb\nc\r\n");
    EXPECT_EQ(memo.Lines(), QStringList({"a", "b", "c", ""}));
    EXPECT_EQ(memo.Text(), "a\r\nb\r\nc\r\n");
    memo.ClearLines();
    memo.AddLine("x\r\ny");
    EXPECT_EQ(memo.LineCount(), 2);
    EXPECT_THROW(memo.DeleteLine(2), std::exception);
    // Selections count in the CR LF text.
    memo.SetSelStart(3);
    memo.SetSelLength(5);
    EXPECT_EQ(memo.SelStart(), 3);
    EXPECT_EQ(memo.SelLength(), 1);
    memo.AddLines({"z", "", "w"});
    EXPECT_EQ(memo.Text(), "x\r\ny\r\nz\r\n\r\nw");
}

TEST_F(Notifications, ComboBox) {
    const Case<TComboBox> cases[] = {
        {"program selects another item", [](TComboBox& c) { c.SetItemIndex(2); }, Events({"C:Change"})},
        {"program selects the same item", [](TComboBox& c) { c.SetItemIndex(0); }, {}},
        {"user chooses another item", [](TComboBox& c) { c.UserChoose(1); }, Events({"C:Change"})},
        {"user chooses the same item", [](TComboBox& c) { c.UserChoose(0); }, {}},
        {"an index outside the items selects nothing", [](TComboBox& c) { c.SetItemIndex(7); c.SetItemIndex(-1); },
         Events({"C:Change"})},
    };
    for (const auto& c : cases) {
        TComboBox combo(&form, QStringLiteral("C"), nullptr);
        combo.Items = {"x", "y", "z"};
        combo.SetItemIndex(0);
        combo.OnChange = Log("Change");
        c.act(combo);
        EXPECT_EQ(Take(), c.expected) << c.what;
    }
}

TEST_F(Notifications, CheckBox) {
    TCheckBox box(&form, QStringLiteral("B"), nullptr);
    bool checkedInClick = true;
    box.OnClick = [&](TComponent* sender) {
        checkedInClick = box.Checked();
        log << sender->Name() + ":Click";
    };
    box.OnChange = Log("Change");

    box.UserClick();
    EXPECT_FALSE(checkedInClick) << "OnClick comes before the toggle";
    EXPECT_TRUE(box.Checked());
    EXPECT_EQ(Take(), Events({"B:Click", "B:Change"}));

    box.SetChecked(true);
    EXPECT_EQ(Take(), QStringList());
    box.SetChecked(false);
    EXPECT_EQ(Take(), Events({"B:Change"}));

    box.OnClick = [](TComponent*) { throw EAbort(); };
    EXPECT_FALSE(Dispatch([&] { box.UserClick(); }));
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(Take(), QStringList());
}

TEST_F(Notifications, ListBox) {
    const Case<TListBox> cases[] = {
        {"removing an item after the selected one", [](TListBox& l) { l.DeleteItem(2); }, {}},
        {"removing an item before it moves the index", [](TListBox& l) { l.DeleteItem(0); }, Events({"L:Change"})},
        {"removing the selected item", [](TListBox& l) { l.DeleteItem(1); }, Events({"L:Change"})},
        {"clearing", [](TListBox& l) { l.ClearItems(); l.ClearItems(); }, Events({"L:Change"})},
        {"adding", [](TListBox& l) { l.AddItem("d"); }, {}},
        {"program selects the same item", [](TListBox& l) { l.SetItemIndex(1); }, {}},
        {"program selects another item", [](TListBox& l) { l.SetItemIndex(0); }, Events({"L:Change"})},
        {"user chooses another item", [](TListBox& l) { l.UserChoose(2); }, Events({"L:Change"})},
    };
    for (const auto& c : cases) {
        TListBox list(&form, QStringLiteral("L"), nullptr);
        for (const char* item : {"a", "b", "c"}) list.AddItem(item);
        list.SetItemIndex(1);
        list.OnChange = Log("Change");
        c.act(list);
        EXPECT_EQ(Take(), c.expected) << c.what;
    }

    TListBox list(&form, QStringLiteral("L"), nullptr);
    for (const char* item : {"a", "b", "c"}) list.AddItem(item);
    list.SetItemIndex(2);
    list.DeleteItem(0);
    EXPECT_EQ(list.ItemIndex(), 1) << "the selection follows its item";
    list.DeleteItem(1);
    EXPECT_EQ(list.ItemIndex(), -1);
}

TEST_F(Notifications, ButtonsTakeClicksOnlyWhenReachable) {
    TPanel panel(&form, QStringLiteral("P"), nullptr);
    TButton button(&form, QStringLiteral("B"), &panel);
    button.OnClick = Log("Click");
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"enabled and shown", [] {}},
        {"disabled", [&] { button.SetEnabled(false); }},
        {"hidden", [&] { button.SetVisible(false); }},
        {"in a hidden panel", [&] { panel.SetVisible(false); }},
    };
    const QStringList expected[] = {Events({"B:Click"}), {}, {}, {}};
    int i = 0;
    for (const auto& [what, arrange] : cases) {
        button.SetEnabled(true);
        button.SetVisible(true);
        panel.SetVisible(true);
        arrange();
        button.UserClick();
        EXPECT_EQ(Take(), expected[i++]) << what;
    }
}

TEST_F(Notifications, TimerFiresOnlyWhileEnabled) {
    TTimer timer(&form, QStringLiteral("T"));
    timer.OnTimer = Log("Timer");
    timer.Tick();
    timer.SetEnabled(true);
    timer.Tick();
    EXPECT_EQ(Take(), Events({"T:Timer"}));
    EXPECT_EQ(timer.Interval, 1000);
}

TEST_F(Notifications, NoneWhileTheFormIsBuilt) {
    TForm building(QStringLiteral("Building"));
    TEdit edit(&building, QStringLiteral("E"), nullptr);
    TMemo memo(&building, QStringLiteral("M"), nullptr);
    TComboBox combo(&building, QStringLiteral("C"), nullptr);
    TCheckBox box(&building, QStringLiteral("B"), nullptr);
    TListBox list(&building, QStringLiteral("L"), nullptr);
    Attach(edit);
    Attach(memo);
    combo.OnChange = box.OnChange = list.OnChange = Log("Change");
    combo.Items = {"x", "y"};

    edit.SetText("a");
    memo.SetText("a");
    memo.AddLine("b");
    combo.SetItemIndex(1);
    box.SetChecked(true);
    list.AddItem("a");
    list.SetItemIndex(0);
    EXPECT_EQ(Take(), QStringList());

    building.EndBuilding();
    edit.SetText("b");
    EXPECT_EQ(Take(), Events({"E:Tracking", "E:Change"}));
}

// The view hears about the program's changes only, so showing them cannot echo back as input.
TEST_F(Notifications, ViewUpdatesFollowTheProgramNotTheUser) {
    TEdit edit(&form, QStringLiteral("E"), nullptr);
    TMemo memo(&form, QStringLiteral("M"), nullptr);
    QList<TAspect> updates;
    edit.ViewUpdate = memo.ViewUpdate = [&](TAspect aspect) { updates << aspect; };

    edit.UserType("typed");
    edit.UserSelect(1, 2);
    memo.UserType("typed");
    EXPECT_TRUE(updates.isEmpty());

    edit.SetText("set");
    edit.SetFontColor(ColorGrey);
    memo.BeginUpdate();
    for (int i = 0; i < 1000; ++i) memo.AddLine(QString::number(i));
    memo.EndUpdate();
    EXPECT_EQ(updates, QList<TAspect>({TAspect::Text, TAspect::FontColor, TAspect::Text}));
}

// Closing the window while a field still holds an uncompleted edit must not lose it: the
// edit completes before the close query decides.
TEST_F(Notifications, ClosingCompletesTheFocusedFieldsEdit) {
    TEdit edit(&form, QStringLiteral("E"), nullptr);
    Attach(edit);
    form.OnCloseQuery = [this](TComponent*) {
        log << "Form:CloseQuery";
        return true;
    };
    form.UserFocus(&edit);
    edit.UserType("typed");
    EXPECT_TRUE(form.UserCloseQuery());
    EXPECT_EQ(Take(), Events({"E:Tracking", "E:Change", "Form:CloseQuery"}));
}
