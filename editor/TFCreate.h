#pragma once

#include "editor/ControlsChoice.h"
#include "editor/ControlsSimple.h"
#include "editor/ControlsText.h"

class Platform;

// The database assembly dialog: the user picks species files, puts them in the order they
// are to stand in the database and gives its title and version. Created hidden at start-up
// and kept for the whole run, so the two text fields keep what was typed between uses.
class TFCreate : public TForm {
public:
    static constexpr int mrNone = 0;
    static constexpr int mrOk = 1;
    static constexpr int mrCancel = 2;

    explicit TFCreate(Platform& platform);

    TOpenDialog OpenDialog1{this, QStringLiteral("OpenDialog1")};
    TListBox ListBox1{this, QStringLiteral("ListBox1"), nullptr};  // the species files, in database order
    TLabel Label11{this, QStringLiteral("Label11"), nullptr};
    TEdit Edit11{this, QStringLiteral("Edit11"), nullptr};  // database version
    TLabel Label22{this, QStringLiteral("Label22"), nullptr};
    TEdit Edit17{this, QStringLiteral("Edit17"), nullptr};  // database title
    TButton Button1{this, QStringLiteral("Button1"), nullptr};  // OK
    TButton Button2{this, QStringLiteral("Button2"), nullptr};  // Cancel, also the Esc key

    // The result of the current showing; setting it ends a modal showing.
    int ModalResult = mrNone;

    // Every showing starts with the choice of files; cancelling it cancels the dialog.
    void FormShow(TComponent* sender);
    // The entry dragged from `from` and the one it is dropped on exchange places.
    void ListBox1DragDrop(int from, int onto);
    void Button1Click(TComponent* sender);
    void Button2Click(TComponent* sender);

    // Entry for the view: a showing begins.
    void Show();

private:
    Platform* platform_;
};
