// The sizes, places and looks that the board forms' layouts give: client
// areas, panels, pictures and logos, fonts, the pens of the outlines and the
// rows of the drop-down lists, each checked on the form as built.
#include <QComboBox>
#include <QFont>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <sstream>

#include "app/BoardForm.h"
#include "app/UnitMain.h"
#include "model/MainBoard.h"
#include "platform/FormsTesting.h"
#include "platform/qt/FormWidgets.h"
#include "tests/support/SeamRecorder.h"
#include "tests/support/TestFiles.h"

namespace form_geometry_test {

namespace {

constexpr int kAny = -1;  // a value the row does not check

// A control's place in its parent and its size, and the parent where the row
// names one; control "" is the form's client area (only its width and height
// count).
struct TGeometryRow {
    uint8_t Board;
    const char* Control;
    int Left, Top, Width, Height;
    const char* Parent = nullptr;  // nullptr: not checked
};

// The pixel height and weight of a control's font; control "" is the form's.
struct TFontRow {
    uint8_t Board;
    const char* Control;
    int PixelHeight;
    bool Bold;
};

// The pen of an outline (kAny: a width the layout does not give).
struct TPenRow {
    uint8_t Board;
    const char* Shape;
    int Width;
    TPenStyle Style;
};

// A control's hint: shown on hover (its tool tip) or kept without showing.
struct THintRow {
    uint8_t Board;
    const char* Control;
    const char* Hint;
    bool Shown;
};

// The rows a combo shows when dropped down.
struct TDropDownRow {
    uint8_t Board;
    const char* Combo;
    int Rows;
};

const std::vector<TGeometryRow>& GeometryRows()
{
    static const std::vector<TGeometryRow> rows = {
        // ---- SoC, MAX 10 and small Cyclone V boards ----
        // Client areas.
        {MAINBOARD_HOLLARNE, "", kAny, kAny, 798, 538},
        {MAINBOARD_MIRRENDALE, "", kAny, kAny, 794, 515},
        {MAINBOARD_DORVALIN, "", kAny, kAny, 789, 520},
        {MAINBOARD_ELMSARY, "", kAny, kAny, 789, 520},
        {MAINBOARD_WYNDHOLT, "", kAny, kAny, 793, 536},
        {MAINBOARD_KILVERNE, "", kAny, kAny, 794, 517},
        {MAINBOARD_LANTERBY, "", kAny, kAny, 793, 559},
        {MAINBOARD_VANTREMERE, "", kAny, kAny, 793, 497},
        {MAINBOARD_WENDLEBURY, "", kAny, kAny, 789, 536},
        // Mirrendale: two logos, the board panel with the photograph, the
        // configuration group, and the overlays over the photograph's parts.
        {MAINBOARD_MIRRENDALE, "ImageLogo", kAny, kAny, kAny, kAny},
        {MAINBOARD_MIRRENDALE, "ImageFpgaLogo", kAny, kAny, kAny, kAny},
        {MAINBOARD_MIRRENDALE, "Panel1", 8, 64, 417, 345},
        {MAINBOARD_MIRRENDALE, "ImageBoard", 8, 40, 400, 297},
        {MAINBOARD_MIRRENDALE, "GroupBoxConfig", 432, 9, 353, 496},
        {MAINBOARD_MIRRENDALE, "ShapeOSC", 265, 124, 17, 17},
        {MAINBOARD_MIRRENDALE, "ShapeVGA", 195, 41, 63, 49},
        {MAINBOARD_MIRRENDALE, "ShapeHdmi", 153, 51, 39, 25},
        {MAINBOARD_MIRRENDALE, "ShapeLED", 74, 287, 150, 12},
        {MAINBOARD_MIRRENDALE, "ShapeSeg7", 95, 253, 96, 26},
        {MAINBOARD_MIRRENDALE, "ShapePS2", 29, 49, 30, 26},
        {MAINBOARD_MIRRENDALE, "ShapeButton", 221, 307, 101, 26},
        {MAINBOARD_MIRRENDALE, "ShapeSwitch", 73, 306, 146, 25},
        {MAINBOARD_MIRRENDALE, "ShapeVideoIn", 122, 47, 26, 41},
        {MAINBOARD_MIRRENDALE, "ShapeDDR3", 220, 224, 52, 30},
        {MAINBOARD_MIRRENDALE, "ShapeADC", 13, 178, 19, 37},
        {MAINBOARD_MIRRENDALE, "ShapeIR", 358, 322, 29, 14},
        {MAINBOARD_MIRRENDALE, "ShapeAudio", 61, 46, 60, 42},
        {MAINBOARD_MIRRENDALE, "ShapeGpio", 384, 140, 20, 111},
        {MAINBOARD_MIRRENDALE, "ShapeHPS", 245, 148, 30, 30},
        {MAINBOARD_MIRRENDALE, "ShapeHpsDDR3", 289, 144, 33, 52},
        {MAINBOARD_MIRRENDALE, "ShapeHpsLTC", 387, 260, 15, 44},
        {MAINBOARD_MIRRENDALE, "ShapeHpsUsb", 304, 49, 57, 33},
        {MAINBOARD_MIRRENDALE, "ShapeHpsSdcard", 360, 92, 36, 31},
        {MAINBOARD_MIRRENDALE, "ShapeHpsEthernet", 263, 45, 33, 47},
        {MAINBOARD_MIRRENDALE, "ShapeHpsLCD", 20, 218, 70, 58},
        {MAINBOARD_MIRRENDALE, "ShapeHpsLedButton", 345, 306, 14, 28},
        {MAINBOARD_MIRRENDALE, "ShapeHpsUart", 369, 51, 18, 24},
        // Dorvalin, likewise.
        {MAINBOARD_DORVALIN, "ImageLogo", kAny, kAny, kAny, kAny},
        {MAINBOARD_DORVALIN, "ImageFpgaLogo", kAny, kAny, kAny, kAny},
        {MAINBOARD_DORVALIN, "Panel1", 8, 64, 417, 345},
        {MAINBOARD_DORVALIN, "ImageBoard", 8, 48, 400, 256},
        {MAINBOARD_DORVALIN, "GroupBoxConfig", 432, 1, 353, 504},
        {MAINBOARD_DORVALIN, "ShapeOSC", 167, 194, 21, 28},
        {MAINBOARD_DORVALIN, "ShapeLED", 308, 263, 54, 17},
        {MAINBOARD_DORVALIN, "ShapeButton", 273, 276, 34, 25},
        {MAINBOARD_DORVALIN, "ShapeSwitch", 132, 225, 75, 32},
        {MAINBOARD_DORVALIN, "ShapeADC", 308, 281, 57, 20},
        {MAINBOARD_DORVALIN, "ShapeArduino_0", 60, 72, 194, 16},
        {MAINBOARD_DORVALIN, "ShapeArduino_1", 96, 263, 157, 16},
        {MAINBOARD_DORVALIN, "ShapeHPS", 145, 101, 35, 33},
        {MAINBOARD_DORVALIN, "ShapeGpio0", 59, 49, 202, 22},
        {MAINBOARD_DORVALIN, "ShapeGpio1", 59, 281, 202, 22},
        // Elmsary: the photograph's size and the overlays.
        {MAINBOARD_ELMSARY, "ImageBoard", kAny, kAny, 400, 240},
        {MAINBOARD_ELMSARY, "ShapeOSC", 192, 186, 21, 27},
        {MAINBOARD_ELMSARY, "ShapeLED", 317, 248, 53, 17},
        {MAINBOARD_ELMSARY, "ShapeButton", 287, 266, 32, 18},
        {MAINBOARD_ELMSARY, "ShapeSwitch", 162, 214, 68, 31},
        {MAINBOARD_ELMSARY, "ShapeADC", 322, 268, 49, 20},
        {MAINBOARD_ELMSARY, "ShapeArduino_0", 94, 72, 177, 16},
        {MAINBOARD_ELMSARY, "ShapeArduino_1", 127, 248, 142, 16},
        {MAINBOARD_ELMSARY, "ShapeArduino_2", 258, 149, 20, 32},
        {MAINBOARD_ELMSARY, "ShapeHPS", 172, 103, 35, 33},
        {MAINBOARD_ELMSARY, "ShapeHDMI", 13, 124, 35, 52},
        {MAINBOARD_ELMSARY, "ShapeGpio0", 91, 49, 186, 22},
        {MAINBOARD_ELMSARY, "ShapeGpio1", 90, 269, 186, 22},
        // Wyndholt, likewise.
        {MAINBOARD_WYNDHOLT, "ImageBoard", kAny, kAny, 400, 313},
        {MAINBOARD_WYNDHOLT, "ShapeOSC", 161, 119, 27, 19},
        {MAINBOARD_WYNDHOLT, "ShapeVGA", 164, 41, 96, 72},
        {MAINBOARD_WYNDHOLT, "ShapeLED", 47, 298, 154, 16},
        {MAINBOARD_WYNDHOLT, "ShapeSeg7", 47, 254, 154, 43},
        {MAINBOARD_WYNDHOLT, "ShapePS2", 270, 55, 45, 41},
        {MAINBOARD_WYNDHOLT, "ShapeButton", 212, 319, 102, 29},
        {MAINBOARD_WYNDHOLT, "ShapeSwitch", 48, 317, 157, 31},
        {MAINBOARD_WYNDHOLT, "ShapeSDRAM", 203, 265, 73, 33},
        {MAINBOARD_WYNDHOLT, "ShapeSdCard", 327, 73, 46, 48},
        {MAINBOARD_WYNDHOLT, "ShapeGpio0", 312, 128, 24, 174},
        {MAINBOARD_WYNDHOLT, "ShapeGpio1", 372, 128, 24, 174},
        // Two logos on the forms that have them.
        {MAINBOARD_KILVERNE, "ImageLogo", kAny, kAny, kAny, kAny},
        {MAINBOARD_KILVERNE, "ImageAltera", kAny, kAny, kAny, kAny},
        {MAINBOARD_LANTERBY, "ImageLogo", kAny, kAny, kAny, kAny},
        {MAINBOARD_LANTERBY, "ImageFpgaLogo", kAny, kAny, kAny, kAny},
        {MAINBOARD_VANTREMERE, "ImageLogo", kAny, kAny, kAny, kAny},
        {MAINBOARD_VANTREMERE, "ImageFpgaLogo", kAny, kAny, kAny, kAny},
        // ---- Cyclone V and Stratix V boards ----
        // ---- Cyclone IV and Stratix IV boards ----
        {MAINBOARD_PELLOWIND, "", kAny, kAny, 833, 742},
        // ---- Cyclone II, Cyclone III and Arria II boards ----
        {MAINBOARD_AVEMOR, "", kAny, kAny, 793, 469},
        {MAINBOARD_FENNICK, "", kAny, kAny, 793, 517},
        {MAINBOARD_ISSELMONT, "", kAny, kAny, 793, 554},
        {MAINBOARD_JARROWBY, "", kAny, kAny, 792, 553},
        {MAINBOARD_NETHERCOY, "", kAny, kAny, 791, 727},
        {MAINBOARD_NORVELLE, "", kAny, kAny, 810, 475},
        {MAINBOARD_OSTERLIN, "", kAny, kAny, 806, 474},
        {MAINBOARD_MARLOWEN, "", kAny, kAny, 803, 468},
        // "Change Main Board" inside the board panel.
        {MAINBOARD_OSTERLIN, "ButtonMainBoardSelect", kAny, kAny, kAny, kAny, "PanelBoard"},
        // The card pictures beside the card combos: 80 by 80.
        {MAINBOARD_AVEMOR, "ImageGpio0", kAny, kAny, 80, 80},
        {MAINBOARD_AVEMOR, "ImageGpio1", kAny, kAny, 80, 80},
        {MAINBOARD_FENNICK, "ImageGpio0", kAny, kAny, 80, 80},
        {MAINBOARD_FENNICK, "ImageGpio1", kAny, kAny, 80, 80},
        {MAINBOARD_ISSELMONT, "ImageGpio0", kAny, kAny, 80, 80},
        {MAINBOARD_ISSELMONT, "ImageGpio1", kAny, kAny, 80, 80},
        {MAINBOARD_JARROWBY, "ImageGpio0", kAny, kAny, 80, 80},
        {MAINBOARD_JARROWBY, "ImageGpio1", kAny, kAny, 80, 80},
        {MAINBOARD_NORVELLE, "ImageTavrel23", kAny, kAny, 80, 80},
        {MAINBOARD_NORVELLE, "ImageTavrel1", kAny, kAny, 80, 80},
        {MAINBOARD_OSTERLIN, "ImagePortA", kAny, kAny, 80, 80},
        {MAINBOARD_OSTERLIN, "ImagePortB", kAny, kAny, 80, 80},
        {MAINBOARD_MARLOWEN, "ImageHSMC", kAny, kAny, 80, 80},
        // ---- Arria 10 boards ----
        // ---- Stratix 10 and Agilex boards ----
    };
    return rows;
}

const std::vector<TFontRow>& FontRows()
{
    static const std::vector<TFontRow> rows = {
        // ---- SoC, MAX 10 and small Cyclone V boards ----
        {MAINBOARD_MIRRENDALE, "", 16, false},
        {MAINBOARD_MIRRENDALE, "LabelBoardName", 24, true},
        {MAINBOARD_MIRRENDALE, "EditProjectName", 16, false},
        {MAINBOARD_DORVALIN, "", 16, false},
        {MAINBOARD_DORVALIN, "LabelBoardName", 16, true},
        {MAINBOARD_DORVALIN, "ComboBoxGpio1", 16, false},
        // ---- Cyclone II, Cyclone III and Arria II boards ----
    };
    return rows;
}

const std::vector<TPenRow>& PenRows()
{
    static const std::vector<TPenRow> rows = {
        // ---- SoC, MAX 10 and small Cyclone V boards ----
        // The overlays draw 3 pixels wide; the lines that no code touches
        // are dotted, one pixel wide.
        {MAINBOARD_HOLLARNE, "ShapeOSC", 3, psSolid},
        {MAINBOARD_HOLLARNE, "ShapeLine", 1, psDot},
        {MAINBOARD_MIRRENDALE, "ShapeOSC", 3, psSolid},
        {MAINBOARD_MIRRENDALE, "ShapeHpsUart", 3, psSolid},
        {MAINBOARD_DORVALIN, "ShapeGpio1", 3, psSolid},
        {MAINBOARD_ELMSARY, "ShapeHDMI", 3, psSolid},
        {MAINBOARD_WYNDHOLT, "ShapeSdCard", 3, psSolid},
        {MAINBOARD_VANTREMERE, "ShapeGpio", 3, psSolid},
        {MAINBOARD_VANTREMERE, "ShapeLine", 1, psDot},
        {MAINBOARD_WENDLEBURY, "ShapeHSMC", 3, psSolid},
        {MAINBOARD_WENDLEBURY, "ShapeEPCQ", 1, psDot},
        // ---- Cyclone II, Cyclone III and Arria II boards ----
        // The highlight outlines of the GPIO-pair forms: 4 pixels wide, but
        // Avemor's LCD outline, dotted and 1 pixel wide.
        {MAINBOARD_AVEMOR, "ShapeLCD", 1, psDot},
        {MAINBOARD_AVEMOR, "ShapeOSC", 4, psSolid},
        {MAINBOARD_AVEMOR, "ShapeGpio0", 4, psSolid},
        {MAINBOARD_AVEMOR, "ShapeGpio1", 4, psSolid},
        {MAINBOARD_FENNICK, "ShapeSRAM", 4, psSolid},
        {MAINBOARD_FENNICK, "ShapeGpio1", 4, psSolid},
        {MAINBOARD_ISSELMONT, "ShapeLCD", 4, psSolid},
        {MAINBOARD_ISSELMONT, "ShapeLEDG8", 4, psSolid},
        {MAINBOARD_ISSELMONT, "ShapeGpio0", 4, psSolid},
        {MAINBOARD_JARROWBY, "ShapeLCD", 4, psSolid},
        {MAINBOARD_JARROWBY, "ShapeTvDecode2", 4, psSolid},
        {MAINBOARD_JARROWBY, "ShapeGpio1", 4, psSolid},
        // Marlowen's outlines: 4 pixels wide.
        {MAINBOARD_MARLOWEN, "ShapeOSC", 4, psSolid},
        {MAINBOARD_MARLOWEN, "ShapeLED", 4, psSolid},
        {MAINBOARD_MARLOWEN, "ShapeButton", 4, psSolid},
        {MAINBOARD_MARLOWEN, "ShapeFlash", 4, psSolid},
        {MAINBOARD_MARLOWEN, "ShapeSSRAM", 4, psSolid},
        {MAINBOARD_MARLOWEN, "ShapeDDR", 4, psSolid},
        {MAINBOARD_MARLOWEN, "ShapeHSMC", 4, psSolid},
        // ---- Arria 10 boards ----
        // Fallowmere: every outline of width 2, dotted over the clock, the
        // temperature sensor and the power monitor.
        {MAINBOARD_FALLOWMERE, "ShapeOSC", 2, psDot},
        {MAINBOARD_FALLOWMERE, "ShapeTemp", 2, psDot},
        {MAINBOARD_FALLOWMERE, "ShapePower", 2, psDot},
        {MAINBOARD_FALLOWMERE, "ShapeLED", 2, psSolid},
        {MAINBOARD_FALLOWMERE, "ShapeQsfp_A", 2, psSolid},
        {MAINBOARD_FALLOWMERE, "ShapeSi5340B", 2, psSolid},
        // Garvelow: dotted over the same three.
        {MAINBOARD_GARVELOW, "ShapeOSC", kAny, psDot},
        {MAINBOARD_GARVELOW, "ShapeTemp", kAny, psDot},
        {MAINBOARD_GARVELOW, "ShapePower", kAny, psDot},
        {MAINBOARD_GARVELOW, "ShapeLED", kAny, psSolid},
        {MAINBOARD_GARVELOW, "ShapeSi5340B", kAny, psSolid},
        // Ulverrow: dotted over those three and the Si5340B.
        {MAINBOARD_ULVERROW, "ShapeOSC", kAny, psDot},
        {MAINBOARD_ULVERROW, "ShapeTemp", kAny, psDot},
        {MAINBOARD_ULVERROW, "ShapePower", kAny, psDot},
        {MAINBOARD_ULVERROW, "ShapeSi5340B", kAny, psDot},
        {MAINBOARD_ULVERROW, "ShapeSi5340A", kAny, psSolid},
        {MAINBOARD_ULVERROW, "ShapeDDR4_0", kAny, psSolid},
    };
    return rows;
}

const std::vector<THintRow>& HintRows()
{
    static const std::vector<THintRow> rows = {
        // ---- Cyclone V and Stratix V boards ----
        {MAINBOARD_RASTRELLE, "CheckBoxDDR3_0", "Up to 4GB, 800 data rate", true},
        {MAINBOARD_RASTRELLE, "CheckBoxDDR3_1", "Up to 4GB, 800 data rate", true},
        {MAINBOARD_DRENNOCK, "CheckBoxDDR3_0", "Up to 4GB, 800 data rate", true},
        {MAINBOARD_DRENNOCK, "CheckBoxDDR3_1", "Up to 4GB, 800 data rate", true},
        {MAINBOARD_COLVENNA, "CheckBoxDDR3", "Up to 4GB, 1066 data rate", true},
        // ---- Cyclone IV and Stratix IV boards ----
        {MAINBOARD_ORMSGILL, "CheckBoxUsbOTG", "High-Speed USB FIFO", true},
        {MAINBOARD_ORMSGILL, "CheckBoxDDR2_0", "Up to 4GB, 800 data rate", false},
        {MAINBOARD_ORMSGILL, "CheckBoxDDR2_1", "Up to 4GB, 800 data rate", false},
        {MAINBOARD_PELLOWIND, "CheckBoxUsbOTG", "High-Speed USB FIFO", true},
        {MAINBOARD_PELLOWIND, "CheckBoxDDR2_0", "", false},
        {MAINBOARD_PELLOWIND, "CheckBoxDDR2_1", "", false},
        {MAINBOARD_PELVERTON, "CheckBoxUSB", "High-Speed USB FIFO", true},
        {MAINBOARD_BRACKWELL, "CheckBoxDDR3", "Up to 4GB, 1066 data rate", true},
        // ---- Arria 10 boards ----
        // Tarrowind's DDR3 SODIMM boxes.
        {MAINBOARD_TARROWIND, "CheckBoxDDR3_0", "Up to 4GB, 800 data rate", true},
        {MAINBOARD_TARROWIND, "CheckBoxDDR3_1", "Up to 4GB, 800 data rate", true},
    };
    return rows;
}

const std::vector<TDropDownRow>& DropDownRows()
{
    static const std::vector<TDropDownRow> rows = {
        // ---- Cyclone V and Stratix V boards ----
        // Rastrelle's CDCM combos hold 13 items and show 12 rows.
        {MAINBOARD_RASTRELLE, "ComboBoxSi570", 8},
        {MAINBOARD_RASTRELLE, "ComboBoxCdcm61001", 12},
        {MAINBOARD_RASTRELLE, "ComboBoxCdcm61004", 12},
        {MAINBOARD_DRENNOCK, "ComboBoxSi570", 8},
        {MAINBOARD_DRENNOCK, "ComboBoxCdcm61004", 12},
        {MAINBOARD_ESTOVER, "ComboBoxSi570", 8},
        {MAINBOARD_ESTOVER, "ComboBoxCdcm61004", 12},
        {MAINBOARD_ESTOVER, "ComboBoxHSMC_A", 25},
    };
    return rows;
}

class FormGeometryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        seam.executableFolder = folder.Path();
        SetExecutablePathForTesting(folder.Path() + "pinloom");
        SetScreenSizeForTesting(1280, 1024);
        main = std::make_unique<TFormMain>(nullptr);
        main->CloseBoardForms();
        std::filesystem::remove(folder.Path() + "default.cfg");
    }
    void TearDown() override
    {
        forms.clear();
        main.reset();
        SetExecutablePathForTesting("");
        SetScreenSizeForTesting(0, 0);
    }
    // The board's form, made once per test.
    TForm& Form(uint8_t board)
    {
        std::unique_ptr<TForm>& form = forms[board];
        if (!form) {
            const TBoardFormSlot* slot = FindBoardFormSlot(board);
            EXPECT_TRUE(slot && slot->Create) << int(board);
            form.reset(slot->Create(main.get()));
        }
        return *form;
    }
    // The control of a row; nullptr (with a failure) when the form has none.
    TControl* Control(uint8_t board, const char* name)
    {
        TControl* control = Form(board).FindControl(name);
        EXPECT_NE(control, nullptr) << "board " << int(board) << " has no " << name;
        return control;
    }

