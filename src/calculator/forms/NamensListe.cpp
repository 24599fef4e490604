#include "calculator/forms/NamensListe.h"

#include "formbase/FormKit.h"
#include "formbase/FormRegistry.h"
#include "reference/QlvTabels.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TDLG_Namensliste::TDLG_Namensliste(QWidget* parent)
    : TMultilingualForm(parent)
{
    setObjectName(QStringLiteral("DLG_Namensliste"));
    setWindowTitle(QStringLiteral("Andere Länder, andere Sprachen..."));
    CreateGrid();
    Panel_BUTTONS->show();
    BUT_Cancel->hide();
    FormCreate();
}

void TDLG_Namensliste::FormCreate()
{
    TMultilingualForm::FormCreate();
}

void TDLG_Namensliste::CreateGrid()
{
    CreateControl(StringGrid1, "StringGrid1", ClientArea(), 1, 2);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setColumnWidth(0, 110);
    StringGrid1->horizontalHeader()->setStretchLastSection(true);
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->verticalHeader()->setMinimumSectionSize(1);
    StringGrid1->setMinimumWidth(320);
    auto* layout = new QVBoxLayout(ClientArea());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(StringGrid1);
}

void TDLG_Namensliste::SetMedium(std::uint16_t id)
{
    mediumId_ = id;
    Fill(TNamedEntry::Medium, id);
}

void TDLG_Namensliste::SetMaterial(std::uint16_t id)
{
    materialId_ = id;
    Fill(TNamedEntry::Material, id);
}

void TDLG_Namensliste::Fill(TNamedEntry kind, std::uint16_t id)
{
    const TNameVariants names = CollectNameVariants(kind, id);
    StringGrid1->setRowCount(int(names.Rows.size()));
    for (int row = 0; row < int(names.Rows.size()); ++row) {
        StringGrid1->setItem(row, 0, new QTableWidgetItem(TranslateString(names.Rows[row].Language)));
        StringGrid1->setItem(row, 1, new QTableWidgetItem(names.Rows[row].Name));
    }
    FitRows();
    distinctNames_ = names.DistinctNames;
    AllNamesEqual = names.AllNamesEqual;
}

// Every language in view at once, from the first row on, in the font the grid has now (the
// translator may have changed it); a scroll bar only should the screen be too small.
void TDLG_Namensliste::FitRows()
{
    const int rowHeight = StringGrid1->fontMetrics().height() + 6;
    StringGrid1->verticalHeader()->setDefaultSectionSize(rowHeight);
    for (int row = 0; row < StringGrid1->rowCount(); ++row)
        StringGrid1->setRowHeight(row, rowHeight);
    StringGrid1->setFixedHeight(StringGrid1->rowCount() * rowHeight + 2 * StringGrid1->frameWidth());
    StringGrid1->scrollToTop();
}

TDLG_Namensliste* DLG_Namensliste()
{
    return TFormRegistry::Lookup<TDLG_Namensliste>();
}

void ShowMediumNames(int mediumId, int viewMode)
{
    TDLG_Namensliste* dialog = DLG_Namensliste();
    if (!dialog || (mediumId != OtherMediumId && viewMode != 0))
        return;
    dialog->SetMedium(std::uint16_t(mediumId));
    dialog->ShowDialog();
}

void ShowMaterialNames(int materialId)
{
    TDLG_Namensliste* dialog = DLG_Namensliste();
    if (!dialog)
        return;
    dialog->SetMaterial(std::uint16_t(materialId));
    dialog->ShowDialog();
}
