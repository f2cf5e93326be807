#include "editor/TFCreate.h"
#include "support/ScriptedPlatform.h"
#include "support/TestSupport.h"
#include "ui/WCreate.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// Notices every showing of the assembly dialog and lets the test act in it once its modal loop
// runs, the way a user meets it.
class DialogWatch : public QObject {
public:
    int shown = 0;
    std::function<void(WCreate&)> user;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<WCreate*>(watched);
        if (dialog && event->type() == QEvent::Show) {
            ++shown;
            // Queued on the dialog, so it runs inside exec() and is dropped if the dialog is gone.
            if (user) QMetaObject::invokeMethod(dialog, [this, dialog] { Act(*dialog); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void Act(WCreate& dialog) {
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        user(dialog);
        // Accelerators click after a short animation.
        if (!QTest::qWaitFor([&] { return !dialog.isVisible(); }, 2000)) {
            ADD_FAILURE() << "the dialog stayed open";
            dialog.done(TFCreate::mrNone);
        }
    }
};

class AssemblyDialog : public ::testing::Test {
protected:
    AssemblyDialog() { qApp->installEventFilter(&watch); }
    ~AssemblyDialog() override { qApp->removeEventFilter(&watch); }

    // Shows the dialog as the create command does; `user` acts in it once it is on screen.
    int Run(std::function<void(WCreate&)> user) {
        watch.user = std::move(user);
        return WCreate::ShowModal(create, nullptr);
    }

    static QListWidget* List(WCreate& dialog) { return dialog.findChild<QListWidget*>(QStringLiteral("ListBox1")); }
    static QStringList Entries(const QListWidget* list) {
        QStringList entries;
        for (int i = 0; i < list->count(); ++i) entries << list->item(i)->text();
        return entries;
    }

    DialogWatch watch;
    ScriptedPlatform platform;
    TFCreate create{platform};
};

}  // namespace

TEST_F(AssemblyDialog, LooksAsDesigned) {
    platform.fileChoices.emplace_back(QStringList{"/data/benzene.json", "/data/water.json"});
    const int result = Run([](WCreate& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Create database from species files");
        EXPECT_EQ(dialog.size(), QSize(507, 484));
        EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << "not resizable";
        const Qt::WindowFlags flags = dialog.windowFlags();
        EXPECT_TRUE(flags & Qt::CustomizeWindowHint) << "the window system adds no buttons of its own";
        for (Qt::WindowType button : {Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
                                      Qt::WindowMaximizeButtonHint, Qt::WindowSystemMenuHint})
            EXPECT_FALSE(flags & button) << std::hex << int(button);
        EXPECT_TRUE(dialog.toolTip().isEmpty());
        for (const QWidget* widget : dialog.findChildren<QWidget*>())
            EXPECT_TRUE(widget->toolTip().isEmpty()) << widget->objectName().toStdString();

        EXPECT_EQ(Entries(List(dialog)), QStringList({"/data/benzene.json", "/data/water.json"}));
        EXPECT_EQ(List(dialog)->geometry(), QRect(8, 64, 409, 414));
        auto* title = dialog.findChild<QLineEdit*>(QStringLiteral("Edit17"));
        ASSERT_TRUE(title);
        EXPECT_TRUE(title->hasFocus());
        dialog.reject();
    });
    EXPECT_EQ(result, TFCreate::mrCancel);
}

TEST_F(AssemblyDialog, CancellingTheFileChoiceCancelsBeforeTheDialogAppears) {
    platform.Cancel();
    EXPECT_EQ(Run([](WCreate&) {}), TFCreate::mrCancel);
    EXPECT_EQ(watch.shown, 0);
    EXPECT_TRUE(platform.fileChoices.empty());
    EXPECT_EQ(create.ModalResult, TFCreate::mrCancel);
}

TEST_F(AssemblyDialog, KeysEndTheDialog) {
    struct Case {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int result;
    };
    for (const Case& c : {Case{"Esc", Qt::Key_Escape, Qt::NoModifier, TFCreate::mrCancel},
                          Case{"Alt+O", Qt::Key_O, Qt::AltModifier, TFCreate::mrOk}}) {
        SCOPED_TRACE(c.name);
        platform.Choose("/data/benzene.json");
        // The key goes where the user's keys go: to the field that has the focus.
        const int result = Run([&](WCreate& dialog) { QTest::keyClick(dialog.focusWidget(), c.key, c.modifiers); });
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(watch.shown, 1);
        watch.shown = 0;
    }
}

// The offscreen platform ends every drag the moment it starts, so a drag from the list itself
// cannot be carried to a drop here. A drag made by the test has no drag source, exactly like an
// entry dragged in from another program, and Qt hands the following move and drop only to a
// widget that accepted the drag's entry: the list must refuse it, and nothing may change. The
// exchange of a drop from the list itself is the form's, and shows in the list as soon as the
// form makes it.
TEST_F(AssemblyDialog, DropsFromElsewhereChangeNothingAndExchangesShow) {
    platform.fileChoices.emplace_back(QStringList{"P", "Q", "R", "S"});
    const int result = Run([&](WCreate& dialog) {
        QListWidget* list = List(dialog);
        ASSERT_TRUE(list);
        QWidget* viewport = list->viewport();
        const QPoint onP = list->visualItemRect(list->item(0)).center();
        const QPoint onS = list->visualItemRect(list->item(3)).center();
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, onP);
        EXPECT_EQ(list->currentRow(), 0);

        // The list's own mime data, so that only the missing source tells the drag apart.
        std::unique_ptr<QMimeData> data(list->model()->mimeData({list->model()->index(0, 0)}));
        QDragEnterEvent enter(onS, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &enter);
        EXPECT_FALSE(enter.isAccepted()) << "an entry from elsewhere is refused";
        QDragMoveEvent move(onS, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &move);
        QDropEvent drop(QPointF(onS), Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &drop);
        EXPECT_EQ(Entries(list), QStringList({"P", "Q", "R", "S"}));
        EXPECT_EQ(create.ListBox1.Items(), QStringList({"P", "Q", "R", "S"}));

        create.ListBox1DragDrop(0, 3);
        EXPECT_EQ(Entries(list), QStringList({"S", "Q", "R", "P"}));
        create.ListBox1DragDrop(1, 2);
        EXPECT_EQ(Entries(list), QStringList({"S", "R", "Q", "P"}));
        dialog.reject();
    });
    EXPECT_EQ(result, TFCreate::mrCancel);
}
