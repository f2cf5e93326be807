#pragma once

#include "editor/Controls.h"

// What edit fields and memos share: a selection and the completion of an edit. The text is
// "changed" from the first edit after an OnChange until the next OnChange, which the user's
// Enter (edit fields) or the loss of the focus raises.
class TTextField : public TControl {
public:
    using TControl::TControl;

    // Selection in the field's text; SetSelStart places the caret and drops the selection.
    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    void SetSelStart(int start);
    void SetSelLength(int length);

    // Whether the text changed since the last OnChange.
    bool Modified() const { return modified_; }

    TNotifyEvent OnChange;
    TNotifyEvent OnChangeTracking;
    TNotifyEvent OnExit;

    // The user moved the caret or the selection (no notification).
    void UserSelect(int start, int length);
    // The focus leaves the field: OnChange when the text changed since the last one, then
    // OnExit. A handler that throws keeps the focus in the field.
    void UserExit();
    // Raises OnChange when the text changed since the last one; the field keeps the focus.
    void CompleteEdit() override;

protected:
    virtual int TextLength() const = 0;
    void ClampSelection();
    // Raises OnChangeTracking then OnChange for a change the program completed at once.
    void ChangedByProgram();
    // Raises OnChangeTracking for a change the user is still making.
    void ChangedByUser();

    int selStart_ = 0;
    int selLength_ = 0;
    bool modified_ = false;
};

// A one-line edit field.
class TEdit : public TTextField {
public:
    TEdit(TForm* owner, QString name, TControl* parent) : TTextField(owner, std::move(name), parent) {
        CanFocus = true;
    }

    const QString& Text() const { return text_; }
    // OnChangeTracking then OnChange when the text differs; nothing when it is equal.
    // The caret goes to the end.
    void SetText(const QString& text);

    // The user typed, deleted or pasted: OnChangeTracking only.
    void UserType(const QString& text);
    // The user pressed Enter: completes a pending change.
    void UserEnter();

private:
    int TextLength() const override { return int(text_.size()); }
    QString text_;
};

// A multi-line text held as lines; its text is the lines joined by CR LF, and selections
// count positions in that text. Enter inserts a line break, so only the loss of the focus
// completes a user's change.
class TMemo : public TTextField {
public:
    TMemo(TForm* owner, QString name, TControl* parent) : TTextField(owner, std::move(name), parent) {
        CanFocus = true;
    }

    QString Text() const { return lines_.join(QStringLiteral("\r\n")); }
    // Splits at CR LF, LF or CR. OnChangeTracking then OnChange when the text differs.
    void SetText(const QString& text);

    const QStringList& Lines() const { return lines_; }
    int LineCount() const { return int(lines_.size()); }
    // Throws Failure for an index outside the lines.
    const QString& Line(int index) const;

    // Appends one line (a text with line breaks gives several): OnChangeTracking only, and the
    // memo stays changed until its next OnChange.
    void AddLine(const QString& line);
    // Appends lines that hold no line break, as AddLine of their CR LF text would, without
    // joining and splitting them again.
    void AddLines(const QStringList& lines);
    // OnChangeTracking then OnChange. Throws Failure for an index outside the lines.
    void DeleteLine(int index);
    // OnChangeTracking then OnChange, unless the memo was empty already.
    void ClearLines();
    // Deletes every line that holds nothing above the space character, as one change:
    // OnChangeTracking then OnChange once. Returns whether a line went.
    bool RemoveBlankLines();

    // Inside a bracket the notifications wait for the outermost EndUpdate, which raises one
    // OnChangeTracking for everything, then OnChange if a change inside it was completed by
    // the program (set, clear, delete). The view is redrawn once, at the end.
    void BeginUpdate() { ++updateDepth_; }
    void EndUpdate();
    bool Updating() const { return updateDepth_ > 0; }

    // The user's full text after typing, deleting or pasting: OnChangeTracking only.
    void UserType(const QString& text);

    bool WordWrap = false;

private:
    int TextLength() const override;
    // A change by the program; `completes` when it raises OnChange as well.
    void Edited(bool completes);

    QStringList lines_;
    int updateDepth_ = 0;
    bool pendingTracking_ = false;
    bool pendingChange_ = false;
};