    SeamRecorder seam;
    TempFolder folder;
    std::unique_ptr<TFormMain> main;
    std::map<uint8_t, std::unique_ptr<TForm>> forms;
};

std::string Where(uint8_t board, const char* control)
{
    std::ostringstream out;
    out << "board " << int(board) << ", " << (*control ? control : "client area");
    return out.str();
}

TEST_F(FormGeometryTest, ControlsLieWhereTheLayoutsPutThem)
{
    for (const TGeometryRow& row : GeometryRows()) {
        SCOPED_TRACE(Where(row.Board, row.Control));
        TForm& form = Form(row.Board);
        if (*row.Control == 0) {
            EXPECT_EQ(form.ClientWidth(), row.Width);
            EXPECT_EQ(form.ClientHeight(), row.Height);
            continue;
        }
        const TControl* control = Control(row.Board, row.Control);
        if (!control) continue;
        const int values[] = {control->Left(), control->Top(), control->Width(), control->Height()};
        const int wanted[] = {row.Left, row.Top, row.Width, row.Height};
        const char* const names[] = {"left", "top", "width", "height"};
        for (int i = 0; i < 4; ++i) {
            if (wanted[i] != kAny) {
                EXPECT_EQ(values[i], wanted[i]) << names[i];
            }
        }
        if (row.Parent) {
            ASSERT_NE(control->Parent(), nullptr);
            EXPECT_EQ(control->Parent()->Name(), row.Parent);
        }
    }
}

