#include "ui/QtPlatform.h"

#include "editor/ControlsSimple.h"
#include "records/Markup.h"
#include "ui/HttpGet.h"
#include "ui/WCreate.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QMimeData>

QString QtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // "JSON files (*.json)" already names its patterns; Qt reads them from the brackets.
        const QString& description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << (description.contains(QLatin1Char('(')) ? description
                                                            : description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

bool QtPlatform::Confirm(const QString& question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), question, QMessageBox::Yes | QMessageBox::No,
                    window_);
    box.setDefaultButton(QMessageBox::Yes);
    // The question must be answered: there is no close button, and Esc answers No.
    box.setWindowFlag(Qt::WindowCloseButtonHint, false);
    return box.exec() == QMessageBox::Yes;
}

void QtPlatform::ShowError(const QString& message) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), message, QMessageBox::Ok, window_);
    box.exec();
}

namespace {

void Prepare(QFileDialog& chooser, const TFileDialog& dialog) {
    chooser.setNameFilter(QtFilter(dialog.Filter));
    chooser.setDefaultSuffix(dialog.DefaultExt);
    chooser.setOption(QFileDialog::ReadOnly, false);
    if (!dialog.FileName.isEmpty()) {
        const QFileInfo info(dialog.FileName);
        chooser.setDirectory(info.absolutePath());
        chooser.selectFile(info.fileName());
    }
}

bool Finish(QFileDialog& chooser, TFileDialog& dialog) {
    if (chooser.exec() != QDialog::Accepted) return false;
    const QStringList files = chooser.selectedFiles();
    if (files.isEmpty()) return false;
    dialog.Files = files;
    dialog.FileName = files.first();
    return true;
}

}  // namespace

bool QtPlatform::RunOpenDialog(TFileDialog& dialog) {
    QFileDialog chooser(window_);
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    // The chosen files must exist; one or several as the dialog allows.
    chooser.setFileMode(dialog.AllowMultiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    Prepare(chooser, dialog);
    return Finish(chooser, dialog);
}

bool QtPlatform::RunSaveDialog(TFileDialog& dialog) {
    QFileDialog chooser(window_);
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setFileMode(QFileDialog::AnyFile);
    chooser.setOption(QFileDialog::DontConfirmOverwrite, !dialog.OverwritePrompt);
    Prepare(chooser, dialog);
    return Finish(chooser, dialog);
}

bool QtPlatform::HasClipboard() { return QGuiApplication::clipboard() != nullptr; }

ClipboardValue QtPlatform::ReadClipboard() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data) return {};
    if (data->hasText()) return data->text();
    if (data->hasImage()) {
        QImage picture = qvariant_cast<QImage>(data->imageData());
        if (!picture.isNull()) return picture;
    }
    return {};
}

void QtPlatform::WriteClipboardText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

QByteArray QtPlatform::HttpGet(const QUrl& url) { return ::HttpGet(url); }

QString QtPlatform::Today() { return TodayText(); }

int QtPlatform::ShowModal(TFCreate& dialog) { return WCreate::ShowModal(dialog, window_); }
