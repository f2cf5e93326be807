#include "editor/ControlsText.h"

#include "records/Failure.h"
#include "records/SpectrumText.h"

#include <algorithm>

void TTextField::SetSelStart(int start) {
    const int oldStart = selStart_, oldLength = selLength_;
    selStart_ = std::clamp(start, 0, TextLength());
    selLength_ = 0;
    if (selStart_ != oldStart || selLength_ != oldLength) Changed(TAspect::Selection);
}

void TTextField::SetSelLength(int length) {
    const int old = selLength_;
    selLength_ = std::clamp(length, 0, TextLength() - selStart_);
    if (selLength_ != old) Changed(TAspect::Selection);
}

void TTextField::UserSelect(int start, int length) {
    selStart_ = start;
    selLength_ = length;
    ClampSelection();
}

void TTextField::ClampSelection() {
    const int n = TextLength();
    selStart_ = std::clamp(selStart_, 0, n);
    selLength_ = std::clamp(selLength_, 0, n - selStart_);
}

void TTextField::UserExit() {
    CompleteEdit();
    Notify(OnExit);
}

void TTextField::CompleteEdit() {
    if (!modified_) return;
    modified_ = false;
    Notify(OnChange);
}

void TTextField::ChangedByProgram() {
    modified_ = false;
    Notify(OnChangeTracking);
    Notify(OnChange);
}

void TTextField::ChangedByUser() {
    modified_ = true;
    Notify(OnChangeTracking);
}

void TEdit::SetText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    selStart_ = int(text_.size());
    selLength_ = 0;
    Changed(TAspect::Text);
    ChangedByProgram();
}

void TEdit::UserType(const QString& text) {
    if (text == text_) return;
    text_ = text;
    ClampSelection();
    ChangedByUser();
}

void TEdit::UserEnter() { CompleteEdit(); }

namespace {

// An empty list and a list of one empty line are the same empty text.
bool EmptyText(const QStringList& lines) { return lines.isEmpty() || (lines.size() == 1 && lines[0].isEmpty()); }

bool SameText(const QStringList& a, const QStringList& b) {
    return a == b || (EmptyText(a) && EmptyText(b));
}

}  // namespace

int TMemo::TextLength() const {
    if (lines_.isEmpty()) return 0;
    qsizetype n = 2 * (lines_.size() - 1);
    for (const QString& line : lines_) n += line.size();
    return int(n);
}

void TMemo::Edited(bool completes) {
    if (updateDepth_ > 0) {
        pendingTracking_ = true;
        if (completes) pendingChange_ = true;
        modified_ = !completes;
        return;
    }
    ClampSelection();
    Changed(TAspect::Text);
    if (completes)
        ChangedByProgram();
    else
        ChangedByUser();
}

void TMemo::SetText(const QString& text) {
    QStringList lines = SplitLines(text);
    if (SameText(lines, lines_)) return;
    lines_ = std::move(lines);
    Edited(true);
}

void TMemo::AddLine(const QString& line) {
    if (line.isEmpty())
        lines_.append(QString());
    else
        lines_.append(SplitLines(line));
    Edited(false);
}

void TMemo::AddLines(const QStringList& lines) {
    lines_.append(lines);
    Edited(false);
}

namespace {

void CheckIndex(const QStringList& lines, int index) {
    if (index < 0 || index >= lines.size()) throw Failure(QStringLiteral("List index out of bounds (%1)").arg(index));
}

}  // namespace

const QString& TMemo::Line(int index) const {
    CheckIndex(lines_, index);
    return lines_[index];
}

void TMemo::DeleteLine(int index) {
    CheckIndex(lines_, index);
    lines_.removeAt(index);
    Edited(true);
}

void TMemo::ClearLines() {
    const bool hadText = !EmptyText(lines_);
    lines_.clear();
    if (hadText) Edited(true);
}

bool TMemo::RemoveBlankLines() {
    if (!::RemoveBlankLines(lines_)) return false;
    Edited(true);
    return true;
}

void TMemo::EndUpdate() {
    if (updateDepth_ == 0 || --updateDepth_ > 0) return;
    const bool tracking = pendingTracking_, change = pendingChange_;
    pendingTracking_ = pendingChange_ = false;
    if (!tracking) return;
    ClampSelection();
    Changed(TAspect::Text);
    // The flag already says whether the last change inside the bracket was completed.
    const bool stillModified = modified_;
    Notify(OnChangeTracking);
    if (change) {
        Notify(OnChange);
        modified_ = stillModified;
    }
}

void TMemo::UserType(const QString& text) {
    QStringList lines = SplitLines(text);
    if (SameText(lines, lines_)) return;
    lines_ = std::move(lines);
    ClampSelection();
    ChangedByUser();
}
