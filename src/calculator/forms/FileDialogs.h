#pragma once
// The file choices of the calculator (measuring-point files, the default-values file) go
// through one provider: Qt's own file dialog, not the native one, so its texts can be
// translated; tests install a provider that answers without a dialog.

#include <QString>

#include <functional>
#include <optional>

class QWidget;

struct TFileDialogRequest {
    enum class TMode { Open, Save };
    TMode Mode = TMode::Open;
    QString Title;
    QString Filter;           // as designed: "Quelvar Datei (*.QVR)|*.QVR"
    QString InitialDir;
    QString FileName;         // proposed file name (Save) or current one (Open)
};

// The chosen file, nothing on cancel. Open needs an existing file; Save asks before
// overwriting and appends the filter's extension in lower case when the name has none.
using TFileDialogProvider = std::function<std::optional<QString>(QWidget* parent, const TFileDialogRequest&)>;

std::optional<QString> RunFileDialog(QWidget* parent, const TFileDialogRequest& request);
// Replaces the provider; an empty one restores Qt's dialog.
void SetFileDialogProvider(TFileDialogProvider provider);

// The designed filter "Text (*.EXT)|*.EXT" as a Qt name filter that matches the extension in
// any letter case, and the default suffix (the extension in lower case).
QString QtNameFilter(const QString& designedFilter);
QString DefaultSuffix(const QString& designedFilter);
