#include "editor/TFMain.h"

#include "records/SpectrumText.h"

// Every change of the data field or the line-spectrum box restarts the one-second wait, so
// the chart is rebuilt once the field has been quiet for a second, not on every keystroke.
void TFMain::Memo4ChangeTracking(TComponent*) {
    Timer1.SetEnabled(false);
    Timer1.SetEnabled(true);
}

void TFMain::Timer1Timer(TComponent*) {
    Timer1.SetEnabled(false);
    PlotSpectrum();
}

void TFMain::PlotSpectrum() {
    std::vector<PlotPoint> points = PlotPoints(Memo4.Lines(), CheckBox1.Checked());
    OrderPlotPoints(points);
    Chart1.SetPoints(std::move(points));
}
