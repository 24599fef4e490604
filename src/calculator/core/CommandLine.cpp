#include "calculator/core/CommandLine.h"

#include <array>
#include <cstdint>

namespace {
// Each stored byte is the character XOR this key, so the names do not show in the binary.
constexpr std::uint8_t Key = 0x5A;
constexpr std::array<std::uint8_t, 10> AccessCode = {0x0B, 0x6D, 0x0C, 0x6E, 0x11, 0x68, 0x08, 0x63, 0x02, 0x1F};
constexpr std::array<std::uint8_t, 4> Expert = {0x1D, 0x0F, 0x08, 0x0F};
constexpr std::array<std::uint8_t, 5> Estimation = {0x1F, 0x09, 0x0E, 0x13, 0x17};

template <std::size_t N>
QString Decode(const std::array<std::uint8_t, N>& bytes)
{
    QString text;
    for (const std::uint8_t b : bytes)
        text += QLatin1Char(static_cast<char>(b ^ Key));
    return text;
}

bool HasSwitch(const QStringList& arguments, const QString& name)
{
    for (const QString& argument : arguments) {
        if (argument.startsWith(QLatin1Char('/'))
            && QString::compare(argument.mid(1), name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}
}  // namespace

QString ViewSwitchName()
{
    return QStringLiteral("CODE=") + Decode(AccessCode);
}

QString ExpertSwitchName()
{
    return Decode(Expert);
}

QString ErrorEstimationSwitchName()
{
    return Decode(Estimation);
}

tCommandLineSwitches ParseCommandLine(const QStringList& arguments, bool oemVariant)
{
    tCommandLineSwitches s;
    s.FullView = HasSwitch(arguments, ViewSwitchName());
    s.MegaUser = HasSwitch(arguments, ExpertSwitchName());
    s.ReynoldsDetails = HasSwitch(arguments, QStringLiteral("RD"));
    s.ErrorEstimation = HasSwitch(arguments, ErrorEstimationSwitchName()) || oemVariant || s.MegaUser;
    return s;
}
