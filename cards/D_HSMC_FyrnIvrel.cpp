// The Fyrn adaptor carrying the Ivrel 5-megapixel camera on J2 (card 57),
// on J3 (card 58) or on both (card 59): the adaptor's map, with the
// camera's 21 lines renamed and directed and the header lines the camera
// leaves unused switched off (direction 0; they keep their place, name and
// I/O standard).
#include <string>

#include "cards/CardMaps.h"
#include "cards/HsmcLayout.h"
#include "platform/Seam.h"

namespace {

// The camera's lines: the same names on J2 and on J3, J3 lying 60
// positions below J2.
struct CameraLine {
    int32_t j2Position;
    int32_t j3Position;
    const char* name;
    PinDirection direction;
};

const CameraLine kIvrelLines[] = {
    {120, 60, "SDATA", PIN_DIR_INOUT},   {122, 62, "LVAL", PIN_DIR_INPUT},     {126, 66, "TRIGGER", PIN_DIR_OUTPUT},
    {127, 67, "SCLK", PIN_DIR_INOUT},    {128, 68, "RESET_N", PIN_DIR_OUTPUT}, {131, 71, "FVAL", PIN_DIR_INPUT},
    {133, 73, "STROBE", PIN_DIR_INPUT},  {134, 74, "D[0]", PIN_DIR_INPUT},     {138, 78, "D[2]", PIN_DIR_INPUT},
    {139, 79, "D[1]", PIN_DIR_INPUT},    {140, 80, "D[4]", PIN_DIR_INPUT},     {143, 83, "D[3]", PIN_DIR_INPUT},
    {144, 84, "D[6]", PIN_DIR_INPUT},    {145, 85, "D[5]", PIN_DIR_INPUT},     {146, 86, "D[8]", PIN_DIR_INPUT},
    {149, 89, "D[7]", PIN_DIR_INPUT},    {150, 90, "D[10]", PIN_DIR_INPUT},    {151, 91, "D[9]", PIN_DIR_INPUT},
    {152, 92, "D[11]", PIN_DIR_INPUT},   {157, 97, "XCLKIN", PIN_DIR_OUTPUT},  {158, 98, "PIXCLK", PIN_DIR_INPUT},
};

constexpr int kLastJ3Position = 99;  // J3 lies at 1 ... 99, J2 at 100 and above

void NameCameraLines(TConnector* connector, int first, bool onJ2, const char* prefix)
{
    for (const CameraLine& line : kIvrelLines) {
        TPin* pin = connector->GetPin(first + (onJ2 ? line.j2Position : line.j3Position) - 1);
        if (!pin) continue;
        pin->SetName(std::string(prefix) + line.name);
        pin->SetDirection(line.direction);
    }
}

// Switches off every pin in the positions from ... to whose name does not
// hold "IVREL".
void SwitchOffOtherLines(TConnector* connector, int first, int from, int to)
{
    for (int position = from; position <= to; ++position) {
        TPin* pin = connector->GetPin(first + position - 1);
        if (pin && pin->GetName().find("IVREL") == std::string::npos) pin->SetDirection(PIN_DIR_NONE);
    }
}

}  // namespace

void AddPioAdaptorCameraCardPins(TConnector* connector, uint8_t cameraOnJ2, uint8_t cameraOnJ3,
                                 IoStandard ioStandard, uint8_t board)
{
    PL_ASSERT(cameraOnJ2 || cameraOnJ3);
    const int first = connector->GetPinCount();
    AddHsmcToPioAdaptorPins(connector, ioStandard, board);
    if (cameraOnJ2 && cameraOnJ3) {
        NameCameraLines(connector, first, true, "IVREL_0_");
        NameCameraLines(connector, first, false, "IVREL_1_");
        SwitchOffOtherLines(connector, first, 1, hsmc::kPositions);
    } else if (cameraOnJ2) {
        NameCameraLines(connector, first, true, "IVREL_");
        SwitchOffOtherLines(connector, first, kLastJ3Position + 1, hsmc::kPositions);
    } else {
        NameCameraLines(connector, first, false, "IVREL_");
        SwitchOffOtherLines(connector, first, 1, kLastJ3Position);
    }
}
