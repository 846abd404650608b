#include "pages/TBandPlotDlg.h"

#include <QBuffer>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>

#include "catalogue/Error.h"
#include "catalogue/Fields.h"
#include "platform/AtomicSave.h"
#include "platform/Services.h"
#include "platform/TextConversion.h"

using namespace quill;

namespace {

// Tells the dialog the frequency under the pointer.
class BandChartView : public QChartView {
  public:
    BandChartView(QChart* chart, QWidget* parent, std::function<void(double)> onPointer)
        : QChartView(chart, parent), onPointer_(std::move(onPointer)) {
        setMouseTracking(true);
        setRenderHint(QPainter::Antialiasing);
    }

  protected:
    void mouseMoveEvent(QMouseEvent* event) override {
        const QPointF scene = mapToScene(event->position().toPoint());
        if (chart()->plotArea().contains(chart()->mapFromScene(scene)))
            onPointer_(chart()->mapToValue(chart()->mapFromScene(scene)).x());
        QChartView::mouseMoveEvent(event);
    }

  private:
    std::function<void(double)> onPointer_;
};

QString Figures(const BandPoint& point) { return ToQt(PointReadout(point)); }

// The axis between round ticks, one at every step.
void Fit(QValueAxis* axis, const AxisScale& scale) {
    axis->setRange(scale.min, scale.max);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(scale.min);
    axis->setTickInterval(scale.step);
}

}  // namespace

TBandPlotDlg::TBandPlotDlg(Services& services, QWidget* parent)
    : QDialog(parent), services_(services) {
    setObjectName("BandPlotDlg");
    setWindowTitle("Performance Across the Band");
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    attenuation_ = new QLineSeries(chart);
    attenuation_->setName("Attenuation (dB/100 ft)");
    attenuation_->setPen(QPen(QColor(0, 70, 170), 2));
    efficiency_ = new QLineSeries(chart);
    efficiency_->setName("Efficiency (%)");
    efficiency_->setPen(QPen(QColor(0, 140, 60), 2));
    markerOnAttenuation_ = new QScatterSeries(chart);
    markerOnEfficiency_ = new QScatterSeries(chart);
    for (QScatterSeries* marker : {markerOnAttenuation_, markerOnEfficiency_}) {
        marker->setColor(QColor(200, 30, 30));
        marker->setMarkerSize(9);
    }
    chart->addSeries(attenuation_);
    chart->addSeries(efficiency_);
    chart->addSeries(markerOnAttenuation_);
    chart->addSeries(markerOnEfficiency_);
    frequencyAxis_ = new QValueAxis(chart);
    frequencyAxis_->setTitleText("Frequency (MHz)");
    frequencyAxis_->setLabelFormat("%.0f");
    attenuationAxis_ = new QValueAxis(chart);
    attenuationAxis_->setTitleText("Attenuation (dB/100 ft)");
    attenuationAxis_->setLabelFormat("%.2f");
    efficiencyAxis_ = new QValueAxis(chart);
    efficiencyAxis_->setTitleText("Efficiency (%)");
    efficiencyAxis_->setLabelFormat("%.1f");
    chart->addAxis(frequencyAxis_, Qt::AlignBottom);
    chart->addAxis(attenuationAxis_, Qt::AlignLeft);
    chart->addAxis(efficiencyAxis_, Qt::AlignRight);
    attenuation_->attachAxis(frequencyAxis_);
    attenuation_->attachAxis(attenuationAxis_);
    efficiency_->attachAxis(frequencyAxis_);
    efficiency_->attachAxis(efficiencyAxis_);
    markerOnAttenuation_->attachAxis(frequencyAxis_);
    markerOnAttenuation_->attachAxis(attenuationAxis_);
    markerOnEfficiency_->attachAxis(frequencyAxis_);
    markerOnEfficiency_->attachAxis(efficiencyAxis_);
    chart->legend()->markers(markerOnEfficiency_).front()->setVisible(false);  // one entry for both

    chvBand = new BandChartView(chart, this, [this](double mhz) { ShowValuesAt(mhz); });
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
    QList<QPointF> attenuation, efficiency;
    for (const BandPoint& point : plot_.points) {
        attenuation.append({point.mhz, point.attenuation});
        efficiency.append({point.mhz, point.efficiency});
    }
    attenuation_->replace(attenuation);
    efficiency_->replace(efficiency);

    // The marker: where the pages' figures are taken, on both curves.
    markerOnAttenuation_->setName(ToQt("Mid frequency " + FloatToText(plot_.marker.mhz) + " MHz"));
    markerOnAttenuation_->replace({QPointF(plot_.marker.mhz, plot_.marker.attenuation)});
    markerOnEfficiency_->replace({QPointF(plot_.marker.mhz, plot_.marker.efficiency)});

    QChart* chart = chvBand->chart();
    std::string title =
        cable_->partNumber + ", " + selection_.lengthText + (selection_.meters ? " m" : " ft");
    if (plot_.waveguide) title += ", cut-off " + FloatToText(plot_.cutoffMHz) + " MHz";
    chart->setTitle(ToQt(title));
    FitAxes();
    lblPointer->setText(Figures(plot_.marker));
}

void TBandPlotDlg::FitAxes() {
    // The band's own ends, with ticks at round frequencies between them.
    const AxisScale band = RoundAxis(plot_.firstMHz, plot_.lastMHz, 0, 1e12);
    frequencyAxis_->setRange(plot_.firstMHz, plot_.lastMHz);
    frequencyAxis_->setTickType(QValueAxis::TicksDynamic);
    frequencyAxis_->setTickAnchor(band.min);
    frequencyAxis_->setTickInterval(band.step);
    Fit(attenuationAxis_, AttenuationAxis(plot_));
    Fit(efficiencyAxis_, EfficiencyAxis(plot_));
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
