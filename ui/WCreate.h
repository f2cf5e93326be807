#pragma once

#include <QDialog>

class Platform;
class TFCreate;

// The database assembly dialog on screen, bound to its form model.
class WCreate : public QDialog {
    Q_OBJECT
public:
    // Shows the dialog modally and returns the form's modal result. The form's show handler
    // runs first and chooses the files; when that choice is cancelled the dialog ends with
    // Cancel before it appears.
    static int ShowModal(TFCreate& form, QWidget* parent);

    WCreate(TFCreate& form, QWidget* parent);
    ~WCreate() override;

public slots:
    // Esc presses Cancel.
    void reject() override;

private:
    // Ends the modal loop once a handler has set the form's modal result.
    void FinishIfDecided();

    TFCreate& form_;
    class Binding* binding_;
};
