#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>
#include <variant>

class TFileDialog;
class TFCreate;

// What the clipboard holds, as the editor sees it: text takes precedence over a picture.
using ClipboardValue = std::variant<std::monostate, QString, QImage>;

// Everything the editor needs from the outside world. The Qt implementation lives in ui/;
// tests script their own.
class Platform {
public:
    virtual ~Platform() = default;

    // A modal question with Yes (the default) and No; true for Yes.
    virtual bool Confirm(const QString& question) = 0;
    // A modal error message with an OK button.
    virtual void ShowError(const QString& message) = 0;

    // Runs a file dialog with its settings. On a choice the dialog's FileName (and Files, for a
    // dialog that takes several) hold it and the result is true; false when cancelled.
    virtual bool RunOpenDialog(TFileDialog& dialog) = 0;
    virtual bool RunSaveDialog(TFileDialog& dialog) = 0;

    // Whether there is a clipboard service at all.
    virtual bool HasClipboard() = 0;
    virtual ClipboardValue ReadClipboard() = 0;
    virtual void WriteClipboardText(const QString& text) = 0;

    // A synchronous GET of the final response body after redirects; throws Failure.
    virtual QByteArray HttpGet(const QUrl& url) = 0;

    // Today's local date as "yyyy-mm-dd".
    virtual QString Today() = 0;

    // Shows the assembly dialog modally; returns its modal result (1 OK, 2 Cancel).
    virtual int ShowModal(TFCreate& dialog) = 0;
};
