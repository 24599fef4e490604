#pragma once
// The byte layouts of the material and medium library's records (packed, little-endian).

#include "reference/CoeffSet.h"

#include <cstdint>

// An unaligned little-endian u16 as the firmware stores it. Reads and writes like a number,
// so record fields can be used directly (and bound to references, unlike packed fields).
struct tWordLE {
    std::uint8_t Bytes[2] = {0, 0};

    constexpr tWordLE() = default;
    constexpr tWordLE(std::uint16_t value)
        : Bytes{static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)}
    {
    }
    constexpr operator std::uint16_t() const
    {
        return static_cast<std::uint16_t>(Bytes[0] | (Bytes[1] << 8));
    }
};
static_assert(sizeof(tWordLE) == 2 && alignof(tWordLE) == 1);

// A short string of at most 16 characters: a length byte and the character bytes.
struct tLibName {
    std::uint8_t Length = 0;
    char Chars[16] = {};
};
static_assert(sizeof(tLibName) == 17);

// Name columns of a name row.
constexpr std::uint8_t LibLangGerman = 0;
constexpr std::uint8_t LibLangFrench = 1;
constexpr std::uint8_t LibLangDanish = 2;
constexpr std::uint8_t LibLangCzech = 3;
constexpr std::uint8_t LibLangDutch = 4;
constexpr std::uint8_t LibLangPolish = 5;
constexpr std::uint8_t LibLangNorwegian = 6;
constexpr std::uint8_t LibLangEnglish = 7;
constexpr int LibLangCount = 8;

struct tLibNameRec {
    tWordLE Id;
    tLibName Names[LibLangCount];  // German, French, Danish, Czech, Dutch, Polish, Norwegian, English
};
static_assert(sizeof(tLibNameRec) == 138);

struct tMaterialRec {
    tWordLE Id;               // 1..25
    char DefaultWave = 'L';   // 'L' longitudinal or 'T' transversal
    tCoeffSet SoundSpeedL;    // [m/s]
    tCoeffSet SoundSpeedT;    // [m/s]
    tCoeffSet ClassSet;       // type 255: c0 is the material class
    tCoeffSet Set4;           // type 5, no data
    tWordLE RoughnessUm;      // wall roughness [µm]
};
static_assert(sizeof(tMaterialRec) == 129);

struct tMediumRec {
    tWordLE Id;               // 10001..10057
    tCoeffSet SoundSpeed;     // [m/s]
    tCoeffSet Density;        // [g/cm³]
    tCoeffSet KinViscosity;   // [mm²/s]
    tCoeffSet Set4;           // type 5, never evaluated
};
static_assert(sizeof(tMediumRec) == 126);
