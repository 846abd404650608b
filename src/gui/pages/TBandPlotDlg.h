#pragma once

#include <QDialog>
#include <functional>

#include "rf/BandPlot.h"

class BandPlotView;
class QCheckBox;
class QLabel;
class QPushButton;
struct Services;

// The chosen cable's attenuation and the assembly's efficiency across the
// band, with a marker at the mid frequency the result pages use. The window
// owns one and calls Execute from the final page and the parts list.
class TBandPlotDlg : public QDialog {
    Q_OBJECT
  public:
    TBandPlotDlg(Services& services, QWidget* parent);

    // Shows the plot until the user closes it; a selection the pages would
    // refuse shows its error instead.
    void Execute(const quill::Selection& selection, const quill::TTransmissionLine& cable);

    // Called once the dialog is on the screen (tests drive it).
    std::function<void(TBandPlotDlg&)> onShown;

    const quill::BandPlot& Plot() const { return plot_; }
    BandPlotView* chvBand = nullptr;
    QCheckBox* chkWholeRange = nullptr;
    QLabel* lblPointer = nullptr;
    QPushButton* btnSavePng = nullptr;
    QPushButton* btnClose = nullptr;

    // The figures nearest the frequency, as the pointer shows them.
    void ShowValuesAt(double mhz);
    void btnSavePngClick();

  private:
    void Replot();

    Services& services_;
    quill::Selection selection_;
    const quill::TTransmissionLine* cable_ = nullptr;
    quill::BandPlot plot_;
};
