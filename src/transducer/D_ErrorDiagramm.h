#pragma once
// "Estimated error": the 1 % and 3 % error bands over the flow, the operating point, the
// laminar-to-turbulent transition zone and the error in words. The numbers are
// tErrorModel's; this form draws them.

#include "formbase/MultForm.h"
#include "transducer/ErrorModel.h"

class QGroupBox;
class QLabel;
class QLineSeries;
class QPainter;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class TDUChart;

class TDLG_ErrorDiagram : public TMultilingualForm {
    Q_OBJECT

public:
    explicit TDLG_ErrorDiagram(QWidget* parent = nullptr);

    void SetErrorData(const tErrorData& data);
    void SetQuantity(int index);
    // The typical error as "%.1f"; the text is left alone when there is none.
    bool GetTypicalErrorText(QString& text) const { return model_.GetTypicalErrorText(text); }
    tErrorModel& Model() { return model_; }

    TDUChart* ErrChart = nullptr;
    QLineSeries* SER_1PO = nullptr;
    QLineSeries* SER_1PU = nullptr;
    QLineSeries* SER_3PO = nullptr;
    QLineSeries* SER_3PU = nullptr;
    QLabel* Lab_YME2 = nullptr;
    QGroupBox* GRP_RB = nullptr;
    QRadioButton* RB_FlowVeloc = nullptr;
    QRadioButton* RB_VolumeFlow = nullptr;
    QRadioButton* RB_MassFlow = nullptr;
    QWidget* Panel1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* BitBtn1 = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateChart();
    void CreateQuantityGroup();
    void CreateMemoPanel();
    void ConnectHandlers();
    void ShowPlot();
    void PlaceQuantityGroup();
    void UpdateLeftAxis();
    void DrawLeftLabels(QPainter& painter);
    void ErrChartBeforeDrawSeries(QPainter& painter);
    void ErrChartAfterDraw(QPainter& painter);
    void BitBtn1Click();

    tErrorModel model_;
};
