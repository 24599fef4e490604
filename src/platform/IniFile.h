#pragma once
// Sections-and-keys text files with the semantics the program's files were written with:
// - section and key names match case-insensitively; the first matching section and the
//   first matching key win;
// - values are trimmed of blanks on reading;
// - a write updates the key in place and keeps every other section, key, comment and blank
//   line in their order; a new key goes to the end of its section, a new section to the
//   end of the file;
// - lines end in CR LF on writing; CR LF, LF or CR are accepted on reading;
// - a file is read as UTF-8 when it is valid UTF-8, as Windows-1252 otherwise, and written
//   as UTF-8;
// - a value never holds a raw CR or LF (they are written as blanks).
// The content is held in memory; UpdateFile() writes it through a temporary file and an
// atomic rename, so a failed save never destroys the previous file.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

class IniFile {
public:
    // A bare file name (no folder) resolves to the user's configuration directory.
    // Reads the file when it exists; a file that cannot be read leaves the content empty
    // and sets LoadError().
    explicit IniFile(const QString& fileName);
    // An in-memory file parsed from bytes (used by tests and fuzzing); FileName() is empty.
    static IniFile FromBytes(const QByteArray& bytes);

    QString FileName() const { return fileName_; }
    QString LoadError() const { return loadError_; }

    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    void WriteString(const QString& section, const QString& key, const QString& value);
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    void WriteInteger(const QString& section, const QString& key, int value);
    // "0" is false, any other integer true; anything else gives the default.
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;
    void WriteBool(const QString& section, const QString& key, bool value);

    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;
    QStringList ReadSections() const;
    QStringList ReadSection(const QString& section) const;  // the key names, in order
    void EraseSection(const QString& section);
    void DeleteKey(const QString& section, const QString& key);

    // The text as it would be written (UTF-8, CR LF).
    QByteArray ToBytes() const;
    // Writes the file atomically. On failure returns false, sets *error (when given) to a
    // text naming the file and the reason, and leaves the previous file untouched.
    bool UpdateFile(QString* error = nullptr) const;

    // Resolves a bare file name to the configuration directory; paths are kept.
    static QString ResolvePath(const QString& fileName);

private:
    struct Line;
    IniFile() = default;
    void Parse(const QByteArray& bytes);

    QString fileName_;
    QString loadError_;
    std::vector<QString> lines_;  // the file's lines, without line ends
};
