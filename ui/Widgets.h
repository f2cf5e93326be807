#pragma once

class QWidget;
class TControl;

// The widget that shows a control model of the given kind, before it is bound to the model.
QWidget* CreateControlWidget(TControl& model, QWidget* parent);
