#pragma once
// The fixed catalogue of clamp-on transducer types and the lookups on it.

#include <QLatin1String>

#include <array>
#include <cstdint>

// A working range von..bis (temperature in °C or inner diameter in mm).
struct tSensorRange {
    double von = 0.0;
    double bis = 0.0;
};

// One catalogue entry. The two names are the combobox texts of the own and the
// partner-brand variant (views of constant text, so the table is built by the compiler and
// may be read during any start-up code); everything else is plain data.
struct tSensorDatenTableItem {
    QLatin1String CBXname;
    QLatin1String BrandolfName;
    std::uint8_t BrandolfVisible = 0;
    std::uint8_t OwnVisible = 0;
    std::uint8_t DefaultChoice = 0;
    std::uint8_t TypeCode = 0;          // 1..14; the identity of a transducer everywhere else
    std::uint32_t FreqClass = 0;        // 1 = 0.5 MHz, 2 = 1, 3 = 2, 4 = 4, 5 = 8 MHz
    double SlenBau = 0.0;               // mounting length of the head [mm]
    double SLen = 0.0;                  // head length [mm]
    double Shigh = 0.0;                 // head height [mm]
    double Sbreit = 0.0;                // head width [mm]
    std::uint16_t MaterDESC = 0;        // wedge material id of the library, 0 = none
    double WedgeC1 = 0.0;               // wedge sound speeds [m/s]; their mean serves when
    double WedgeC2 = 0.0;               // MaterDESC names no library material
    tSensorRange Temp;                  // working temperature [°C]
    tSensorRange DNspez;                // specified inner diameter [mm]
    tSensorRange DNext;                 // possible inner diameter [mm]
    double EinstrahlWinkel = 0.0;       // incidence angle in the wedge [degrees]
    double Schallweg = 0.0;             // sound path inside the wedge [mm]
    double Kantenoffs = 0.0;            // edge offset [mm]
    double Toleranz = 0.0;              // key of the frequency class for the path defaults
    double TotZeitAbgleich = 0.0;       // dead-time adjustment [ns]
    std::uint16_t MainFreqKHZ = 0;      // centre frequency [kHz]
};

constexpr int SensorCatalogueSize = 13;

// The catalogue in its fixed order; never changed at run time.
extern const std::array<tSensorDatenTableItem, SensorCatalogueSize> SensorCatalogue;

// Index of the first entry with this type code; 0 when no entry has it (codes 0 and 4).
int FindSensorIndex(std::uint8_t typeCode);

// Frequency class 1..5 from the entry's Toleranz (< 80: 5, < 200: 4, < 300: 3, < 600: 2,
// else 1); the path-count defaults use this, not FreqClass.
std::uint8_t FrequencyClassOfSelected(const tSensorDatenTableItem& entry);
