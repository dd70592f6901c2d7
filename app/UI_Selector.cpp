#include "app/UI_Selector.h"

#include "model/MainBoard.h"

namespace {

const std::vector<TSelectorBoardRow> kRows = {
    {1, "Avemor FPGA Board", "AVEMOR_400_BITMAP"},
    {2, "Fennick FPGA Board", "FENNICK_400_BITMAP"},
    {3, "Isselmont FPGA Board", "ISSELMONT_400_BITMAP"},
    {4, "Jarrowby FPGA Board", "JARROWBY_400_BITMAP"},
    {5, "Kestleford FPGA Board", "KESTLEFORD_400_BITMAP"},
    {6, "Nethercoy FPGA Board", "NETHERCOY_400_BITMAP"},
    {7, "Pelverton FPGA Board", "PELVERTON_400_BITMAP"},
    {8, "Ormsgill FPGA Board", "ORMSGILL_400_BITMAP"},
    {9, "Quenwick FPGA Board", "QUENWICK_400_BITMAP"},
    {10, "Bristane FPGA Board", "BRISTANE_400_BITMAP"},
    {11, "Norvelle FPGA Board", "NORVELLE_400_BITMAP"},
    {12, "Brackwell FPGA Board", "BRACKWELL_400_BITMAP"},
    {13, "Gorsewin FPGA Board", "GORSEWIN_400_BITMAP"},
    {14, "Larrowen FPGA Board", "LARROWEN_BITMAP"},
    {15, "Drennock FPGA Board", "BRACKWELL_400_BITMAP"},
    {16, "Rastrelle FPGA Board", "RASTRELLE_BITMAP"},
    {17, "Selbowen FPGA Board", "RASTRELLE_BITMAP"},
    {18, "Estover II FPGA Board", "ESTOVER_BITMAP"},
    {19, "Hethermoor FPGA Board", "HETHERMOOR_BITMAP"},
    {20, "Ivenhold FPGA Board", "IVENHOLD_BITMAP"},
    {21, "Hollarne Board", "HOLLARNE_BITMAP"},
    {22, "Mirrendale Board", "MIRRENDALE_BITMAP"},
    {23, "Dorvalin SoC Board", "DORVALIN_BITMAP"},
    {24, "Elmsary SoC Board", "ELMSARY_BITMAP"},
    {25, "Wyndholt Board", "WYNDHOLT_BITMAP"},
    {26, "Kilverne", "KILVERNE_BITMAP"},
    {27, "Tarrowind FPGA Board", "TARROWIND_BITMAP"},
    {28, "Ulverrow FPGA Board", "ULVERROW_BITMAP"},
    {30, "Lanterby KIT", "LANTERBY_BITMAP"},
    {31, "Colvenna FPGA Board", "COLVENNA_400_BITMAP"},
    {32, "Vantremere KIT", "VANTREMERE_BITMAP"},
    {33, "Fallowmere FPGA Board", "FALLOWMERE_BITMAP"},
    {34, "Garvelow FPGA Board", "GARVELOW_BITMAP"},
    {35, "Wendlebury Board", "WENDLEBURY_BITMAP"},
    {36, "Yarrowgate Board", "YARROWGATE_BITMAP"},
    {37, "Zennorby Board", "ZENNORBY_BITMAP"},
    {38, "Jessamont FPGA Board", "JESSAMONT_BITMAP"},
    {39, "Quillomar Module Rennacre/Solverin", "RENNACRE_BITMAP"},
    {40, "Ashcombre Board", "ASHCOMBRE_BITMAP"},
    {50, "Marlowen Board", "MARLOWEN_400_BITMAP"},
    {100, "Osterlin FPGA Board", "OSTERLIN_400_BITMAP"},
    {101, "Pellowind FPGA Board", "PELLOWIND_400_BITMAP"},
};

std::function<bool(uint8_t)> g_IsOffered;

const TFormSpec kSelectorLayout = {
    .Name = "TFORMBOARDSELECTOR",
    .Caption = "FPGA Main Board Selector",
    .ClientWidth = 770,
    .ClientHeight = 342,
    .BorderStyle = bsDialog,
    .SystemMenu = false,
    .Position = poOwnerFormCenter,
    .FontHeight = 16,
    .Controls =
        {
            {.Kind = TControlKind::ListBox, .Name = "ListBoxMainBoard", .Left = 14, .Top = 16, .Width = 321,
             .Height = 265, .OnClick = "ListBoxMainBoardClick", .OnDblClick = "ListBoxMainBoardDblClick",
             .HandCursor = true, .ItemHeight = 20},
            {.Kind = TControlKind::Button, .Name = "ButtonOK", .Left = 16, .Top = 295, .Width = 150, .Height = 35,
             .Caption = "OK", .OnClick = "ButtonOKClick", .HandCursor = true},
            {.Kind = TControlKind::Button, .Name = "ButtonCancel", .Left = 184, .Top = 295, .Width = 150,
             .Height = 35, .Caption = "Cancel", .OnClick = "ButtonCancelClick", .HandCursor = true},
            {.Kind = TControlKind::Panel, .Name = "PanelImage", .Left = 344, .Top = 16, .Width = 417, .Height = 320},
            {.Kind = TControlKind::Image, .Name = "ImageBoard", .Parent = "PanelImage", .Left = 9, .Top = 32,
             .Width = 400, .Height = 219, .AutoSize = true},
        },
};

const TSelectorBoardRow* FindRow(uint8_t id)
{
    for (const TSelectorBoardRow& row : kRows)
        if (row.Id == id) return &row;
    return nullptr;
}

}  // namespace

