// Fyrn HSMC-to-PIO adaptor (card 17): the HSMC connector brought out as two
// headers of 36 lines each, J2 ("GPIO0_" lines) and J3 ("GPIO1_" lines).
// Every line is inout at the map's I/O standard; on Kestleford four clock
// lines are inputs.
#include <vector>

#include "cards/CardMaps.h"
#include "cards/CardPinTable.h"
#include "cards/HsmcLayout.h"
#include "model/MainBoard.h"

namespace {

// Line n of J3 and line n of J2 lie 60 positions apart.
struct AdaptorLines {
    const char* j3Positions;
    const char* j2Positions;
    const char* lines;  // n at these positions, in position order
};

const AdaptorLines kAdaptorLines[] = {
    {"47-50", "107-110", "35, 31, 33, 29"},
    {"53-56", "113-116", "34, 27, 32, 25"},
    {"59-62", "119-122", "30, 23, 28, 21"},
    {"65-68", "125-128", "26, 19, 24, 17"},
    {"71-74", "131-134", "22, 15, 20, 13"},
    {"77-80", "137-140", "14, 11, 12, 9"},
    {"83-86", "143-146", "10, 7, 8, 5"},
    {"89-92", "149-152", "6, 3, 4, 1"},
    {"95-98", "155-158", "18, 2, 16, 0"},
};

struct InputLine {
    int32_t position;
    const char* name;  // for the reader; the map uses position and direction
    PinDirection direction;
};

const InputLine kKestlefordInputLines[] = {
    {96, "GPIO1_2", PIN_DIR_INPUT},
    {98, "GPIO1_0", PIN_DIR_INPUT},
    {156, "GPIO0_2", PIN_DIR_INPUT},
    {158, "GPIO0_0", PIN_DIR_INPUT},
};

}  // namespace

void AddHsmcToPioAdaptorPins(TConnector* connector, IoStandard ioStandard, uint8_t board)
{
    const int first = connector->GetPinCount();
    std::vector<CardPinRow> rows;
    for (const AdaptorLines& l : kAdaptorLines) {
        rows.push_back({l.j3Positions, "GPIO1_%d", l.lines, PIN_DIR_INOUT});
        rows.push_back({l.j2Positions, "GPIO0_%d", l.lines, PIN_DIR_INOUT});
    }
    CardPinTable(hsmc::kPositions, {ioStandard}).Add(rows).AppendTo(connector);
    if (board != MAINBOARD_KESTLEFORD) return;
    for (const InputLine& line : kKestlefordInputLines)
        if (TPin* pin = connector->GetPin(first + line.position - 1)) pin->SetDirection(line.direction);
}
