#pragma once
// The names list: the name of a medium or pipe material in each of the library's eight
// languages, one row per language.

#include "calculator/core/NameVariants.h"
#include "formbase/MultForm.h"

#include <QStringList>

#include <cstdint>

class QTableWidget;

class TDLG_Namensliste : public TMultilingualForm {
    Q_OBJECT

public:
    explicit TDLG_Namensliste(QWidget* parent = nullptr);

    // Store the id and fill the list with its names.
    void SetMedium(std::uint16_t id);
    void SetMaterial(std::uint16_t id);

    std::uint16_t MediumId() const { return mediumId_; }
    std::uint16_t MaterialId() const { return materialId_; }
    // The distinct names of the last fill, sorted.
    const QStringList& DistinctNames() const { return distinctNames_; }
    // Fewer than two distinct names: the medium chart then offers no other languages.
    bool AllNamesEqual = false;

    QTableWidget* StringGrid1 = nullptr;

protected:
    void FormCreate();

private:
    void CreateGrid();
    void Fill(TNamedEntry kind, std::uint16_t id);
    void FitRows();

    std::uint16_t mediumId_ = 0;
    std::uint16_t materialId_ = 0;
    QStringList distinctNames_;
};

// The instance the application created at start (nullptr before).
TDLG_Namensliste* DLG_Namensliste();

// The main window's info buttons: the names list of the medium (in the simple view, and
// for the user's own medium) or of the pipe material, shown modally. The medium chart of
// the full view opens with its own dialog.
void ShowMediumNames(int mediumId, int viewMode);
void ShowMaterialNames(int materialId);