const std::vector<TSelectorBoardRow>& SelectorBoardRows() { return kRows; }

void SetBoardOfferedPredicate(std::function<bool(uint8_t)> predicate) { g_IsOffered = std::move(predicate); }

bool IsBoardOfferedHere(uint8_t boardId) { return g_IsOffered ? g_IsOffered(boardId) : IsBoardOffered(boardId); }

TFormBoardSelector::TFormBoardSelector(TForm* owner) : TForm(owner)
{
    LoadLayout(kSelectorLayout, {
                                    {"ListBoxMainBoardClick", Bind(&TFormBoardSelector::ListBoxMainBoardClick)},
                                    {"ListBoxMainBoardDblClick", Bind(&TFormBoardSelector::ListBoxMainBoardDblClick)},
                                    {"ButtonOKClick", Bind(&TFormBoardSelector::ButtonOKClick)},
                                    {"ButtonCancelClick", Bind(&TFormBoardSelector::ButtonCancelClick)},
                                });
    ListBoxMainBoard = Find<TListBox>("ListBoxMainBoard");
    ButtonOK = Find<TButton>("ButtonOK");
    ButtonCancel = Find<TButton>("ButtonCancel");
    PanelImage = Find<TPanel>("PanelImage");
    ImageBoard = Find<TImage>("ImageBoard");
    FillBoardList();
    ShowBoardPicture();
}

void TFormBoardSelector::FillBoardList()
{
    ListBoxMainBoard->Clear();
    m_BitmapNames.clear();
    m_BoardIds.clear();
    m_BoardCount = 0;
    for (int id = 0; id <= 101; ++id) {
        if (!IsBoardOfferedHere(static_cast<uint8_t>(id))) continue;
        const TSelectorBoardRow* row = FindRow(static_cast<uint8_t>(id));
        PL_ASSERT(row != nullptr);
        PL_ASSERT(m_BoardCount < kMaxRows);
        ListBoxMainBoard->AddItem(row->Text);
        m_BitmapNames.push_back(row->Picture);
        m_BoardIds.push_back(row->Id);
        ++m_BoardCount;
    }
    if (m_BoardCount > 0) ListBoxMainBoard->SetItemIndex(0);
}

void TFormBoardSelector::ShowBoardPicture()
{
    const int row = ListBoxMainBoard->ItemIndex();
    if (row < 0 || row >= m_BoardCount) return;
    ImageBoard->LoadFromResourceName(m_BitmapNames[row]);
    ImageBoard->SetLeft((PanelImage->Width() - ImageBoard->Width()) / 2);
    ImageBoard->SetTop((PanelImage->Height() - ImageBoard->Height()) / 2);
}

void TFormBoardSelector::SelectBoardId(uint8_t boardId)
{
    for (int row = 0; row < m_BoardCount; ++row) {
        if (m_BoardIds[row] == boardId) {
            ListBoxMainBoard->SetItemIndex(row);
            ShowBoardPicture();
            return;
        }
    }
}

uint8_t TFormBoardSelector::GetSelectedBoardId() const
{
    const int row = ListBoxMainBoard->ItemIndex();
    if (row < 0 || row >= m_BoardCount) return 0;
    return m_BoardIds[row];
}

void TFormBoardSelector::ListBoxMainBoardClick(TObject*) { ShowBoardPicture(); }
void TFormBoardSelector::ListBoxMainBoardDblClick(TObject*) { SetModalResult(mrOk); }
void TFormBoardSelector::ButtonOKClick(TObject*) { SetModalResult(mrOk); }
void TFormBoardSelector::ButtonCancelClick(TObject*) { SetModalResult(mrCancel); }
