#pragma once
// The detail text behind "Mehr Infos...": the four layers of the acoustic path for one pass
// and for the whole path, the transit-time sums with their shares, a legend, the capture
// window around the total transit time as medium sound speeds, and the medium temperature
// range in which the total time stays inside that window. An engineering report: its texts
// are never translated.
//
// Everything is read from a path after its full recalculation (Recalculate, or the
// application dialog's). The temperature scan works on a copy, so the caller's path and
// dialog are never touched.

#include "transducer/AcousticPath.h"

#include <QStringList>

struct tTemperatureRange {
    double Low = 0.0;   // [°C]
    double High = 0.0;  // [°C]
};

// The medium sound speed [m/s] at which the total transit time would be t [ns] with the
// other layers unchanged; 0 when that cannot be computed.
double SoundSpeedForTotalTime(const tAcousticPath& path, double t);

// Steps the medium temperature outward from the current one, in whole degrees within the
// transducer's working range, while the total transit time stays within lower..upper [ns].
// An end whose first step already fails stays at the current temperature.
tTemperatureRange ScanWindowTemperatures(tAcousticPath path, double lower, double upper);

// The report's lines, as the memo shows them (tabs separate the table's columns).
QStringList ApplicationDetailText(const tAcousticPath& path);
