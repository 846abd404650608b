#include <QPushButton>

#include "app/TfrmMain.h"
#include "controls/PageControl.h"
#include "results/TBandPlotDlg.h"

void TfrmMain::ComposeBandPlot() {
    BandPlotDlg1 = new TBandPlotDlg(services, this);
    connect(btnBandPlot1, &QPushButton::clicked, this, [this] { btnBandPlotClick(); });
    connect(btnBandPlot2, &QPushButton::clicked, this, [this] { btnBandPlotClick(); });
}

void TfrmMain::btnBandPlotClick() {
    if (currentCable == nullptr) return;
    const bool final = PageControl1->ActivePage() == tsFinal;
    BandPlotDlg1->Execute(final ? finalSelection : ReadSelection(), *currentCable);
}
