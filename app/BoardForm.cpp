#include "app/BoardForm.h"

#include "boards/arria10/UI_Fallowmere.h"
#include "boards/arria10/UI_Garvelow.h"
#include "boards/arria10/UI_Tarrowind.h"
#include "boards/arria10/UI_Ulverrow.h"
#include "boards/arria10/UI_Yarrowgate.h"
#include "boards/cyclone4_stratix4/UI_Brackwell.h"
#include "boards/cyclone4_stratix4/UI_Gorsewin.h"
#include "boards/cyclone4_stratix4/UI_Larrowen.h"
#include "boards/cyclone5_stratix5/UI_Drennock.h"
#include "boards/cyclone5_stratix5/UI_Estover.h"
#include "boards/cyclone5_stratix5/UI_Rastrelle.h"
#include "boards/cyclone5_stratix5/UI_Selbowen.h"
#include "boards/soc/UI_Dorvalin.h"
#include "boards/soc/UI_Elmsary.h"
#include "boards/soc/UI_Hollarne.h"
#include "boards/soc/UI_Kilverne.h"
#include "boards/soc/UI_Lanterby.h"
#include "boards/soc/UI_Mirrendale.h"
#include "boards/soc/UI_Vantremere.h"
#include "boards/soc/UI_Wendlebury.h"
#include "boards/soc/UI_Wyndholt.h"

#include "platform/Seam.h"

// The forms of the build. A board form joins the build with one row here:
// its #include below and NewBoardForm<TForm...> in its slot.

namespace {

std::vector<TBoardFormSlot>& Slots()
{
    static std::vector<TBoardFormSlot> slots = {
        {1, "TFormAvemor", nullptr},
        {2, "TFormFennick", nullptr},
        {3, "TFormIsselmont", nullptr},
        {4, "TFormJarrowby", nullptr},
        {5, "TFormKestleford", nullptr},
        {6, "TFormNethercoy", nullptr},
        {7, "TFormPelverton", nullptr},
        {8, "TFormOrmsgill", nullptr},
        {9, "TFormQuenwick", nullptr},
        {10, "TFormBristane", nullptr},
        {11, "TFormNorvelle", nullptr},
        {12, "TFormBrackwell", NewBoardForm<TFormBrackwell>},
        {13, "TFormGorsewin", NewBoardForm<TFormGorsewin>},
        {14, "TFormLarrowen", NewBoardForm<TFormLarrowen>},
        {15, "TFormDrennock", NewBoardForm<TFormDrennock>},
        {16, "TFormRastrelle", NewBoardForm<TFormRastrelle>},
        {17, "TFormSelbowen", NewBoardForm<TFormSelbowen>},
        {18, "TFormEstover", NewBoardForm<TFormEstover>},
        {19, "TFormHethermoor", nullptr},
        {20, "TFormIvenhold", nullptr},
        {21, "TFormHollarne", NewBoardForm<TFormHollarne>},
        {22, "TFormMirrendale", NewBoardForm<TFormMirrendale>},
        {23, "TFormDorvalin", NewBoardForm<TFormDorvalin>},
        {24, "TFormElmsary", NewBoardForm<TFormElmsary>},
        {25, "TFormWyndholt", NewBoardForm<TFormWyndholt>},
        {26, "TFormKilverne", NewBoardForm<TFormKilverne>},
        {27, "TFormTarrowind", NewBoardForm<TFormTarrowind>},
        {28, "TFormUlverrow", NewBoardForm<TFormUlverrow>},
        {30, "TFormLanterby", NewBoardForm<TFormLanterby>},
        {31, "TFormColvenna", nullptr},
        {32, "TFormVantremere", NewBoardForm<TFormVantremere>},
        {33, "TFormFallowmere", NewBoardForm<TFormFallowmere>},
        {34, "TFormGarvelow", NewBoardForm<TFormGarvelow>},
        {35, "TFormWendlebury", NewBoardForm<TFormWendlebury>},
        {36, "TFormYarrowgate", NewBoardForm<TFormYarrowgate>},
        {37, "TFormZennorby", nullptr},
        {38, "TFormJessamont", nullptr},
        {39, "TFormQuillomar", nullptr},
        {40, "TFormAshcombre", nullptr},
        {50, "TFormMarlowen", nullptr},
        {100, "TFormOsterlin", nullptr},
        {101, "TFormPellowind", nullptr},
    };
    return slots;
}

}  // namespace

const std::vector<TBoardFormSlot>& BoardFormSlots() { return Slots(); }

const TBoardFormSlot* FindBoardFormSlot(uint8_t id)
{
    for (const TBoardFormSlot& slot : Slots())
        if (slot.Id == id) return &slot;
    return nullptr;
}

TBoardFormFactory SetBoardFormFactory(uint8_t id, TBoardFormFactory factory)
{
    for (TBoardFormSlot& slot : Slots()) {
        if (slot.Id == id) {
            TBoardFormFactory previous = std::move(slot.Create);
            slot.Create = std::move(factory);
            return previous;
        }
    }
    PL_ASSERT(!"a board id of the form table");
    return nullptr;
}
