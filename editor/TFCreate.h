#pragma once

#include "editor/Controls.h"

// The database assembly dialog, created hidden at start-up and kept for the whole run.
class TFCreate : public TForm {
public:
    TFCreate() : TForm(QStringLiteral("FCreate")) {
        SetCaption(QStringLiteral("Create database from species files"));
        SetClientSize(507, 484);
        EndBuilding();
    }
};
