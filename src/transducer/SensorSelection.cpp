#include "transducer/SensorSelection.h"

#include "reference/QlvTabels.h"
#include "transducer/SensorCatalogue.h"

#include <cmath>
#include <limits>

namespace {

bool IsOffered(std::uint16_t offeredTypes, std::uint8_t typeCode)
{
    return typeCode < 16 && (offeredTypes & (1u << typeCode)) != 0;
}

// A standard type or, when only its hot variant copes with the temperature, the hot one.
std::uint8_t StandardOrHot(std::uint8_t standard, std::uint8_t hot, double temperature,
                           std::uint32_t& status)
{
    if (SensorTemperatureOk(standard, temperature, status))
        return standard;
    return IsTooHot(status) ? hot : standard;
}

// Bands of the diameter in 0.1 mm, half-open [lower, upper).
struct tBandLimits {
    long long small4M;  // start of band 4M (band S starts at 50)
    long long band1M;
    long long bandL;
};

tBandLimits BandsOfClass(std::uint8_t materialClass)
{
    switch (materialClass) {
    case 1:
        return {151, 801, 22001};
    case 2:
        return {101, 501, 22001};
    default:
        return {251, 1501, 22001};
    }
}

constexpr long long BandFirst = 50;
constexpr long long BandEnd = 60001;

std::uint8_t ChooseSensorType(std::uint8_t materialClass, std::uint16_t offeredTypes,
                              std::uint32_t& status, double innerDiameter, double temperature)
{
    // A whole number of 0.1 mm. NaN, negative and huge diameters fall into no band.
    const double tenths = std::nearbyint(innerDiameter * 10.0);
    if (!(tenths >= static_cast<double>(BandFirst) && tenths < static_cast<double>(BandEnd)))
        return 0;
    const long long d = static_cast<long long>(tenths);
    const tBandLimits bands = BandsOfClass(materialClass);

    if (d < bands.small4M) {
        if (IsOffered(offeredTypes, 14) && SensorTemperatureOk(14, temperature, status))
            return 14;
        if (materialClass == 2)
            return 0;
        if (innerDiameter < (materialClass == 1 ? 10.0 : 15.0))
            return 0;
        return StandardOrHot(11, 12, temperature, status);
    }
    if (d < bands.band1M)
        return StandardOrHot(11, 12, temperature, status);
    if (d < bands.bandL)
        return StandardOrHot(6, 7, temperature, status);
    // The hot variant of code 3 has no catalogue entry: keep 3, whose status then carries
    // the too-hot bit as the other bands do when their hot variant is too hot as well.
    return 3;
}

}  // namespace

bool CheckSensorTemperature(std::uint8_t typeCode, double temperature, std::uint32_t& status)
{
    status &= ~(SensorTooCold | SensorTooHot);
    const tSensorDatenTableItem& entry =
        SensorCatalogue[static_cast<std::size_t>(FindSensorIndex(typeCode))];
    if (temperature > entry.Temp.bis)
        status |= SensorTooHot;
    if (temperature < entry.Temp.von)
        status |= SensorTooCold;
    // A temperature that is no number is neither too hot nor too cold, but never in range.
    if (std::isnan(temperature))
        return false;
    return (status & (SensorTooCold | SensorTooHot)) == 0;
}

bool SensorTemperatureOk(std::uint8_t typeCode, double temperature, std::uint32_t& status)
{
    if (typeCode == 0)
        return false;
    return CheckSensorTemperature(typeCode, temperature, status);
}

std::uint8_t RecommendSensorType(std::uint16_t wallMaterial, std::uint16_t offeredTypes,
                                 std::uint32_t& status, double innerDiameter, double temperature)
{
    status = SensorStatusStart;
    // No transducer can be shown to suit a temperature that is no number.
    if (std::isnan(temperature))
        return 0;
    const std::uint8_t result =
        ChooseSensorType(MaterialClass(wallMaterial), offeredTypes, status, innerDiameter,
                         temperature);
    // The status describes the chosen type (no check for 0).
    SensorTemperatureOk(result, temperature, status);
    return result;
}

std::uint8_t RecommendSensorType(std::uint16_t wallMaterial, std::uint16_t offeredTypes,
                                 double innerDiameter, double temperature)
{
    std::uint32_t status = 0;
    return RecommendSensorType(wallMaterial, offeredTypes, status, innerDiameter, temperature);
}

void DefaultSoundPaths(std::uint8_t frequencyClass, tSoundPathDefaults& defaults,
                       double innerDiameter)
{
    defaults = tSoundPathDefaults{};
    // Whole 0.1 mm in 32 bits, so large pipes never wrap to small ones. A negative diameter
    // or one that is no number gives nothing to choose by: the plain defaults stay.
    const double tenths = std::nearbyint(innerDiameter * 10.0);
    if (!(tenths >= 0.0))
        return;
    const std::uint32_t d =
        tenths >= static_cast<double>(std::numeric_limits<std::uint32_t>::max())
            ? std::numeric_limits<std::uint32_t>::max()
            : static_cast<std::uint32_t>(tenths);

    auto set = [&defaults](std::uint8_t direct, std::uint8_t reflex, std::uint8_t preferred) {
        defaults.Direct = direct;
        defaults.Reflex = reflex;
        defaults.Preferred = preferred;
    };
    switch (frequencyClass) {
    case 2:
        if (d < 1001)
            set(5, 4, 0);
        else
            set(1, 2, 0);
        break;
    case 4:
        if (d < 120)
            set(1, 8, 1);
        else if (d < 250)
            set(1, 6, 1);
        else if (d < 600)
            set(1, 4, 1);
        else
            set(1, 2, d < 3000 ? 1 : 0);
        break;
    case 5:
        if (d < 101)
            set(7, 8, 1);
        else if (d < 151)
            set(5, 6, 1);
        else if (d < 251)
            set(3, 4, 1);
        else
            set(1, 2, 1);
        break;
    default:
        break;
    }
}
