#include "transducer/SensorTableDump.h"

#include "platform/NumberFormat.h"
#include "transducer/SensorCatalogue.h"

#include <QSaveFile>

#include <functional>

namespace {

struct tDumpLine {
    const char* label;
    const char* cellFormat;
    std::function<FormatArg(const tSensorDatenTableItem&)> cell;
};

QString DumpText()
{
    using E = tSensorDatenTableItem;
    const tDumpLine lines[] = {
        {"Sensortyp\tCBXname             ", "%s\t", [](const E& e) { return FormatArg(QString(e.CBXname)); }},
        {"#\tBrandolfName        ", "%s\t", [](const E& e) { return FormatArg(QString(e.BrandolfName)); }},
        {"Einbaulaenge\tSrec.SlenBau        ", "%.1f\t", [](const E& e) { return FormatArg(e.SlenBau); }},
        {"Sensorlaenge\tSrec.SLen           ", "%.1f\t", [](const E& e) { return FormatArg(e.SLen); }},
        {"Sensorhoehe\tSrec.Shigh          ", "%.1f\t", [](const E& e) { return FormatArg(e.Shigh); }},
        {"Sensorbreite\tSrec.Sbreit         ", "%.1f\t", [](const E& e) { return FormatArg(e.Sbreit); }},
        {"Material\tSrec.MaterDESC      ", "%06d\t", [](const E& e) { return FormatArg(int{e.MaterDESC}); }},
        {"Einstrahlwinkel a\tSrec.EinstrahlWinkel", "%.1f\t", [](const E& e) { return FormatArg(e.EinstrahlWinkel); }},
        {"Schallweg l_a\tSrec.Schallweg      ", "%.1f\t", [](const E& e) { return FormatArg(e.Schallweg); }},
        {"Kantenoffset L_off\tSrec.Kantenoffs     ", "%.1f\t", [](const E& e) { return FormatArg(e.Kantenoffs); }},
        {"#\tSrec.Toleranz       ", "%.1f\t", [](const E& e) { return FormatArg(e.Toleranz); }},
        {"#\tSrec.TotZeitAbgleich", "%.1f\t", [](const E& e) { return FormatArg(e.TotZeitAbgleich); }},
        {"minimale Nennweite d_min\tSrec.DNspez.von     ", "%.1f\t", [](const E& e) { return FormatArg(e.DNspez.von); }},
        {"maximale nennweite d_max\tSrec.DNspez.bis     ", "%.1f\t", [](const E& e) { return FormatArg(e.DNspez.bis); }},
        {"minimale Arbeitstemp. T_min\tSrec.Temp.von       ", "%.1f\t", [](const E& e) { return FormatArg(e.Temp.von); }},
        {"maximale Arbeitstemp T_max\tSrec.Temp.bis       ", "%.1f\t", [](const E& e) { return FormatArg(e.Temp.bis); }},
        {"Mittenfrequenz f\tSrec.MainFreqKHZ    ", "%.1f\t", [](const E& e) { return FormatArg(static_cast<double>(e.MainFreqKHZ)); }},
    };

    QString text;
    for (const tDumpLine& line : lines) {
        text += QString::fromUtf8(line.label);
        text += QLatin1Char('\t');
        const QString format = QString::fromUtf8(line.cellFormat);
        for (const tSensorDatenTableItem& entry : SensorCatalogue)
            text += Format(format, {line.cell(entry)});
        text += QLatin1String("\r\n");
    }
    return text;
}

}  // namespace

QByteArray SensTabsText()
{
    return DumpText().toUtf8();
}

bool WriteOutSensTabs(const QString& fileName, QString* error)
{
    auto fail = [&](const QString& reason) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(fileName, reason);
        return false;
    };
    const QByteArray bytes = SensTabsText();
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}
