#include "pages/TBandPlotDlg.h"

#include <QBuffer>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "pages/BandPlotView.h"
#include "platform/AtomicSave.h"
#include "platform/Services.h"
#include "platform/TextConversion.h"
#include "text/Error.h"
#include "text/Fields.h"

using namespace quill;

namespace {

QString Figures(const BandPoint& point) { return ToQt(PointReadout(point)); }

}  // namespace

TBandPlotDlg::TBandPlotDlg(Services& services, QWidget* parent)
    : QDialog(parent), services_(services) {
    setObjectName("BandPlotDlg");
    setWindowTitle("Performance Across the Band");
    chvBand = new BandPlotView(this, [this](double mhz) { ShowValuesAt(mhz); });
    chvBand->setObjectName("chvBand");
    chvBand->setMinimumSize(600, 380);
    chkWholeRange = new QCheckBox("Show the cable's &whole range", this);
    chkWholeRange->setObjectName("chkWholeRange");
    lblPointer = new QLabel(this);
    lblPointer->setObjectName("lblPointer");
    // The readout changes as the pointer moves; the dialog keeps its size.
    lblPointer->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lblPointer->setMinimumWidth(
        lblPointer->fontMetrics().horizontalAdvance(Figures({88888.8, 888.88, 100.0})));
    btnSavePng = new QPushButton("Save as &PNG...", this);
    btnSavePng->setObjectName("btnSavePng");
    btnClose = new QPushButton("&Close", this);
    btnClose->setObjectName("btnClose");
    btnClose->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chvBand, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(chkWholeRange);
    row->addSpacing(12);
    row->addWidget(lblPointer, 1);
    row->addWidget(btnSavePng);
    row->addWidget(btnClose);
    layout->addLayout(row);

    connect(chkWholeRange, &QCheckBox::toggled, this, [this] { Replot(); });
    connect(btnSavePng, &QPushButton::clicked, this, [this] { btnSavePngClick(); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
}

void TBandPlotDlg::Execute(const Selection& selection, const TTransmissionLine& cable) {
    selection_ = selection;
    cable_ = &cable;
    try {
        Replot();
    } catch (const QuillError& error) {
        services_.messages.Error(error.what());
        return;
    }
    if (onShown) QTimer::singleShot(0, this, [this] { onShown(*this); });
    exec();
}

void TBandPlotDlg::Replot() {
    plot_ = ComputeBandPlot(selection_, *cable_, chkWholeRange->isChecked());
    std::string title =
        cable_->partNumber + ", " + selection_.lengthText + (selection_.meters ? " m" : " ft");
    if (plot_.waveguide) title += ", cut-off " + FloatToText(plot_.cutoffMHz) + " MHz";
    chvBand->Show(plot_, std::move(title));
    lblPointer->setText(Figures(plot_.marker));
}

void TBandPlotDlg::ShowValuesAt(double mhz) {
    if (const BandPoint* point = NearestPoint(plot_, mhz)) lblPointer->setText(Figures(*point));
}

void TBandPlotDlg::btnSavePngClick() {
    // "RVX4-50K 10 ft band plot.png", in the folder of written files.
    const std::string name = cable_->partNumber + " " + selection_.lengthText +
                             (selection_.meters ? " m" : " ft") + " band plot";
    FileDialogRequest request{"PNG Images (*.png)|*.png", ".png", services_.writtenFolder,
                              SafeFileName(name)};
    const auto file = services_.fileDialogs.SaveFile(request);
    if (!file) return;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!chvBand->grab().save(&buffer, "PNG")) {
        services_.messages.Error("The plot could not be turned into a picture.");
        return;
    }
    std::filesystem::path target = *file;
    if (target.extension().empty()) target += ".png";
    if (const std::string error =
            SaveFileAtomically(target, std::string_view(bytes.constData(), bytes.size()));
        !error.empty())
        services_.messages.Error(error);
}