TEST_F(FormGeometryTest, FontsAreTheLayoutsOwn)
{
    for (const TFontRow& row : FontRows()) {
        SCOPED_TRACE(Where(row.Board, row.Control));
        const TControl* control = *row.Control ? Control(row.Board, row.Control) : &Form(row.Board);
        if (!control) continue;
        const QFont font = control->Widget()->font();
        EXPECT_EQ(font.pixelSize(), row.PixelHeight);
        EXPECT_EQ(font.bold(), row.Bold);
    }
}

TEST_F(FormGeometryTest, OutlinesDrawWithTheirPens)
{
    for (const TPenRow& row : PenRows()) {
        SCOPED_TRACE(Where(row.Board, row.Shape));
        const TControl* control = Control(row.Board, row.Shape);
        if (!control) continue;
        const auto* shape = dynamic_cast<const ShapeWidget*>(control->Widget());
        ASSERT_NE(shape, nullptr);
        if (row.Width != kAny) {
            EXPECT_EQ(shape->penWidth, row.Width);
        }
        EXPECT_EQ(shape->penStyle, row.Style);
    }
}

TEST_F(FormGeometryTest, HintsShowOnHoverWhereTheLayoutsSaySo)
{
    for (const THintRow& row : HintRows()) {
        SCOPED_TRACE(Where(row.Board, row.Control));
        const TControl* control = Control(row.Board, row.Control);
        if (!control) continue;
        EXPECT_EQ(control->Hint(), row.Hint);
        EXPECT_EQ(control->Widget()->toolTip().toStdString(), row.Shown ? row.Hint : "");
    }
}

TEST_F(FormGeometryTest, DropDownListsShowTheirRows)
{
    for (const TDropDownRow& row : DropDownRows()) {
        SCOPED_TRACE(Where(row.Board, row.Combo));
        const TControl* control = Control(row.Board, row.Combo);
        if (!control) continue;
        const auto* combo = qobject_cast<const QComboBox*>(control->Widget());
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(combo->maxVisibleItems(), row.Rows);
    }
}

}  // namespace

}  // namespace form_geometry_test
