#include "boards/BoardForm.h"

#include <algorithm>
#include <vector>

#include "cards/PrefixFit.h"
#include "model/MainBoard.h"
#include "model/Names.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

bool IsEightyPinCard(DaughterId card) { return GetCardConnectorType(card) == CONNECTOR_GPIO80; }

}  // namespace

void ShowGenerateSucceeded(const std::string& qpfPath)
{
    seam::ShowInformation(Format("Generate Quartus Project successfully.\r\nThe project is located in the folder:\r\n%s",
                                 ExtractFilePath(qpfPath).c_str()));
}

void ShowGenerateFailed(const std::string& qpfPath)
{
    seam::ShowError(Format("Failed to generate Quartus project: %s.", ExtractFileName(qpfPath).c_str()));
}

void TBoardForm::Leave()
{
    if (m_Left) return;
    m_Left = true;
    RunHandler([this] { FormLeave(); });
}

void TBoardForm::DoClose(TCloseAction& action)
{
    TForm::DoClose(action);
    if (action != TCloseAction::caNone) Leave();
}

TBoardFormHost* TBoardForm::Host() const { return dynamic_cast<TBoardFormHost*>(Owner()); }

void TBoardForm::FillCardCombo(TComboBox* combo, int32_t count, const uint8_t* ids)
{
    combo->Clear();
    for (int32_t k = 0; k < count; ++k) combo->AddItem(GetCardDisplayName(ids[k]));
    combo->SetItemIndex(0);
    combo->SetDropDownCount(count);
}

DaughterId TBoardForm::SelectedCard(const TComboBox* combo, const uint8_t* ids)
{
    const int index = combo->ItemIndex();
    return index < 0 ? 0 : ids[index];
}

void TBoardForm::SelectCard(TComboBox* combo, int32_t count, const uint8_t* ids, DaughterId card)
{
    for (int32_t k = 0; k < count; ++k) {
        if (ids[k] == card) {
            combo->SetItemIndex(k);
            return;
        }
    }
}

void TBoardForm::ShowCardPicture(TImage* image, DaughterId card)
{
    TBoardFormHost* host = Host();
    PL_ASSERT(host != nullptr);
    host->ShowCardPicture(image, card);
}

bool TBoardForm::CheckCardPrefix(DaughterId card, uint8_t board, const std::string& prefix, const std::string& label,
                                 bool generating, std::string& message, int32_t option)
{
    if (card == 0 || !generating) return true;
    if (!CheckPrefixName(prefix, message)) return false;
    return CheckPrefixFitsCard(card, board, prefix, label, message, option);
}

void TBoardForm::CoupleGpioHeaders(std::array<TGpioHeaderControls, 2>& headers, TObject* sender, const uint8_t* ids)
{
    const int from = sender == headers[0].Combo ? 0 : 1;
    TGpioHeaderControls& source = headers[static_cast<size_t>(from)];
    TGpioHeaderControls& other = headers[static_cast<size_t>(1 - from)];
    const DaughterId sourceCard = SelectedCard(source.Combo, ids);
    const DaughterId otherCard = SelectedCard(other.Combo, ids);
    if (IsEightyPinCard(sourceCard)) {
        other.Combo->SetItemIndex(source.Combo->ItemIndex());
        other.Prefix->SetText(source.Prefix->Text());
        other.Combo->SetEnabled(false);
        other.Prefix->SetEnabled(false);
    } else {
        other.Combo->SetEnabled(true);
        other.Prefix->SetEnabled(true);
        if (IsEightyPinCard(otherCard)) {
            other.Combo->SetItemIndex(0);
            other.Prefix->SetText("");
        }
    }
}

void TBoardForm::CoupleShownGpioHeaders(std::array<TGpioHeaderControls, 2>& headers, const uint8_t* ids,
                                        std::size_t leader)
{
    PL_ASSERT(leader < headers.size());
    OpenGpioHeaders(headers);
    CoupleGpioHeaders(headers, headers[leader].Combo, ids);
}

void TBoardForm::OpenGpioHeaders(std::span<const TGpioHeaderControls> headers)
{
    for (const TGpioHeaderControls& header : headers) {
        header.Combo->SetEnabled(true);
        header.Prefix->SetEnabled(true);
    }
}


bool TBoardForm::IsDefaultGpioPair(std::span<const TGpioHeaderControls> headers, const uint8_t* ids,
                                   std::initializer_list<DaughterId> defaultCards)
{
    if (headers.size() != 2) return false;
    const DaughterId card = SelectedCard(headers[0].Combo, ids);
    if (std::find(defaultCards.begin(), defaultCards.end(), card) == defaultCards.end()) return false;
    for (const TGpioHeaderControls& header : headers)
        if (SelectedCard(header.Combo, ids) != card || !header.Prefix->Text().empty()) return false;
    return true;
}

bool TBoardForm::CheckGpioHeaderPrefixes(uint8_t board, std::span<const TGpioHeaderControls> headers,
                                         const uint8_t* ids, std::string& message, bool generating,
                                         std::initializer_list<DaughterId> defaultCards)
{
    std::vector<DaughterId> cards;
    std::vector<std::string> prefixes;
    for (size_t h = 0; h < headers.size(); ++h) {
        cards.push_back(SelectedCard(headers[h].Combo, ids));
        prefixes.push_back(headers[h].Prefix->Text());
        const std::string label = headers.size() == 1 ? "GPIO" : Format("GPIO-%zu", h);
        if (!CheckCardPrefix(cards.back(), board, prefixes.back(), label, generating, message)) return false;
    }
    if (IsDefaultGpioPair(headers, ids, defaultCards)) return true;
    return CheckGpioPrefixNames(static_cast<int32_t>(headers.size()), cards.data(), prefixes.data(), message);
}

void TBoardForm::UpdateGpioPictures(std::span<const TGpioHeaderControls> headers, const uint8_t* ids)
{
    for (const TGpioHeaderControls& header : headers) ShowCardPicture(header.Picture, SelectedCard(header.Combo, ids));
}

void TBoardForm::UpdateGpioShapes(std::span<const TGpioHeaderControls> headers)
{
    for (const TGpioHeaderControls& header : headers) header.Shape->SetVisible(header.Combo->ItemIndex() != 0);
}

void TBoardForm::AttachGpioHeaderCards(TMainBoard* board, std::span<const uint8_t> cards,
                                       std::span<const std::string> prefixes, bool defaultPair)
{
    PL_ASSERT(cards.size() == prefixes.size() && cards.size() <= 2);
    const auto id = [&](size_t h) { return static_cast<int8_t>(cards[h]); };
    if (cards.size() == 2 && id(0) > 0 && id(1) > 0 && id(0) == id(1) && IsEightyPinCard(cards[0])) {
        board->AttachGpioCard(18, cards[0], IO_STD_3V3_LVTTL, nullptr, prefixes[0].c_str());
    } else if (defaultPair) {
        board->AttachGpioCard(16, cards[0], IO_STD_3V3_LVTTL, "GPIO_0", nullptr);
        board->AttachGpioCard(17, cards[1], IO_STD_3V3_LVTTL, "GPIO_1", nullptr);
    } else {
        for (size_t h = 0; h < cards.size(); ++h)
            if (id(h) > 0)
                board->AttachGpioCard(static_cast<uint8_t>(16 + h), cards[h], IO_STD_3V3_LVTTL, nullptr,
                                      prefixes[h].c_str());
    }
}
