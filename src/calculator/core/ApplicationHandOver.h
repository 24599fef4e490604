#pragma once
// The hand-over between the measuring point and the transducer application dialog, as plain
// functions: the main window and the report build the dialog's input from the measuring
// point, and the main window takes the dialog's results back through the same setters as
// typed input.

#include "calculator/core/MeasuringPoint.h"
#include "transducer/ApplicationInput.h"

// The dialog's input. The material and medium items are the main window's lists as shown.
// Lengths in mm (the measuring point's 0.1 mm diameter divided by 10).
tApplicationInput MakeApplicationInput(const TMeasuringPoint& point, const tCodeItems& materials,
                                       const tCodeItems& media);

// The flow data of the error estimation in the measuring point's selected units; the two
// Reynolds numbers are the flow-profile limits.
tFlowHandOver MakeFlowHandOver(const TMeasuringPoint& point, double reynoldsLam, double reynoldsTurb);

// The dialog's whole load: modes, flow data with the measuring point's own Reynolds limits,
// and the input. The main window and the report load the dialog through this alone.
tApplicationSetup MakeApplicationSetup(const TMeasuringPoint& point, const tCodeItems& materials,
                                       const tCodeItems& media);

// Takes the results back, in this order: inner diameter, lining, wall, temperature, type,
// sound paths, wall material (a changed one with its roughness), medium (with its properties), the user sound
// speeds, the lining material and the fixed spacing; then recomputes from the inner
// diameter. A rejected value (out of the input limits) leaves that quantity as it was.
void TakeBackApplication(TMeasuringPoint& point, const tApplicationResult& result);
