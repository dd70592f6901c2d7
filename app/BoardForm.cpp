#include "app/BoardForm.h"

#include "boards/arria10/UI_Fallowmere.h"
#include "boards/arria10/UI_Garvelow.h"
#include "boards/arria10/UI_Tarrowind.h"
#include "boards/arria10/UI_Ulverrow.h"
#include "boards/arria10/UI_Yarrowgate.h"
#include "boards/cyclone2_3/UI_Avemor.h"
#include "boards/cyclone2_3/UI_Fennick.h"
#include "boards/cyclone2_3/UI_Isselmont.h"
#include "boards/cyclone2_3/UI_Jarrowby.h"
#include "boards/cyclone2_3/UI_Marlowen.h"
#include "boards/cyclone2_3/UI_Nethercoy.h"
#include "boards/cyclone2_3/UI_Norvelle.h"
#include "boards/cyclone2_3/UI_Osterlin.h"
#include "boards/cyclone4_stratix4/UI_Brackwell.h"
#include "boards/cyclone4_stratix4/UI_Bristane.h"
#include "boards/cyclone4_stratix4/UI_Gorsewin.h"
#include "boards/cyclone4_stratix4/UI_Kestleford.h"
#include "boards/cyclone4_stratix4/UI_Larrowen.h"
#include "boards/cyclone4_stratix4/UI_Ormsgill.h"
#include "boards/cyclone4_stratix4/UI_Pellowind.h"
#include "boards/cyclone4_stratix4/UI_Pelverton.h"
#include "boards/cyclone4_stratix4/UI_Quenwick.h"
#include "boards/cyclone5_stratix5/UI_Colvenna.h"
#include "boards/cyclone5_stratix5/UI_Drennock.h"
#include "boards/cyclone5_stratix5/UI_Estover.h"
#include "boards/cyclone5_stratix5/UI_Hethermoor.h"
#include "boards/cyclone5_stratix5/UI_Ivenhold.h"
#include "boards/cyclone5_stratix5/UI_Jessamont.h"
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
#include "boards/stratix10_agilex/UI_Quillomar.h"
#include "boards/stratix10_agilex/UI_Ashcombre.h"
#include "boards/stratix10_agilex/UI_Zennorby.h"

#include "platform/Seam.h"

// The forms of the build. A board form joins the build with one row here:
// its #include below and NewBoardForm<TForm...> in its slot.

namespace {

std::vector<TBoardFormSlot>& Slots()
{
    static std::vector<TBoardFormSlot> slots = {
        {1, "TFormAvemor", NewBoardForm<TFormAvemor>},
        {2, "TFormFennick", NewBoardForm<TFormFennick>},
        {3, "TFormIsselmont", NewBoardForm<TFormIsselmont>},
        {4, "TFormJarrowby", NewBoardForm<TFormJarrowby>},
        {5, "TFormKestleford", NewBoardForm<TFormKestleford>},
        {6, "TFormNethercoy", NewBoardForm<TFormNethercoy>},
        {7, "TFormPelverton", NewBoardForm<TFormPelverton>},
        {8, "TFormOrmsgill", NewBoardForm<TFormOrmsgill>},
        {9, "TFormQuenwick", NewBoardForm<TFormQuenwick>},
        {10, "TFormBristane", NewBoardForm<TFormBristane>},
        {11, "TFormNorvelle", NewBoardForm<TFormNorvelle>},
        {12, "TFormBrackwell", NewBoardForm<TFormBrackwell>},
        {13, "TFormGorsewin", NewBoardForm<TFormGorsewin>},
        {14, "TFormLarrowen", NewBoardForm<TFormLarrowen>},
        {15, "TFormDrennock", NewBoardForm<TFormDrennock>},
        {16, "TFormRastrelle", NewBoardForm<TFormRastrelle>},
        {17, "TFormSelbowen", NewBoardForm<TFormSelbowen>},
        {18, "TFormEstover", NewBoardForm<TFormEstover>},
        {19, "TFormHethermoor", NewBoardForm<TFormHethermoor>},
        {20, "TFormIvenhold", NewBoardForm<TFormIvenhold>},
        {21, "TFormHollarne", NewBoardForm<TFormHollarne>},
        {22, "TFormMirrendale", NewBoardForm<TFormMirrendale>},
        {23, "TFormDorvalin", NewBoardForm<TFormDorvalin>},
        {24, "TFormElmsary", NewBoardForm<TFormElmsary>},
        {25, "TFormWyndholt", NewBoardForm<TFormWyndholt>},
        {26, "TFormKilverne", NewBoardForm<TFormKilverne>},
        {27, "TFormTarrowind", NewBoardForm<TFormTarrowind>},
        {28, "TFormUlverrow", NewBoardForm<TFormUlverrow>},
        {30, "TFormLanterby", NewBoardForm<TFormLanterby>},
        {31, "TFormColvenna", NewBoardForm<TFormColvenna>},
        {32, "TFormVantremere", NewBoardForm<TFormVantremere>},
        {33, "TFormFallowmere", NewBoardForm<TFormFallowmere>},
        {34, "TFormGarvelow", NewBoardForm<TFormGarvelow>},
        {35, "TFormWendlebury", NewBoardForm<TFormWendlebury>},
        {36, "TFormYarrowgate", NewBoardForm<TFormYarrowgate>},
        {37, "TFormZennorby", NewBoardForm<TFormZennorby>},
        {38, "TFormJessamont", NewBoardForm<TFormJessamont>},
        {39, "TFormQuillomar", NewBoardForm<TFormQuillomar>},
        {40, "TFormAshcombre", NewBoardForm<TFormAshcombre>},
        {50, "TFormMarlowen", NewBoardForm<TFormMarlowen>},
        {100, "TFormOsterlin", NewBoardForm<TFormOsterlin>},
        {101, "TFormPellowind", NewBoardForm<TFormPellowind>},
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
