#include "editor/Dispatch.h"
#include "editor/TFMain.h"
#include "support/ScriptedPlatform.h"
#include "support/TestSupport.h"
#include "ui/ChartView.h"
#include "ui/WMain.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class MainWindow : public ::testing::Test {
protected:
    MainWindow() {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QWidget* Widget(const TControl& model) { return window.WidgetOf(model); }
    QRect Place(const TControl& model) { return Widget(model)->geometry(); }
    TNotifyEvent Log(const char* event) {
        return [this, event](TComponent* sender) { log << sender->Name() + QLatin1Char(':') + QLatin1String(event); };
    }
    QStringList Take() { return std::exchange(log, {}); }

    ScriptedPlatform platform;
    TFMain form{platform};
    WMain window{form};
    QStringList log;
};

}  // namespace

TEST_F(MainWindow, ShowsTheSpeciesInputArrangement) {
    EXPECT_EQ(window.windowTitle(), "Spectral database v1.0 -- Species input");
    EXPECT_EQ(window.size(), QSize(720, 827));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "not resizable";
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);

    EXPECT_FALSE(Widget(form.Panel4)->isVisible());
    EXPECT_EQ(Place(form.Panel1), QRect(8, 8, 249, 593));
    EXPECT_EQ(Place(form.Panel2), QRect(265, 8, 449, 593));
    EXPECT_EQ(Place(form.Panel3), QRect(8, 608, 682, 217));
    EXPECT_EQ(Place(form.Chart1), QRect(8, 8, 666, 201));
    EXPECT_EQ(Place(form.SpeedButton1), QRect(689, 608, 24, 22));
    EXPECT_EQ(Place(form.SpeedButton2), QRect(689, 624, 24, 22));

    EXPECT_TRUE(Widget(form.Button19)->isVisible());
    for (const TButton* hidden : {&form.Button9, &form.Button13, &form.Button14, &form.Button12})
        EXPECT_FALSE(Widget(*hidden)->isVisible()) << hidden->Name().toStdString();
    for (const TButton* disabled : {&form.Button11, &form.Button10, &form.Button2, &form.Button3, &form.Button4})
        EXPECT_FALSE(Widget(*disabled)->isEnabled()) << disabled->Name().toStdString();
    EXPECT_TRUE(Widget(form.Button1)->isEnabled());

    EXPECT_EQ(Widget(form.Button2)->palette().color(QPalette::Active, QPalette::ButtonText), QColor(Qt::red));
    EXPECT_EQ(static_cast<QLabel*>(Widget(form.Label20))->text(), "Date & facility");
    EXPECT_TRUE(Widget(form.Edit17)->toolTip().contains("Give a title to the spectrum"));
    EXPECT_EQ(Widget(form.SpeedButton2)->focusPolicy(), Qt::NoFocus);
}

TEST_F(MainWindow, TypingAndLeavingAFieldReachTheModel) {
    auto* edit1 = static_cast<QLineEdit*>(Widget(form.Edit1));
    form.Edit1.OnChangeTracking = Log("Tracking");
    form.Edit1.OnChange = Log("Change");
    form.Edit1.OnExit = Log("Exit");

    edit1->setFocus();
    QTest::keyClicks(edit1, "X");
    EXPECT_EQ(form.Edit1.Text(), "New speciesX");
    EXPECT_EQ(Take(), QStringList({"Edit1:Tracking"}));

    Widget(form.Edit2)->setFocus();
    EXPECT_EQ(Take(), QStringList({"Edit1:Change", "Edit1:Exit"}));
    EXPECT_EQ(form.Focused(), &form.Edit2);

    // The program's change shows in the widget and notifies once, without an echo.
    form.Edit1.SetText("Benzene");
    EXPECT_EQ(edit1->text(), "Benzene");
    EXPECT_EQ(Take(), QStringList({"Edit1:Tracking", "Edit1:Change"}));
}

TEST_F(MainWindow, AnExitHandlerThatAbortsKeepsTheFocus) {
    form.Edit2.OnExit = [](TComponent*) { throw EAbort(); };
    Widget(form.Edit2)->setFocus();
    QTest::keyClicks(Widget(form.Edit2), "twelve");
    Widget(form.Edit3)->setFocus();
    EXPECT_TRUE(Widget(form.Edit2)->hasFocus());
    EXPECT_EQ(form.Focused(), &form.Edit2);
}

