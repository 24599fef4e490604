#pragma once
// The measuring-point file (".QVR"), the default-values file and the measuring-point part of
// "Quelvar.ini": sections of keys, read and written through IniFile. Values travel in the
// measuring point's internal units (diameter in mm); unit choices travel separately in
// MEORD (list positions; for the volume flow the unit identifier), so a file shows the same
// in any language.
//
// Untrusted input: a file is read only when it is at most MaxMeasuringPointFileSize bytes
// and holds at least one of the measuring-point sections; otherwise nothing changes and the
// caller reports NotAMeasuringPointFile. Every value is checked against the range of its
// input; a value that is out of range or unreadable counts as a missing key (and is named
// in the ignored list), and a missing key keeps the value the record held, as the setters
// before it left it (TRANSD SELCTED and SOUNDPATH become 0). Values may be written in any
// letter case, with blanks around them or in quotes.

#include "calculator/core/DefaValueFile.h"
#include "calculator/core/MeasuringPoint.h"
#include "platform/IniFile.h"
#include "reference/CommTool.h"
#include "transducer/Translate.h"

#include <QString>
#include <QStringList>

#include <optional>

inline constexpr qint64 MaxMeasuringPointFileSize = 1024 * 1024;
inline const QString NotAMeasuringPointFile = QStringLiteral("not a measuring-point file");
// The one message after a file load that left values out: file name, then the keys.
inline const QString IgnoredKeysMessage =
    QStringLiteral("Values ignored in \"%s\" (out of range or unreadable): %s");
inline const QString MeasuringPointSignature = QStringLiteral("DU_QVRT");

// The report's fields that travel with a measuring point (section REPORT).
struct tReportFileFields {
    QString Editor;    // LastEditor (EDI_Bearbeiter)
    QString Customer;  // Kunde
    QString Location;
    QString Tag;
    QString Memo;      // LF line breaks, as Qt controls hold them
    int MemoHeight = 0;  // Splitter, pixels
    QString SavePath;  // the report's last save file
    tFontRec Font;     // the report grid's font

    friend bool operator==(const tReportFileFields&, const tReportFileFields&) = default;
};

// Writes every measuring-point section in its fixed order; createdBy is the running
// program's path (COMMON_INFO CREATED_BY).
void WriteMeasuringPoint(IniFile& ini, const TMeasuringPointRecord& point, const tReportFileFields& report,
                         const QString& createdBy);
// Reads what the file holds over point and report. fromFile is true for measuring-point and
// default-values files, false for the settings file: only a file brings the report's
// identification texts, remarks and save path; font and panel height come always.
// oemVariant restricts the media the file may select. Medium and material identifiers the
// lists do not hold select the other medium (10000) or the other material (0). Keys whose
// values were ignored are appended to *ignored as "SECTION KEY", in reading order.
void ReadMeasuringPoint(const IniFile& ini, TMeasuringPointRecord& point, tReportFileFields& report,
                        bool fromFile, bool oemVariant, QStringList* ignored = nullptr);

// A file load: what the file holds over the point's record and report, applied as a whole.
// When the point refuses the record (a recalculation fails), neither point nor report
// change and *error names the reason. The ignored keys as ReadMeasuringPoint gives them.
bool LoadMeasuringPoint(TMeasuringPoint& point, tReportFileFields& report, const IniFile& ini, bool fromFile,
                        bool oemVariant, QString* error, QStringList* ignored = nullptr);

// The default-values step at the end of the standard values (which already cleared the
// application state): when the options want it and the file exists, the file is loaded
// (as a measuring-point file) and the recommended transducer and automatic sound paths are
// forced as the options say. A file that has gone is skipped silently; one that cannot be
// loaded reports why in *error and changes nothing. Returns whether the file was loaded.
bool LoadDefaultValueFile(TMeasuringPoint& point, tReportFileFields& report, const TDefaValueFile& options,
                          bool oemVariant, QString* error, const tTranslate& translate = {});

// The sections that carry measuring-point values (COMMON_INFO carries none).
const QStringList& MeasuringPointSections();
bool HoldsMeasuringPoint(const IniFile& ini);

// Reads a file of at most maxBytes bytes. Fails (error set to a text naming the file) when
// it cannot be read or is larger. The messages' own words go through translate.
std::optional<QByteArray> ReadBoundedFile(const QString& fileName, qint64 maxBytes, QString* error,
                                          const tTranslate& translate = {});
// Reads a measuring-point file: the bytes as above, then the section check. error names
// the file and, for a file that is too large or holds no measuring point, ends in
// NotAMeasuringPointFile.
std::optional<IniFile> OpenMeasuringPointFile(const QString& fileName, QString* error,
                                              const tTranslate& translate = {});
// Writes the measuring point as a new file (all or nothing: a failed write leaves the
// previous file as it was). Returns false with the reason in *error.
bool SaveMeasuringPointFile(const QString& fileName, const TMeasuringPointRecord& point,
                            const tReportFileFields& report, const QString& createdBy, QString* error,
                            const tTranslate& translate = {});
