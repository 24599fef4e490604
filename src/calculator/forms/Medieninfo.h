#pragma once
// The medium property chart "Stoffdaten": sound speed, kinematic or dynamic viscosity or
// density of a library medium over temperature at a fixed pressure, with a pointer readout
// (a crosshair on the point under the mouse and its values). The calibration-factor chart
// derives from it. The numbers are PropertyChart's.

#include "calculator/core/PropertyChart.h"
#include "formbase/MultForm.h"
#include "reference/LibRecords.h"

#include <QPoint>

#include <cstdint>
#include <vector>

class QAction;
class QGroupBox;
class QLabel;
class QLineSeries;
class QMenu;
class QPainter;
class QPushButton;
class QRadioButton;
class TChartView;

class TDLG_MedienInfo : public TMultilingualForm {
    Q_OBJECT

public:
    explicit TDLG_MedienInfo(QWidget* parent = nullptr);

    // Stores the medium, sets the caption and the names button, and re-plots.
    void SetMedium(std::uint16_t id);
    void SetPressure(double bar);
    void ShowPressure(bool flag);
    // The left axis from the series' lowest to highest Y with a small margin.
    void AutoScaleYAxis();

    // The pointer readout's lookups (overridden by the calibration-factor chart).
    virtual int GetNearestIndex(double& x) const;
    virtual QString GetXValueText(int index) const;
    virtual QString GetYValueText(int index) const;

    // The readout for the mouse at a point of the chart view.
    void ChartMouseMove(QPoint at);
    // The value range and the display range, as if entered in the range input (8 = reset).
    void ApplyValueRange(int result, double first, double last);
    void ApplyDisplayRange(int result, double low, double high);

    const std::vector<QPointF>& Points() const { return points_; }
    int MarkedIndex() const { return marked_; }
    double Pressure() const { return pressure_; }
    tMediumProperty Property() const { return property_; }

    TChartView* Chart1 = nullptr;
    QLineSeries* Series1 = nullptr;
    QGroupBox* GRP_Zeige = nullptr;
    QRadioButton* RB_SCHALLGESCHW = nullptr;
    QRadioButton* RB_VISK = nullptr;
    QRadioButton* RB_VISKDYN = nullptr;
    QRadioButton* RB_DICHTE = nullptr;
    QLabel* Lab_YME = nullptr;
    QLabel* Lab_YME2 = nullptr;
    QLabel* Lab_XME = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QWidget* PAN_FluidDruck = nullptr;
    QPushButton* PAN_aktFluidDruck = nullptr;
    QPushButton* BUT_AndreSprachen = nullptr;
    QLabel* PAN_AktXVAlue = nullptr;
    QLabel* PAN_AktYValue = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Koeffizienten1 = nullptr;

protected:
    void FormCreate();
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Plots the points and scales the axes (the derived chart fills its own series).
    void ShowPoints(std::vector<QPointF> points);
    // Hides the controls the calibration-factor chart has no use for.
    void HideMediumControls();

private:
    void CreateChart();
    void CreatePropertyGroup();
    void CreateButtons();
    void ConnectHandlers();
    void SelectProperty(tMediumProperty property);
    void PlotSelected(const tTemperatureSpan& span);
    void DrawCrosshair(QPainter& painter) const;
    void BitBtn1Click();
    void BitBtn2Click();
    void PressureClick();

    std::uint16_t mediumId_ = 0;
    tMediumRec medium_{};
    double pressure_ = 1.0;
    tMediumProperty property_ = tMediumProperty::SoundSpeed;
    tTemperatureSpan span_;
    std::vector<QPointF> points_;
    int marked_ = -1;
};

// The instance the application created at start (nullptr before).
TDLG_MedienInfo* DLG_MedienInfo();

// The main window's medium chart: loaded with the medium, the pressure and whether the
// pressure shows, then shown modally.
void ShowMediumChart(std::uint16_t mediumId, double pressure, bool showPressure);
