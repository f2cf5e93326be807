#pragma once

#include "editor/Platform.h"

#include <QPointer>
#include <QWidget>

// The platform of the real program: Qt's message boxes, file dialogs, clipboard and network.
class QtPlatform : public Platform {
public:
    // Dialogs are modal over `window` once it is set.
    void SetWindow(QWidget* window) { window_ = window; }

    bool Confirm(const QString& question) override;
    void ShowError(const QString& message) override;
    bool RunOpenDialog(TFileDialog& dialog) override;
    bool RunSaveDialog(TFileDialog& dialog) override;
    bool HasClipboard() override;
    ClipboardValue ReadClipboard() override;
    void WriteClipboardText(const QString& text) override;
    QByteArray HttpGet(const QUrl& url) override;
    QString Today() override;
    int ShowModal(TFCreate& dialog) override;

private:
    QPointer<QWidget> window_;
};

// The Qt filter text of a "description|patterns|description|patterns" filter.
QString QtFilter(const QString& filter);
