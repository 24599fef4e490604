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
    // All eight languages in view at once.
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->verticalHeader()->setDefaultSectionSize(20);
    StringGrid1->setMinimumWidth(320);
    StringGrid1->setFixedHeight(8 * 20 + 2 * StringGrid1->frameWidth());
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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
    distinctNames_ = names.DistinctNames;
    AllNamesEqual = names.AllNamesEqual;
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
