#pragma once

#include "editor/Controls.h"
#include "editor/ControlsSimple.h"
#include "editor/Dispatch.h"
#include "editor/Platform.h"
#include "editor/TFCreate.h"
#include "editor/TFMain.h"
#include "records/Failure.h"
#include "records/StructureImage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>

// A platform whose answers, file choices, clipboard and network a test scripts in advance,
// and which records what the editor asked and reported.
class ScriptedPlatform : public Platform {
public:
    std::deque<bool> answers;              // Yes (true) or No, in order
    QStringList questions;                 // every question asked
    QStringList errors;                    // every error shown
    std::deque<std::optional<QStringList>> fileChoices;  // nothing for a cancelled dialog
    bool clipboardService = true;
    ClipboardValue clipboard;
    std::function<QByteArray(const QUrl&)> http;
    QList<QUrl> requests;
    QString today = QStringLiteral("2026-01-15");
    std::function<void(TFCreate&)> modalScript;  // what the user does in the assembly dialog

    bool Confirm(const QString& question) override {
        questions << question;
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << question.toStdString();
            return true;
        }
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    void ShowError(const QString& message) override { errors << message; }
    bool RunOpenDialog(TFileDialog& dialog) override { return Choose(dialog); }
    bool RunSaveDialog(TFileDialog& dialog) override { return Choose(dialog); }
    bool HasClipboard() override { return clipboardService; }
    ClipboardValue ReadClipboard() override { return clipboard; }
    void WriteClipboardText(const QString& text) override { clipboard = text; }
    QByteArray HttpGet(const QUrl& url) override {
        requests << url;
        return http ? http(url) : QByteArray();
    }
    QString Today() override { return today; }
    int ShowModal(TFCreate& dialog) override {
        dialog.Show();
        if (dialog.ModalResult == TFCreate::mrNone && modalScript) modalScript(dialog);
        return dialog.ModalResult;
    }

    // Cancelled dialogs.
    void Cancel() { fileChoices.emplace_back(std::nullopt); }
    void Choose(const QString& file) { fileChoices.emplace_back(QStringList{file}); }

private:
    bool Choose(TFileDialog& dialog) {
        if (fileChoices.empty()) {
            ADD_FAILURE() << "unexpected file dialog";
            return false;
        }
        const auto choice = fileChoices.front();
        fileChoices.pop_front();
        if (!choice) return false;
        dialog.Files = *choice;
        dialog.FileName = choice->value(0);
        return true;
    }
};

// The main window as the user meets it: created, shown, with failures reported to the platform.
class EditorTest : public ::testing::Test {
protected:
    EditorTest() {
        SetErrorReporter([this](const QString& message) { platform.ShowError(ErrorText(message)); });
        form.AttachCreateForm(create);
        form.UserShow();
    }
    ~EditorTest() override { SetErrorReporter(nullptr); }

    // Runs a user's action the way the window does.
    bool User(const std::function<void()>& action) { return Dispatch(action); }
    void Click(TButton& button) { User([&] { button.UserClick(); }); }
    // Types a text into a field and leaves it.
    void Type(TEdit& edit, const QString& text) {
        User([&] { edit.UserType(text); });
        User([&] { edit.UserExit(); });
    }
    void Type(TMemo& memo, const QString& text) {
        User([&] { memo.UserType(text); });
        User([&] { memo.UserExit(); });
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
    QByteArray FileBytes(const QString& name) const {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    ScriptedPlatform platform;
    TFMain form{platform};
    TFCreate create{platform};
    QTemporaryDir dir;
};