TEST_F(MainWindow, ClicksAndAccelerators) {
    form.CheckBox1.OnClick = Log("Click");
    form.CheckBox1.OnChange = Log("Change");
    form.SpeedButton1.OnClick = Log("Click");
    form.SpeedButton2.OnClick = Log("Click");
    form.Button11.OnClick = Log("Click");
    form.Button10.OnClick = Log("Click");

    QTest::mouseClick(Widget(form.CheckBox1), Qt::LeftButton);
    EXPECT_EQ(Take(), QStringList({"CheckBox1:Click", "CheckBox1:Change"}));
    EXPECT_TRUE(static_cast<QCheckBox*>(Widget(form.CheckBox1))->isChecked());

    // The speed buttons leave the focus, and with it the selection, in the field.
    Widget(form.Edit3)->setFocus();
    QTest::mouseClick(Widget(form.SpeedButton2), Qt::LeftButton);
    EXPECT_TRUE(Widget(form.Edit3)->hasFocus());
    EXPECT_EQ(form.Focused(), &form.Edit3);
    EXPECT_EQ(Take(), QStringList({"SpeedButton2:Click"}));

    // Accelerators click after a short animation; the database panel's are inactive while it is hidden.
    for (Qt::Key key : {Qt::Key_X, Qt::Key_Y, Qt::Key_O, Qt::Key_A}) QTest::keyClick(&window, key, Qt::AltModifier);
    QTest::qWait(300);
    EXPECT_EQ(Take(), QStringList({"SpeedButton1:Click", "SpeedButton2:Click"}));
    EXPECT_TRUE(Widget(form.Edit3)->hasFocus());
}

// The memo's widget has one character per line break, the model two (CR LF).
TEST_F(MainWindow, MemoLinesAndSelectionsCrossTheBinding) {
    auto* memo = static_cast<QPlainTextEdit*>(Widget(form.Memo4));
    form.Memo4.OnChangeTracking = Log("Tracking");
    memo->setFocus();
    QTest::keyClicks(memo, "1 2");
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, "3 4");
    EXPECT_EQ(form.Memo4.Text(), "1 2\r\n3 4");
    EXPECT_EQ(Take().size(), 7);

    QTextCursor cursor = memo->textCursor();
    cursor.setPosition(4);
    cursor.setPosition(5, QTextCursor::KeepAnchor);
    memo->setTextCursor(cursor);
    EXPECT_EQ(form.Memo4.SelStart(), 5);
    EXPECT_EQ(form.Memo4.SelLength(), 1);

    form.Memo4.SetSelStart(7);
    form.Memo4.SetSelLength(1);
    EXPECT_EQ(memo->textCursor().selectedText(), "4");

    form.Memo4.BeginUpdate();
    form.Memo4.AddLine("5, 6");
    form.Memo4.AddLine("7, 8");
    form.Memo4.EndUpdate();
    EXPECT_EQ(memo->toPlainText(), "1 2\n3 4\n5, 6\n7, 8");
    EXPECT_EQ(Take(), QStringList({"Memo4:Tracking"}));
}

TEST_F(MainWindow, ChoicesCrossTheBinding) {
    auto* combo = static_cast<QComboBox*>(Widget(form.ComboBox1));
    auto* list = static_cast<QListWidget*>(Widget(form.ListBox1));
    form.ComboBox1.OnChange = Log("Change");
    form.ListBox1.OnChange = Log("Change");

    combo->setCurrentIndex(4);
    EXPECT_EQ(form.ComboBox1.ItemIndex(), 4);
    form.ComboBox1.SetItemIndex(5);
    EXPECT_EQ(combo->currentText(), "PIS");
    EXPECT_EQ(Take(), QStringList({"ComboBox1:Change", "ComboBox1:Change"}));

    form.ListBox1.AddItem("(C6H6) benzene");
    list->setCurrentRow(1);
    EXPECT_EQ(form.ListBox1.ItemIndex(), 1);
    form.ListBox1.DeleteItem(1);
    EXPECT_EQ(list->count(), 1);
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_EQ(Take(), QStringList({"ListBox1:Change", "ListBox1:Change"}));
}

