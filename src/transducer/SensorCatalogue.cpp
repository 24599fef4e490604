#include "transducer/SensorCatalogue.h"

namespace {

constexpr tSensorDatenTableItem Entry(const char* ownName, const char* partnerName, std::uint8_t own,
                            std::uint8_t partner, std::uint8_t defaultChoice, std::uint8_t code,
                            std::uint32_t freqClass, double slenBau, double sLen, double sHigh,
                            double sBreit, std::uint16_t material, double c1, double c2,
                            tSensorRange temp, tSensorRange dnSpez, tSensorRange dnExt,
                            double angle, double path, double edgeOffset, double tolerance,
                            double deadTime, std::uint16_t kHz)
{
    tSensorDatenTableItem e;
    e.CBXname = QLatin1String(ownName);
    e.BrandolfName = QLatin1String(partnerName);
    e.BrandolfVisible = partner;
    e.OwnVisible = own;
    e.DefaultChoice = defaultChoice;
    e.TypeCode = code;
    e.FreqClass = freqClass;
    e.SlenBau = slenBau;
    e.SLen = sLen;
    e.Shigh = sHigh;
    e.Sbreit = sBreit;
    e.MaterDESC = material;
    e.WedgeC1 = c1;
    e.WedgeC2 = c2;
    e.Temp = temp;
    e.DNspez = dnSpez;
    e.DNext = dnExt;
    e.EinstrahlWinkel = angle;
    e.Schallweg = path;
    e.Kantenoffs = edgeOffset;
    e.Toleranz = tolerance;
    e.TotZeitAbgleich = deadTime;
    e.MainFreqKHZ = kHz;
    return e;
}

}  // namespace

// Pairs 6/7, 11/12 and 3/4 (type codes) are a standard head and its hot variant; code 4 has
// no head of its own. Code 9 is kept for the dump but listed in neither variant.
constinit const std::array<tSensorDatenTableItem, SensorCatalogueSize> SensorCatalogue = {
    //    own name              partner name      own prt def code cls SlenBau SLen  Shigh Sbreit mat  C1    C2    Temp          DNspez          DNext          angle l_a   L_off Tol  TotZ  kHz
    Entry("QT-05 L 0.5 MHz",    "BF-UT 05 L",      1, 0, 0, 1,  1, 127.0, 126.5, 53.5, 47.0, 19, 1300, 1400, {-30, 130}, {200, 6500},  {100, 6500}, 39.0, 26.7, 73.3, 900, 1.0,  500),
    Entry("QT-1 XL 1 MHz",      "BF-UT 1 XL",      1, 1, 0, 3,  2, 80.0,  60.0,  33.5, 30.0, 19, 1300, 1400, {-30, 130}, {2000, 6000}, {50, 6500},  36.0, 13.5, 32.7, 440, 0.8,  1000),
    Entry("QT-1 XL39 1 MHz",    "BF-UT 1 XL39",    1, 0, 0, 5,  2, 80.0,  60.0,  33.5, 30.0, 19, 1300, 1400, {-30, 130}, {2000, 6000}, {50, 6500},  39.0, 14.5, 28.2, 440, 0.8,  1000),
    Entry("QT-1 M 1 MHz",       "BF-UT 1 M",       1, 1, 0, 6,  2, 80.0,  60.0,  33.5, 30.0, 19, 1300, 1400, {-30, 130}, {100, 2000},  {50, 2100},  36.0, 13.5, 32.7, 440, 0.8,  1000),
    Entry("QT-1 M HT 1 MHz",    "BF-UT 1 M HT",    1, 1, 0, 7,  2, 80.0,  60.0,  33.5, 30.0, 21, 1300, 1400, {-30, 200}, {100, 2000},  {50, 2100},  36.0, 13.5, 32.8, 440, 0.8,  1000),
    Entry("QT-1 M39 1 MHz",     "BF-UT 1 M39",     1, 1, 0, 8,  2, 80.0,  60.0,  33.5, 30.0, 19, 1300, 1400, {-30, 130}, {100, 2000},  {50, 2100},  39.0, 14.5, 28.2, 440, 0.8,  1000),
    Entry("QT-1 C 1 MHz",       "BF-UT 1 C",       1, 0, 0, 2,  2, 60.0,  59.0,  29.5, 28.0, 19, 1300, 1400, {-30, 70},  {100, 2000},  {50, 2100},  39.0, 14.5, 28.0, 440, 0.8,  1000),
    Entry("QT-2 M 2 MHz",       "BF-UT 2 M",       0, 0, 0, 9,  3, 80.0,  60.0,  33.5, 30.0, 19, 1300, 1400, {-30, 130}, {50, 600},    {25, 1500},  36.0, 13.5, 34.9, 225, 0.4,  2000),
    Entry("QT-4 S 4 MHz",       "BF-UT 4 S",       1, 1, 1, 11, 4, 60.0,  42.5,  21.5, 18.0, 19, 2550, 2550, {-30, 130}, {25, 400},    {10, 1000},  39.0, 8.2,  13.9, 110, 0.25, 4000),
    Entry("QT-4 S HT 4 MHz",    "BF-UT 4 S HT",    1, 1, 0, 12, 4, 60.0,  42.5,  21.5, 18.0, 21, 2550, 2550, {-30, 200}, {25, 400},    {10, 1000},  36.0, 7.6,  14.4, 110, 0.25, 4000),
    Entry("QT-4 SL 4 MHz",      "BF-UT 4 SL",      1, 1, 0, 13, 4, 80.0,  60.0,  33.5, 30.0, 19, 2550, 2550, {-30, 130}, {25, 400},    {10, 1000},  39.0, 8.2,  17.1, 110, 0.25, 4000),
    Entry("QT-4 C 4 MHz",       "BF-UT 4 C",       1, 0, 0, 10, 4, 40.0,  35.0,  21.0, 18.0, 19, 2550, 2550, {-30, 70},  {25, 400},    {10, 1000},  39.0, 8.2,  12.4, 110, 0.25, 4000),
    Entry("QT-8 XS 8 MHz",      "BF-UT 8 XS",      1, 0, 0, 14, 5, 25.0,  25.0,  20.0, 13.0, 0,  2480, 2480, {-30, 130}, {10, 100},    {4, 200},    36.5, 4.8,  8.9,  62,  0.2,  8000),
};

int FindSensorIndex(std::uint8_t typeCode)
{
    for (int i = 0; i < SensorCatalogueSize; ++i) {
        if (SensorCatalogue[static_cast<std::size_t>(i)].TypeCode == typeCode)
            return i;
    }
    return 0;
}

std::uint8_t FrequencyClassOfSelected(const tSensorDatenTableItem& entry)
{
    const double t = entry.Toleranz;
    if (t < 80.0)
        return 5;
    if (t < 200.0)
        return 4;
    if (t < 300.0)
        return 3;
    if (t < 600.0)
        return 2;
    return 1;
}
