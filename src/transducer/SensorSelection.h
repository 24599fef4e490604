#pragma once
// Temperature checks, the transducer recommendation for a pipe and the default sound-path
// counts.

#include <cstdint>

// Temperature status word: the recommendation starts it at SensorStatusStart; each check
// clears and sets the two bits.
constexpr std::uint32_t SensorStatusStart = 0x10000000u;
constexpr std::uint32_t SensorTooCold = 4u;
constexpr std::uint32_t SensorTooHot = 8u;

// Clears both bits, then sets SensorTooHot when T > Temp.bis and SensorTooCold when
// T < Temp.von of the entry of the code (entry 0 for unknown codes); true when neither was
// set. The bounds themselves pass; a NaN temperature sets neither bit and is never in range.
bool CheckSensorTemperature(std::uint8_t typeCode, double temperature, std::uint32_t& status);

// False for code 0 (status untouched), else CheckSensorTemperature.
bool SensorTemperatureOk(std::uint8_t typeCode, double temperature, std::uint32_t& status);

inline bool IsTooHot(std::uint32_t status) { return (status & SensorTooHot) != 0; }
inline bool IsTooCold(std::uint32_t status) { return (status & SensorTooCold) != 0; }

// The type code recommended for a pipe of inner diameter D [mm] in the given wall material
// at medium temperature T [°C]; 0 when no transducer fits. offeredTypes has bit n set for
// each listed type code n. On return, status describes the chosen type (SensorStatusStart
// plus the too-hot/too-cold bits). A NaN diameter or temperature gives 0.
std::uint8_t RecommendSensorType(std::uint16_t wallMaterial, std::uint16_t offeredTypes,
                                 std::uint32_t& status, double innerDiameter, double temperature);
std::uint8_t RecommendSensorType(std::uint16_t wallMaterial, std::uint16_t offeredTypes,
                                 double innerDiameter, double temperature);

// Proposed sound-path counts.
struct tSoundPathDefaults {
    std::uint8_t Direct = 1;     // odd count, transmission ("Durchstrahlung")
    std::uint8_t Reflex = 2;     // even count
    std::uint8_t Preferred = 1;  // 1 = reflex, 0 = direct
};

// The defaults for a frequency class (FrequencyClassOfSelected) and inner diameter D [mm];
// the plain defaults (1, 2, reflex) for a negative or NaN diameter.
void DefaultSoundPaths(std::uint8_t frequencyClass, tSoundPathDefaults& defaults,
                       double innerDiameter);