TEST_F(MainWindow, TheTimerRunsOnTheEventLoop) {
    int fired = 0;
    form.Timer1.OnTimer = [&](TComponent*) {
        form.Timer1.SetEnabled(false);
        ++fired;
    };
    form.Timer1.Interval = 20;
    form.Timer1.SetEnabled(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fired > 0; }, 5000));
    QTest::qWait(100);
    EXPECT_EQ(fired, 1) << "a disabled timer stays quiet";
}

// The real widgets reach the window's own handlers, not only the models.

TEST_F(MainWindow, TypingATitleRenamesTheSpectrumHeader) {
    auto* title = static_cast<QLineEdit*>(Widget(form.Edit17));
    title->setFocus();
    title->selectAll();
    QTest::keyClicks(title, "C<sub>6</sub>H<sub>6</sub> X band");
    EXPECT_EQ(static_cast<QLabel*>(Widget(form.Text2))->text(), "C6H6 X band (1/1)");
}

TEST_F(MainWindow, AMassThatIsNoNumberAsksBeforeTheFocusLeaves) {
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        auto* mass = static_cast<QLineEdit*>(Widget(form.Edit2));
        mass->setFocus();
        mass->selectAll();
        QTest::keyClicks(mass, "twelve");
        platform.answers.push_back(yes);
        QTest::keyClick(mass, Qt::Key_Tab);
        EXPECT_EQ(platform.questions, QStringList({"A numerical value expected, this is not one. Want to continue?"}));
        EXPECT_EQ(mass->hasFocus(), !yes);
        EXPECT_EQ(form.Focused() == &form.Edit2, !yes);
        EXPECT_EQ(form.Edit2.Text(), "twelve");
        platform.questions.clear();
    }
}

TEST_F(MainWindow, TheSubscriptButtonWrapsTheSelectionOfTheFocusedField) {
    auto* formula = static_cast<QLineEdit*>(Widget(form.Edit3));
    formula->setFocus();
    formula->selectAll();
    QTest::keyClicks(formula, "H2O");
    QTest::keyClick(formula, Qt::Key_Home);
    QTest::keyClick(formula, Qt::Key_Right);
    QTest::keyClick(formula, Qt::Key_Right, Qt::ShiftModifier);
    ASSERT_EQ(formula->selectedText(), "2");

    QTest::mouseClick(Widget(form.SpeedButton2), Qt::LeftButton);
    EXPECT_EQ(formula->text(), "H<sub>2</sub>O");
    EXPECT_EQ(form.Edit3.Text(), "H<sub>2</sub>O");
    EXPECT_FALSE(formula->hasSelectedText());
    EXPECT_EQ(formula->cursorPosition(), int(QStringLiteral("H<sub>2</sub>").size()));
    EXPECT_TRUE(formula->hasFocus());
}

TEST_F(MainWindow, APastedSpectrumIsPlottedOnceTheFieldIsQuiet) {
    auto* data = static_cast<QPlainTextEdit*>(Widget(form.Memo4));
    auto* chart = static_cast<ChartView*>(Widget(form.Chart1));
    QGuiApplication::clipboard()->setText("hv\tintensity\n10, 5\n9, 3");
    data->setFocus();
    QTest::keyClick(data, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(form.Memo4.Text(), "hv\tintensity\r\n10, 5\r\n9, 3");
    EXPECT_EQ(chart->graph(0)->dataCount(), 0) << "not while the field may still change";

    ASSERT_TRUE(QTest::qWaitFor([&] { return chart->graph(0)->dataCount() > 0; }, 3000));
    const QSharedPointer<QCPGraphDataContainer> points = chart->graph(0)->data();
    ASSERT_EQ(points->size(), 2);
    EXPECT_EQ(std::make_pair(points->at(0)->key, points->at(0)->value), std::make_pair(9.0, 3.0));
    EXPECT_EQ(std::make_pair(points->at(1)->key, points->at(1)->value), std::make_pair(10.0, 5.0));
}
