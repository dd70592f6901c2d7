// The Fyrn HSMC-to-PIO adaptor, plain and carrying the Ivrel camera.
#include <gtest/gtest.h>

#include <string>

#include "cards/CardMaps.h"
#include "model/DaughterBoard.h"
#include "model/MainBoard.h"
#include "tests/cards/CardMapCheck.h"
#include "tests/support/SeamRecorder.h"

namespace hsmc_adaptor_cards_test {

namespace {

const char* const kAdaptorEmpty =
    "1-46, 51, 52, 57, 58, 63, 64, 69, 70, 75, 76, 81, 82, 87, 88, 93, 94, 99-106, 111, 112, 117, 118, 123, 124, "
    "129, 130, 135, 136, 141, 142, 147, 148, 153, 154, 159, 160";

// J2 and J3 positions of the camera's lines.
const char* const kCameraJ2 = "120, 122, 126-128, 131, 133, 134, 138-140, 143-146, 149-152, 157, 158";
const char* const kCameraJ3 = "60, 62, 66-68, 71, 73, 74, 78-80, 83-86, 89-92, 97, 98";

int NonNullEntries(const TConnector& c)
{
    int n = 0;
    for (int i = 0; i < c.GetPinCount(); ++i) n += c.GetPin(i) != nullptr;
    return n;
}

// Every entry keeps its place and the map's I/O standard; the empty
// positions are those of the plain adaptor.
void ExpectAdaptorLayout(const TConnector& c, IoStandard ioStandard)
{
    ASSERT_EQ(c.GetPinCount(), 160);
    EXPECT_EQ(NonNullEntries(c), 72);
    for (int p : Positions(kAdaptorEmpty)) EXPECT_EQ(c.GetPin(p - 1), nullptr) << p;
    for (int i = 0; i < 160; ++i)
        if (const TPin* pin = c.GetPin(i)) {
            EXPECT_EQ(pin->GetIoStandard(), ioStandard) << i + 1;
            EXPECT_EQ(pin->GetPinIndex(), i + 1);
        }
}

// The active pins at the listed positions, and no other active pin there.
void ExpectActiveExactly(const TConnector& c, int from, int to, const std::string& active)
{
    const std::vector<int> list = active.empty() ? std::vector<int>{} : Positions(active.c_str());
    const std::set<int> expected(list.begin(), list.end());
    for (int p = from; p <= to; ++p) {
        const TPin* pin = c.GetPin(p - 1);
        if (!pin) continue;
        EXPECT_EQ(pin->IsActive(), expected.count(p) == 1) << "position " << p << " " << pin->GetName();
    }
}

}  // namespace

TEST(HsmcToPioAdaptor, TwoHeadersOf36Lines)
{
    TDaughterBoard c;
    AddHsmcToPioAdaptorPins(&c, 39, MAINBOARD_HOLLARNE);
    ExpectCardShape(c, 160, 72, kAdaptorEmpty);
    ExpectIoStandards(c, 39);
    ExpectPins(c,
               {
                   {47, "GPIO1_35", kInout}, {48, "GPIO1_31", kInout},  {50, "GPIO1_29", kInout},
                   {77, "GPIO1_14", kInout}, {95, "GPIO1_18", kInout},  {96, "GPIO1_2", kInout},
                   {98, "GPIO1_0", kInout},  {107, "GPIO0_35", kInout}, {137, "GPIO0_14", kInout},
                   {152, "GPIO0_1", kInout}, {156, "GPIO0_2", kInout},  {158, "GPIO0_0", kInout},
               },
               39);
    // Every line of both headers, each once.
    std::set<std::string> names;
    for (int i = 0; i < 160; ++i)
        if (const TPin* pin = c.GetPin(i)) names.insert(pin->GetName());
    for (int n = 0; n <= 35; ++n) {
        EXPECT_EQ(names.count("GPIO0_" + std::to_string(n)), 1u) << n;
        EXPECT_EQ(names.count("GPIO1_" + std::to_string(n)), 1u) << n;
    }
}

TEST(HsmcToPioAdaptor, KestlefordTakesFourClockLinesAsInputs)
{
    TDaughterBoard c;
    AddHsmcToPioAdaptorPins(&c, 8, MAINBOARD_KESTLEFORD);
    ExpectPins(c,
               {{96, "GPIO1_2", kIn}, {98, "GPIO1_0", kIn}, {156, "GPIO0_2", kIn}, {158, "GPIO0_0", kIn},
                {95, "GPIO1_18", kInout}, {157, "GPIO0_16", kInout}},
               8);
    int inout = 0;
    for (int i = 0; i < 160; ++i)
        if (const TPin* pin = c.GetPin(i)) inout += pin->GetDirection() == PIN_DIR_INOUT;
    EXPECT_EQ(inout, 68);
}

TEST(PioAdaptorCamera, CameraOnJ2)
{
    TDaughterBoard c;
    AddPioAdaptorCameraCardPins(&c, 1, 0, 39, MAINBOARD_HOLLARNE);
    ExpectAdaptorLayout(c, 39);
    EXPECT_EQ(c.GetActivePinCount(), 57);
    ExpectActiveExactly(c, 100, 160, kCameraJ2);
    ExpectActiveExactly(c, 1, 99, "47-50, 53-56, 59-62, 65-68, 71-74, 77-80, 83-86, 89-92, 95-98");
    ExpectPins(c,
               {
                   {158, "IVREL_PIXCLK", kIn}, {157, "IVREL_XCLKIN", kOut}, {120, "IVREL_SDATA", kInout},
                   {127, "IVREL_SCLK", kInout}, {134, "IVREL_D[0]", kIn},   {152, "IVREL_D[11]", kIn},
                   {60, "GPIO1_23", kInout},   {98, "GPIO1_0", kInout},
               },
               39);
    // The lines the camera leaves unused keep their names, switched off.
    EXPECT_EQ(c.GetPin(106)->GetName(), "GPIO0_35");
    EXPECT_EQ(c.GetPin(106)->GetDirection(), PIN_DIR_NONE);
    EXPECT_EQ(c.GetPin(155)->GetName(), "GPIO0_2");
    EXPECT_EQ(c.GetPin(155)->GetDirection(), PIN_DIR_NONE);
}

TEST(PioAdaptorCamera, CameraOnJ3)
{
    TDaughterBoard c;
    AddPioAdaptorCameraCardPins(&c, 0, 1, 6, MAINBOARD_HOLLARNE);
    ExpectAdaptorLayout(c, 6);
    EXPECT_EQ(c.GetActivePinCount(), 57);
    ExpectActiveExactly(c, 1, 99, kCameraJ3);
    ExpectActiveExactly(c, 100, 160, "107-110, 113-116, 119-122, 125-128, 131-134, 137-140, 143-146, 149-152, 155-158");
    ExpectPins(c,
               {{98, "IVREL_PIXCLK", kIn}, {97, "IVREL_XCLKIN", kOut}, {60, "IVREL_SDATA", kInout},
                {62, "IVREL_LVAL", kIn}, {158, "GPIO0_0", kInout}},
               6);
    EXPECT_EQ(c.GetPin(46)->GetName(), "GPIO1_35");
    EXPECT_EQ(c.GetPin(46)->GetDirection(), PIN_DIR_NONE);
}

TEST(PioAdaptorCamera, CamerasOnBothHeaders)
{
    TDaughterBoard c;
    AddPioAdaptorCameraCardPins(&c, 1, 1, 8, MAINBOARD_HOLLARNE);
    ExpectAdaptorLayout(c, 8);
    EXPECT_EQ(c.GetActivePinCount(), 42);
    ExpectActiveExactly(c, 1, 160, std::string(kCameraJ3) + ", " + kCameraJ2);
    ExpectPins(c,
               {{120, "IVREL_0_SDATA", kInout}, {158, "IVREL_0_PIXCLK", kIn}, {60, "IVREL_1_SDATA", kInout},
                {98, "IVREL_1_PIXCLK", kIn}, {97, "IVREL_1_XCLKIN", kOut}, {139, "IVREL_0_D[1]", kIn}},
               8);
}

TEST(PioAdaptorCamera, KestlefordInputsOnTheFreeHeader)
{
    TDaughterBoard c;
    AddPioAdaptorCameraCardPins(&c, 0, 1, 8, MAINBOARD_KESTLEFORD);
    ExpectPins(c, {{156, "GPIO0_2", kIn}, {158, "GPIO0_0", kIn}, {98, "IVREL_PIXCLK", kIn}}, 8);
    EXPECT_EQ(c.GetPin(95)->GetName(), "GPIO1_2");
    EXPECT_EQ(c.GetPin(95)->GetDirection(), PIN_DIR_NONE);
}

TEST(PioAdaptorCamera, LoaderPassesTheHeadersByCard)
{
    struct Case {
        DaughterId card;
        int active;
        const char* name120;
        const char* name60;
    };
    const Case cases[] = {
        {57, 57, "IVREL_SDATA", "GPIO1_23"},
        {58, 57, "GPIO0_23", "IVREL_SDATA"},
        {59, 42, "IVREL_0_SDATA", "IVREL_1_SDATA"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE("card " + std::to_string(k.card));
        TDaughterBoard c;
        c.LoadCard(k.card, MAINBOARD_HOLLARNE, nullptr, 8, 0);
        EXPECT_EQ(c.GetActivePinCount(), k.active);
        EXPECT_EQ(c.GetPin(119)->GetName(), k.name120);
        EXPECT_EQ(c.GetPin(59)->GetName(), k.name60);
        EXPECT_EQ(c.GetType(), CONNECTOR_HSMC);
        EXPECT_EQ(c.GetDescription(), "HSMC to PIO with Ivrel");
    }
}

TEST(PioAdaptorCamera, NoCameraIsAProgrammingError)
{
    SeamRecorder seam;
    TDaughterBoard c;
    EXPECT_THROW(AddPioAdaptorCameraCardPins(&c, 0, 0, 8, MAINBOARD_HOLLARNE), InvariantFailure);
}

}  // namespace hsmc_adaptor_cards_test
