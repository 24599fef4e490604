// Arbitrary measuring points through the path model and the selection rules: no input may
// crash, trip the sanitizers, or give a valid result that is not finite.

#include "transducer/AcousticPath.h"
#include "transducer/SensorSelection.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

class tReader {
public:
    tReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    template <typename T>
    T Next()
    {
        T value{};
        std::uint8_t bytes[sizeof(T)] = {};
        for (std::size_t i = 0; i < sizeof(T) && pos_ < size_; ++i)
            bytes[i] = data_[pos_++];
        std::memcpy(&value, bytes, sizeof(T));
        return value;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    tReader in(data, size);
    tAcousticPath path;
    const std::uint8_t sensor = in.Next<std::uint8_t>();
    if (sensor < SensorCatalogueSize)
        path.SelectSensor(SensorCatalogue[sensor]);
    path.Input.SoundPaths = in.Next<std::int8_t>();
    path.Input.InnerDiameter = in.Next<double>();
    path.Input.WallThickness = in.Next<double>();
    path.Input.LiningThickness = in.Next<double>();
    path.Input.MediumTemperature = in.Next<double>();
    path.Input.Pressure = in.Next<double>();
    path.Input.WallMaterial = in.Next<std::uint16_t>() % 32;
    path.Input.LiningMaterial = in.Next<std::uint16_t>() % 32;
    path.Input.Medium = static_cast<std::uint16_t>(10000 + in.Next<std::uint16_t>() % 64);
    path.Input.WallSpeed = in.Next<double>();
    path.Input.LiningSpeed = in.Next<double>();
    path.Input.MediumSpeed = in.Next<double>();
    path.Input.Viscosity = in.Next<double>();
    const double otherSpeed = in.Next<double>();
    const double velocity = in.Next<double>();

    const tPathResult result = path.Recalculate();
    if (result.IsValid()) {
        Require(std::isfinite(result.Value));
        Require(std::isfinite(path.Spacing()) && std::isfinite(path.TotalTransitTime()));
        // Fewer than one path leaves the window as it was.
        Require(path.Input.SoundPaths < 1
                || (path.CaptureWindow() >= 1 && path.CaptureWindow() <= 40));
    }
    const tPathResult spacing = path.SpacingForValue(otherSpeed);
    Require(!spacing.IsValid() || std::isfinite(spacing.Value));
    const tPathResult dt = path.TransitTimeDifference(velocity);
    Require(!dt.IsValid() || std::isfinite(dt.Value));
    path.IsLambdaSmallPipe();

    std::uint32_t status = 0;
    const std::uint8_t code = RecommendSensorType(path.Input.WallMaterial, in.Next<std::uint16_t>(),
                                                  status, path.Input.InnerDiameter,
                                                  path.Input.MediumTemperature);
    Require(code == 0 || FindSensorIndex(code) != 0 || code == 1);
    tSoundPathDefaults defaults;
    DefaultSoundPaths(in.Next<std::uint8_t>(), defaults, path.Input.InnerDiameter);
    Require(defaults.Direct % 2 == 1 && defaults.Reflex % 2 == 0);
    return 0;
}
