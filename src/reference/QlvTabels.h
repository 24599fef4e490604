#pragma once
// The flowmeter firmware's library of pipe materials (also lining and wedge materials) and
// media: names in eight languages and properties as coefficient sets. Callers receive
// copies, looked up by identifier. Identifiers 0 and 10000 stand for another material or
// medium whose values the user types in: they have names but no data records.

#include "reference/LibRecords.h"

#include <QString>

#include <cstdint>

constexpr std::uint16_t OtherMaterialId = 0;
constexpr std::uint16_t OtherMediumId = 10000;

// The name column used by the name lookups: 0 German ... 7 English (see LibLang*).
extern std::uint8_t FirmwareLanguageIndex;

// Converts the stored names from the firmware's DOS code page to Windows-1252. The program
// entry calls it once at start; every lookup also runs it on first use. Idempotent.
void ConvertLibraryNames();
// The DOS-to-Windows mapping of one name character byte.
char ConvertDosToAnsi(char c);

int MaterialCount();  // 25
int MediumCount();    // 46
// Identifier of data row n (1-based, stored order); -1 when n is outside 1..count.
std::int16_t MaterialIdAt(int n);
std::int16_t MediumIdAt(int n);

// Name of id in column FirmwareLanguageIndex; the name of row 0 (another material or
// medium) when id is absent.
QString MaterialName(std::uint16_t id);
QString MediumName(std::uint16_t id);

// Copy the whole record; false (record untouched) when id has no data record.
bool GetMaterial(std::uint16_t id, tMaterialRec& material);
bool GetMedium(std::uint16_t id, tMediumRec& medium);

// Wave kinds of GetMaterialSoundSpeed.
constexpr std::uint8_t WaveLongitudinal = 0;
constexpr std::uint8_t WaveTransversal = 1;
constexpr std::uint8_t WaveDefault = 2;    // the material's DefaultWave
constexpr std::uint8_t WaveRoughness = 5;  // a constant set holding the roughness in µm
// Copies the material's sound-speed set of the given kind; true exactly when a set was
// written.
bool GetMaterialSoundSpeed(std::uint16_t id, std::uint8_t kind, tCoeffSet& set);

// The material class used by the transducer recommendation: 0, 1 or 2 (0 when absent).
std::uint8_t MaterialClass(std::uint16_t id);
