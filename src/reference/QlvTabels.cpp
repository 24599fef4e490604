#include "reference/QlvTabels.h"

#include "platform/TextCodec.h"

#include <QByteArray>

#include <cstddef>

std::uint8_t FirmwareLanguageIndex = LibLangGerman;

namespace {

constexpr int MaterialTableCount = 25;
constexpr int MediumTableCount = 46;

template <std::size_t N>
constexpr tLibName LibName(const char (&text)[N])
{
    static_assert(N - 1 <= 16, "library names hold at most 16 characters");
    tLibName name;
    name.Length = static_cast<std::uint8_t>(N - 1);
    for (std::size_t i = 0; i + 1 < N; ++i)
        name.Chars[i] = text[i];
    return name;
}

// The firmware carries eight name columns; this program selects only German and English, so
// the other columns repeat the English name.
template <std::size_t G, std::size_t E>
constexpr tLibNameRec NameRow(std::uint16_t id, const char (&german)[G], const char (&english)[E])
{
    tLibNameRec row;
    row.Id = id;
    row.Names[LibLangGerman] = LibName(german);
    for (int column = LibLangFrench; column < LibLangCount; ++column)
        row.Names[column] = LibName(english);
    return row;
}

constexpr tMaterialRec MaterialRow(std::uint16_t id, char defaultWave, const tCoeffSet& longitudinal,
                                   const tCoeffSet& transversal, const tCoeffSet& classSet,
                                   const tCoeffSet& set4, std::uint16_t roughnessUm)
{
    tMaterialRec row;
    row.Id = id;
    row.DefaultWave = defaultWave;
    row.SoundSpeedL = longitudinal;
    row.SoundSpeedT = transversal;
    row.ClassSet = classSet;
    row.Set4 = set4;
    row.RoughnessUm = roughnessUm;
    return row;
}

constexpr tMediumRec MediumRow(std::uint16_t id, const tCoeffSet& soundSpeed, const tCoeffSet& density,
                               const tCoeffSet& kinViscosity, const tCoeffSet& set4)
{
    tMediumRec row;
    row.Id = id;
    row.SoundSpeed = soundSpeed;
    row.Density = density;
    row.KinViscosity = kinViscosity;
    row.Set4 = set4;
    return row;
}

// Names are stored in the firmware's DOS code page (ConvertLibraryNames converts them).
// Coefficients are the decimal values of the stored reals, rounded back to the nearest real.
constinit tLibNameRec MaterialNames[MaterialTableCount + 1] = {
    NameRow(0, "Anderes Material", "Other Material"),
    NameRow(1, "Stahl (Normal)", "Carbon Steel"),
    NameRow(2, "Stahl (NIRO)", "Stainless Steel"),
    NameRow(3, "Kunststoff", "Plastic"),
    NameRow(5, "Kupfer", "Copper"),
    NameRow(4, "Glas", "Glass"),
    NameRow(6, "Aluminium", "Aluminium"),
    NameRow(7, "Messing", "Brass"),
    NameRow(8, "Blei", "Lead"),
    NameRow(9, "Graugu\xE1", "Grey Cast Iron"),
    NameRow(10, "Duktiler Gu\xE1", "Ductile Iron"),
    NameRow(11, "Asbestzement", "Asbestos Cement"),
    NameRow(12, "PVC", "PVC"),
    NameRow(13, "PE", "PE"),
    NameRow(14, "PP", "PP"),
    NameRow(15, "Graugu\xE1", "Grey Cast Iron"),
    NameRow(16, "Bitumen", "Bitumen"),
    NameRow(17, "Gummi", "Rubber"),
    NameRow(18, "Plexiglas", "Perspex"),
    NameRow(19, "Teka PEEK", "Teka PEEK"),
    NameRow(20, "Tekason", "Tekason"),
    NameRow(21, "Sintimid", "Sintimid"),
    NameRow(22, "Cu-Ni-Fe", "Cu-Ni-Fe"),
    NameRow(23, "Titan", "Titan"),
    NameRow(24, "PFA", "PFA"),
    NameRow(25, "PVDF", "PVDF"),
};

constinit tLibNameRec MediumNames[MediumTableCount + 1] = {
    NameRow(10000, "Anderes Medium", "Other Medium"),
    NameRow(10001, "Wasser", "Water"),
    NameRow(10002, "Benzin", "Petrol"),
    NameRow(10003, "Ethylether", "Ether"),
    NameRow(10004, "Methanol", "Methanol"),
    NameRow(10005, "Aceton", "Acetone"),
    NameRow(10006, "Toluol", "Toluene"),
    NameRow(10007, "Salzs\x84ure 37%", "HCl 37%"),
    NameRow(10008, "Glycol", "Glycol"),
    NameRow(10009, "Vinylchlorid", "Vinylchloride"),
    NameRow(10010, "Milch", "Milk"),
    NameRow(10011, "Saure Sahne", "Sour Cream"),
    NameRow(10012, "BP Transcal LT", "BP Transcal LT"),
    NameRow(10013, "BP Transcal N", "BP Transcal N"),
    NameRow(10014, "R22 Freon", "R22 Freon"),
    NameRow(10015, "CaCl2 -45 C", "CaCl2 -45 C"),
    NameRow(10016, "CaCl2 -15 C", "CaCl2 -15 C"),
    NameRow(10017, "R134 Freon", "R134 Freon"),
    NameRow(10018, "H2O-Ethan.-Glyk.", "H2O-Ethan.-Glyc."),
    NameRow(10019, "Oel", "Oil"),
    NameRow(10020, "Milch  3.5% FETT", "Milk  3.5% Fat"),
    NameRow(10021, "Milch  1.5% FETT", "Milk  1.5% Fat"),
    NameRow(10022, "Milch  0.3% FETT", "Milk  0.3% Fat"),
    NameRow(10023, "Ammoniak      ", "Ammonia (NH3)"),
    NameRow(10024, "Kupfersulfat", "Copper Sulfate"),
    NameRow(10025, "Cerl\x94sung", "Cer Solution"),
    NameRow(10026, "Zinnchloridl\x94s.", "Tinchloride Sol."),
    NameRow(10027, "Zinkstaubsuspen.", "Zinc Dust Susp."),
    NameRow(10039, "Shell Thermina B", "Shell Thermina B"),
    NameRow(10040, "30% Glycol / H2O", "30% Glycol / H2O"),
    NameRow(10041, "50% Glycol / H2O", "50% Glycol / H2O"),
    NameRow(10042, "80% Schwefels\x84u.", "80% H2SO4"),
    NameRow(10043, "96% Schwefels\x84u.", "96% H2SO4"),
    NameRow(10044, "SKYDROL 500-B4", "SKYDROL 500-B4"),
    NameRow(10045, "HLP32", "HLP32"),
    NameRow(10046, "HLP46", "HLP46"),
    NameRow(10047, "HLP68", "HLP68"),
    NameRow(10048, "Quintolubric 200", "Quintolubric 200"),
    NameRow(10049, "Quintolubric 300", "Quintolubric 300"),
    NameRow(10050, "ISO VG 22", "ISO VG 22"),
    NameRow(10051, "ISO VG 32", "ISO VG 32"),
    NameRow(10052, "ISO VG 46", "ISO VG 46"),
    NameRow(10053, "ISO VG 68", "ISO VG 68"),
    NameRow(10054, "ISO VG 100", "ISO VG 100"),
    NameRow(10055, "ISO VG 150", "ISO VG 150"),
    NameRow(10056, "ISO VG 220", "ISO VG 220"),
    NameRow(10057, "SKYDROL 500-LD4", "SKYDROL 500-LD4"),
};

constexpr tMaterialRec Materials[MaterialTableCount] = {
    MaterialRow(1, 'T', MakeCoeffSet(1, {5800.0L}),
                MakeCoeffSet(1, {3230.0L}),
                MakeCoeffSet(255, {0.0L}), MakeCoeffSet(5, {0.0L}), 100),
    MaterialRow(2, 'T', MakeCoeffSet(1, {5790.0L}),
                MakeCoeffSet(1, {3230.0L}),
                MakeCoeffSet(255, {0.0L}), MakeCoeffSet(5, {0.0L}), 100),
    MaterialRow(3, 'L', MakeCoeffSet(1, {2000.0L}),
                MakeCoeffSet(1, {1120.0L}),
                MakeCoeffSet(255, {1.0L}), MakeCoeffSet(5, {0.0L}), 0),
    MaterialRow(5, 'T', MakeCoeffSet(1, {4700.0L}),
                MakeCoeffSet(1, {2260.0L}),
                MakeCoeffSet(255, {0.0L}), MakeCoeffSet(5, {0.0L}), 0),
    MaterialRow(4, 'T', MakeCoeffSet(1, {4700.0L}),
                MakeCoeffSet(1, {3400.0L}),
                MakeCoeffSet(255, {0.0L}), MakeCoeffSet(5, {0.0L}), 0),
    MaterialRow(6, 'T', MakeCoeffSet(1, {6300.0L}),
                MakeCoeffSet(1, {3100.0L}),
                MakeCoeffSet(255, {0.0L}), MakeCoeffSet(5, {0.0L}), 0),
    MaterialRow(7, 'T', MakeCoeffSet(1, {4300.0L}),
                MakeCoeffSet(1, {2100.0L}),
                MakeCoeffSet(255, {0.0L}), MakeCoeffSet(5, {0.0L}), 0),
    MaterialRow(8, 'L', MakeCoeffSet(1, {2200.0L}),
                MakeCoeffSet(1, {700.0L}),
                MakeCoeffSet(255, {0.0L}), MakeCoeffSet(5, {0.0L}), 0),
    MaterialRow(9, 'T', MakeCoeffSet(1, {4600.0L}),
                MakeCoeffSet(1, {2650.0L}),
                MakeCoeffSet(5, {0.0L}), MakeCoeffSet(255, {0.0L}), 3000),
    MaterialRow(10, 'T', MakeCoeffSet(1, {0.0L}),
                MakeCoeffSet(1, {2650.0L}),
                MakeCoeffSet(255, {0.0L}), MakeCoeffSet(5, {0.0L}), 3000),
    MaterialRow(11, 'T', MakeCoeffSet(1, {0.0L}),
                MakeCoeffSet(1, {2200.0L}),
                MakeCoeffSet(255, {0.0L}), MakeCoeffSet(5, {0.0L}), 2000),
    MaterialRow(12, 'L', MakeCoeffSet(1, {2395.0L}),
                MakeCoeffSet(1, {0.0L}),
                MakeCoeffSet(255, {1.0L}), MakeCoeffSet(5, {0.0L}), 0),
    MaterialRow(13, 'L', MakeCoeffSet(1, {1950.0L}),
                MakeCoeffSet(1, {540.0L}),
                MakeCoeffSet(255, {1.0L}), MakeCoeffSet(5, {0.0L}), 0),
    MaterialRow(14, 'T', MakeCoeffSet(1, {0.0L}),
                MakeCoeffSet(1, {2600.0L}),
                MakeCoeffSet(255, {2.0L}), MakeCoeffSet(5, {0.0L}), 0),
    MaterialRow(15, 'T', MakeCoeffSet(1, {4600.0L}),
                MakeCoeffSet(1, {2200.0L}),
                MakeCoeffSet(255, {0.0L}), MakeCoeffSet(5, {0.0L}), 3000),
    MaterialRow(16, 'T', MakeCoeffSet(1, {0.0L}),
                MakeCoeffSet(1, {2500.0L}),
                MakeCoeffSet(255, {1.0L}), MakeCoeffSet(5, {0.0L}), 0),
    MaterialRow(17, 'T', MakeCoeffSet(1, {2400.0L}),
                MakeCoeffSet(1, {1900.0L}),
                MakeCoeffSet(255, {2.0L}), MakeCoeffSet(5, {0.0L}), 0),
    MaterialRow(18, 'L', MakeCoeffSet(1, {2730.0L}),
                MakeCoeffSet(1, {1250.0L}),
                MakeCoeffSet(255, {1.0L}), MakeCoeffSet(5, {0.0L}), 0),
    MaterialRow(19, 'L', MakeCoeffSet(1, {2575.0L, -2.045454545L}),
                MakeCoeffSet(1, {0.0L}),
                MakeCoeffSet(255, {1.0L}), MakeCoeffSet(5, {0.0L}), 0),
    MaterialRow(20, 'L', MakeCoeffSet(1, {2230.0L}),
                MakeCoeffSet(1, {0.0L}),
                MakeCoeffSet(255, {2.0L}), MakeCoeffSet(5, {0.0L}), 0),
    MaterialRow(21, 'L', MakeCoeffSet(1, {2508.0L, -1.8L}),
                MakeCoeffSet(1, {0.0L}),
                MakeCoeffSet(255, {2.0L}), MakeCoeffSet(5, {0.0L}), 0),
    MaterialRow(22, 'T', MakeCoeffSet(1, {0.0L}),
                MakeCoeffSet(1, {2510.0L}),
                MakeCoeffSet(255, {0.0L}), MakeCoeffSet(5, {0.0L}), 0),
    MaterialRow(23, 'T', MakeCoeffSet(1, {5976.0L, -1.07L}),
                MakeCoeffSet(1, {3067.0L}),
                MakeCoeffSet(255, {0.0L}), MakeCoeffSet(5, {0.0L}), 0),
    MaterialRow(24, 'L', MakeCoeffSet(1, {1185.0L}),
                MakeCoeffSet(1, {500.0L}),
                MakeCoeffSet(255, {2.0L}), MakeCoeffSet(5, {0.0L}), 0),
    MaterialRow(25, 'L', MakeCoeffSet(1, {2050.0L}),
                MakeCoeffSet(1, {760.0L}),
                MakeCoeffSet(255, {2.0L}), MakeCoeffSet(5, {0.0L}), 0),
};

constexpr tMediumRec Media[MediumTableCount] = {
    MediumRow(10001,
              MakeCoeffSet(1, {1403.801398L, 4.776744589L, -0.046087242L, 0.000141539L, -1.9738e-7L}),
              MakeCoeffSet(1, {1.001274L, -1.81e-5L, -5.652e-6L, 1.952e-8L, -4.01e-11L}),
              MakeCoeffSet(9, {0.5332L, 0.0228L, 5.9424e-5L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10002,
              MakeCoeffSet(1, {1310.818182L, -0.79090909L}),
              MakeCoeffSet(1, {0.88L}),
              MakeCoeffSet(1, {0.74L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10003,
              MakeCoeffSet(1, {1600.0L}),
              MakeCoeffSet(1, {0.7155L}),
              MakeCoeffSet(1, {0.3287L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10004,
              MakeCoeffSet(1, {1121.0L}),
              MakeCoeffSet(1, {0.812L, -0.00094L}),
              MakeCoeffSet(9, {1.033000417L, 0.017955691L, 8.77862e-5L, -1.6143e-7L, -20.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10005,
              MakeCoeffSet(1, {1190.0L}),
              MakeCoeffSet(1, {0.79L, -0.003L}),
              MakeCoeffSet(9, {1.979767276L, 0.015913222L, -3.90033e-5L, -2.21248e-7L, -90.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10006,
              MakeCoeffSet(1, {1305.0L}),
              MakeCoeffSet(1, {0.868L, -0.000967L}),
              MakeCoeffSet(9, {1.135433944L, 0.01481105L, 3.5932e-5L, -1.26251e-7L, -100.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10007,
              MakeCoeffSet(1, {1520.0L}),
              MakeCoeffSet(1, {1.211L, -0.00081L}),
              MakeCoeffSet(9, {0.460396625L, 0.00936832L, 5.71073e-5L, -4.56814e-8L, -60.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10008,
              MakeCoeffSet(1, {1595.840659L, -2.761256566L, -0.00090629L}),
              MakeCoeffSet(1, {1.125L, -0.00065L}),
              MakeCoeffSet(9, {0.025780085L, 0.001078078L, 1.43104e-5L, 3.52502e-7L, -20.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10009,
              MakeCoeffSet(1, {900.0L}),
              MakeCoeffSet(1, {0.97L}),
              MakeCoeffSet(1, {0.0116L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10010,
              MakeCoeffSet(1, {1403.246585L, 4.875679797L, -0.048921138L, 0.000151591L}),
              MakeCoeffSet(1, {1.0L}),
              MakeCoeffSet(1, {5.0L}),
              MakeCoeffSet(5, {1.0L})),
    MediumRow(10011,
              MakeCoeffSet(1, {1562.28571L, -0.6142857L}),
              MakeCoeffSet(1, {1.0L}),
              MakeCoeffSet(1, {50.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10012,
              MakeCoeffSet(1, {1480.0L, -3.23333L}),
              MakeCoeffSet(1, {0.74L}),
              MakeCoeffSet(2, {0.0863L, 664.0L, 110.6L, -30.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10013,
              MakeCoeffSet(1, {1480.0L, -3.0L}),
              MakeCoeffSet(1, {0.75L}),
              MakeCoeffSet(2, {0.0819L, 831.3L, 102.2L, -30.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10014,
              MakeCoeffSet(1, {654.972529L, -4.4715601L, -0.005791927L}),
              MakeCoeffSet(1, {1.0L}),
              MakeCoeffSet(1, {1.01L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10015,
              MakeCoeffSet(1, {2036.3636L, -1.81818182L}),
              MakeCoeffSet(1, {1.2L}),
              MakeCoeffSet(1, {22.9072727L, -0.1573636L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10016,
              MakeCoeffSet(1, {1936.36364L, -1.81818182L}),
              MakeCoeffSet(1, {1.17L}),
              MakeCoeffSet(1, {3.46236364L, -0.01511818L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10017,
              MakeCoeffSet(1, {613.5307676L, -4.198697686L, -0.008236693L}),
              MakeCoeffSet(1, {1.0L}),
              MakeCoeffSet(1, {1.01L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10018,
              MakeCoeffSet(1, {1716.0L, -0.66667L}),
              MakeCoeffSet(1, {1.0L}),
              MakeCoeffSet(1, {6.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10019,
              MakeCoeffSet(1, {1740.0L}),
              MakeCoeffSet(1, {0.87L}),
              MakeCoeffSet(1, {344.8L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10020,
              MakeCoeffSet(1, {1455.198147L, 3.266090399L, -0.024624537L}),
              MakeCoeffSet(1, {1.03L}),
              MakeCoeffSet(1, {1.71L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10021,
              MakeCoeffSet(1, {1455.198147L, 3.266090399L, -0.024624537L}),
              MakeCoeffSet(1, {1.03L}),
              MakeCoeffSet(1, {1.62L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10022,
              MakeCoeffSet(1, {1455.198147L, 3.266090399L, -0.024624537L}),
              MakeCoeffSet(1, {1.03L}),
              MakeCoeffSet(1, {1.5L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10023,
              MakeCoeffSet(1, {1660.0L}),
              MakeCoeffSet(1, {0.8L}),
              MakeCoeffSet(1, {1.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10024,
              MakeCoeffSet(1, {1577.27273L, -1.36364L}),
              MakeCoeffSet(1, {1.0L}),
              MakeCoeffSet(1, {1.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10025,
              MakeCoeffSet(1, {1600.909L, -1.545454L}),
              MakeCoeffSet(1, {1.0L}),
              MakeCoeffSet(1, {1.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10026,
              MakeCoeffSet(1, {1612.7272L, -1.6363636L}),
              MakeCoeffSet(1, {1.0L}),
              MakeCoeffSet(1, {1.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10027,
              MakeCoeffSet(1, {1612.7272L, -1.6363636L}),
              MakeCoeffSet(1, {1.0L}),
              MakeCoeffSet(1, {1.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10039,
              MakeCoeffSet(1, {1528.4L, -3.535L}),
              MakeCoeffSet(1, {0.875L, -0.0006L}),
              MakeCoeffSet(2, {0.0886L, 804.15L, 99.4L, -30.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10040,
              MakeCoeffSet(1, {1682.099903L, -0.368278559L, -0.007971602L, -4.95303e-5L, 2.69608e-7L}),
              MakeCoeffSet(1, {1.045L}),
              MakeCoeffSet(1, {4.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10041,
              MakeCoeffSet(1, {1722.915619L, -0.547877049L, -0.018947617L}),
              MakeCoeffSet(1, {1.074L}),
              MakeCoeffSet(1, {6.0L}),
              MakeCoeffSet(5, {6.0L})),
    MediumRow(10042,
              MakeCoeffSet(1, {1500.0L}),
              MakeCoeffSet(1, {1.8145L, -0.000975L}),
              MakeCoeffSet(9, {0.043611505L, 0.000927457L, 3.19992e-5L, 2.1791e-7L, -20.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10043,
              MakeCoeffSet(1, {1500.0L}),
              MakeCoeffSet(1, {1.8545L, -0.000975L}),
              MakeCoeffSet(9, {0.053611505L, 0.000927457L, 3.19992e-5L, 2.1791e-7L, -20.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10044,
              MakeCoeffSet(1, {1451.845671L, -3.273101949L, 0.002370323283L}),
              MakeCoeffSet(1, {1.0731L, -0.000808L}),
              MakeCoeffSet(2, {0.203L, 643.0L, 117.4L, -20.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10045,
              MakeCoeffSet(6, {1557.0L, 0.0001913L, -0.002357L, 4.517e-6L, 0.0003014L}),
              MakeCoeffSet(8, {0.879998L, -0.0006308L, 6.538e-5L, -1.011e-8L}),
              MakeCoeffSet(7, {176.221L, -0.041L, 7.012e-6L, 0.008739L, -30.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10046,
              MakeCoeffSet(6, {1557.0L, 0.0001913L, -0.002357L, 4.517e-6L, 0.0003014L}),
              MakeCoeffSet(8, {0.88403L, -0.0006308L, 6.538e-5L, -1.011e-8L}),
              MakeCoeffSet(7, {258.458L, -0.041L, 7.012e-6L, 0.008739L, -30.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10047,
              MakeCoeffSet(6, {1557.0L, 0.0001913L, -0.002357L, 4.517e-6L, 0.0003014L}),
              MakeCoeffSet(8, {0.886046L, -0.0006308L, 6.538e-5L, -1.011e-8L}),
              MakeCoeffSet(7, {381.813L, -0.041L, 7.012e-6L, 0.008739L, -30.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10048,
              MakeCoeffSet(6, {1557.0L, 0.0001913L, -0.002357L, 4.517e-6L, 0.0003014L}),
              MakeCoeffSet(1, {0.9L}),
              MakeCoeffSet(2, {0.358L, 635.185L, 100.429L, -35.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10049,
              MakeCoeffSet(6, {1557.0L, 0.0001913L, -0.002357L, 4.517e-6L, 0.0003014L}),
              MakeCoeffSet(1, {0.92L}),
              MakeCoeffSet(2, {0.421L, 670.627L, 97.834L, -40.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10050,
              MakeCoeffSet(6, {1557.0L, 0.0001913L, -0.002357L, 4.517e-6L, 0.0003014L}),
              MakeCoeffSet(8, {0.879998L, -0.0006308L, 6.538e-5L, -1.011e-8L}),
              MakeCoeffSet(2, {0.1L, 854.144L, 117.337L, -5.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10051,
              MakeCoeffSet(6, {1557.0L, 0.0001913L, -0.002357L, 4.517e-6L, 0.0003014L}),
              MakeCoeffSet(8, {0.879998L, -0.0006308L, 6.538e-5L, -1.011e-8L}),
              MakeCoeffSet(2, {0.095L, 912.36L, 115.959L, -5.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10052,
              MakeCoeffSet(6, {1557.0L, 0.0001913L, -0.002357L, 4.517e-6L, 0.0003014L}),
              MakeCoeffSet(8, {0.88403L, -0.0006308L, 6.538e-5L, -1.011e-8L}),
              MakeCoeffSet(2, {0.081L, 990.474L, 114.664L, -5.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10053,
              MakeCoeffSet(6, {1557.0L, 0.0001913L, -0.002357L, 4.517e-6L, 0.0003014L}),
              MakeCoeffSet(8, {0.886046L, -0.0006308L, 6.538e-5L, -1.011e-8L}),
              MakeCoeffSet(2, {0.096L, 965.759L, 106.233L, -5.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10054,
              MakeCoeffSet(6, {1557.0L, 0.0001913L, -0.002357L, 4.517e-6L, 0.0003014L}),
              MakeCoeffSet(8, {0.879998L, -0.0006308L, 6.538e-5L, -1.011e-8L}),
              MakeCoeffSet(2, {0.088L, 1016.0L, 104.2L, -5.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10055,
              MakeCoeffSet(6, {1557.0L, 0.0001913L, -0.002357L, 4.517e-6L, 0.0003014L}),
              MakeCoeffSet(8, {0.879998L, -0.0006308L, 6.538e-5L, -1.011e-8L}),
              MakeCoeffSet(2, {0.072L, 1113.0L, 104.765L, -5.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10056,
              MakeCoeffSet(6, {1557.0L, 0.0001913L, -0.002357L, 4.517e-6L, 0.0003014L}),
              MakeCoeffSet(8, {0.879998L, -0.0006308L, 6.538e-5L, -1.011e-8L}),
              MakeCoeffSet(2, {0.054L, 1232.0L, 108.104L, -5.0L}),
              MakeCoeffSet(5, {0.0L})),
    MediumRow(10057,
              MakeCoeffSet(1, {1451.845671L, -3.273101949L, 0.002370323283L}),
              MakeCoeffSet(1, {1.0731L, -0.000808L}),
              MakeCoeffSet(2, {0.203L, 643.0L, 117.4L, -20.0L}),
              MakeCoeffSet(5, {0.0L})),
};

bool NamesConverted = false;

void ConvertNameTable(tLibNameRec* rows, int count)
{
    for (int r = 0; r <= count; ++r) {
        for (tLibName& name : rows[r].Names) {
            for (int i = 0; i < name.Length && i < 16; ++i)
                name.Chars[i] = ConvertDosToAnsi(name.Chars[i]);
        }
    }
}

void EnsureConverted()
{
    if (!NamesConverted)
        ConvertLibraryNames();
}

QString NameOf(const tLibNameRec* rows, int count, std::uint16_t id)
{
    EnsureConverted();
    const int column = FirmwareLanguageIndex < LibLangCount ? FirmwareLanguageIndex : LibLangGerman;
    const tLibNameRec* found = &rows[0];
    for (int r = 0; r <= count; ++r) {
        if (rows[r].Id == id) {
            found = &rows[r];
            break;
        }
    }
    const tLibName& name = found->Names[column];
    const int length = name.Length <= 16 ? name.Length : 16;
    return FromWindows1252(QByteArray(name.Chars, length));
}

const tMaterialRec* FindMaterial(std::uint16_t id)
{
    for (const tMaterialRec& row : Materials) {
        if (row.Id == id)
            return &row;
    }
    return nullptr;
}

const tMediumRec* FindMedium(std::uint16_t id)
{
    for (const tMediumRec& row : Media) {
        if (row.Id == id)
            return &row;
    }
    return nullptr;
}

}  // namespace

char ConvertDosToAnsi(char c)
{
    switch (static_cast<unsigned char>(c)) {
    case 130: return static_cast<char>(233);  // é
    case 131: return static_cast<char>(226);  // â
    case 132: return static_cast<char>(228);  // ä
    case 148: return static_cast<char>(246);  // ö
    case 225: return static_cast<char>(223);  // ß
    case 230: return static_cast<char>(181);  // µ
    default: return c;
    }
}

void ConvertLibraryNames()
{
    if (NamesConverted)
        return;
    NamesConverted = true;
    ConvertNameTable(MediumNames, MediumTableCount);
    ConvertNameTable(MaterialNames, MaterialTableCount);
}

int MaterialCount()
{
    return MaterialTableCount;
}

int MediumCount()
{
    return MediumTableCount;
}

std::int16_t MaterialIdAt(int n)
{
    if (n < 1 || n > MaterialTableCount)
        return -1;
    return static_cast<std::int16_t>(Materials[n - 1].Id);
}

std::int16_t MediumIdAt(int n)
{
    if (n < 1 || n > MediumTableCount)
        return -1;
    return static_cast<std::int16_t>(Media[n - 1].Id);
}

QString MaterialName(std::uint16_t id)
{
    return NameOf(MaterialNames, MaterialTableCount, id);
}

QString MediumName(std::uint16_t id)
{
    return NameOf(MediumNames, MediumTableCount, id);
}

bool GetMaterial(std::uint16_t id, tMaterialRec& material)
{
    const tMaterialRec* row = FindMaterial(id);
    if (row == nullptr)
        return false;
    material = *row;
    return true;
}

bool GetMedium(std::uint16_t id, tMediumRec& medium)
{
    const tMediumRec* row = FindMedium(id);
    if (row == nullptr)
        return false;
    medium = *row;
    return true;
}

bool GetMaterialSoundSpeed(std::uint16_t id, std::uint8_t kind, tCoeffSet& set)
{
    const tMaterialRec* row = FindMaterial(id);
    if (row == nullptr)
        return false;
    if (kind == WaveDefault) {
        if (row->DefaultWave == 'L')
            kind = WaveLongitudinal;
        else if (row->DefaultWave == 'T')
            kind = WaveTransversal;
    }
    switch (kind) {
    case WaveLongitudinal:
        set = row->SoundSpeedL;
        return true;
    case WaveTransversal:
        set = row->SoundSpeedT;
        return true;
    case WaveRoughness:
        set = MakeCoeffSet(1, {static_cast<long double>(row->RoughnessUm)});
        return true;
    default:
        return false;
    }
}

std::uint8_t MaterialClass(std::uint16_t id)
{
    const tMaterialRec* row = FindMaterial(id);
    if (row == nullptr || row->ClassSet.FormulaType != 255)
        return 0;
    const long double c0 = row->ClassSet.Coeff(0);
    if (c0 >= 2.0L)
        return 2;
    if (c0 >= 1.0L)
        return 1;
    return 0;
}
