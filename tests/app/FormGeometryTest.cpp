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

// A control's place in its parent and its size; control "" is the form's
// client area (only its width and height count).
struct TGeometryRow {
    uint8_t Board;
    const char* Control;
    int Left, Top, Width, Height;
};

// The pixel height and weight of a control's font; control "" is the form's.
struct TFontRow {
    uint8_t Board;
    const char* Control;
    int PixelHeight;
    bool Bold;
};

// The pen of an outline.
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
        // ---- Cyclone V and Stratix V boards ----
        // ---- Cyclone IV and Stratix IV boards ----
        // ---- Cyclone II, Cyclone III and Arria II boards ----
        {MAINBOARD_AVEMOR, "", kAny, kAny, 793, 469},
        {MAINBOARD_FENNICK, "", kAny, kAny, 793, 517},
        {MAINBOARD_ISSELMONT, "", kAny, kAny, 793, 554},
        {MAINBOARD_JARROWBY, "", kAny, kAny, 792, 553},
        {MAINBOARD_NETHERCOY, "", kAny, kAny, 791, 727},
        {MAINBOARD_NORVELLE, "", kAny, kAny, 810, 475},
        {MAINBOARD_OSTERLIN, "", kAny, kAny, 806, 474},
        {MAINBOARD_MARLOWEN, "", kAny, kAny, 803, 468},
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
        // ---- Cyclone II, Cyclone III and Arria II boards ----
    };
    return rows;
}

const std::vector<TPenRow>& PenRows()
{
    static const std::vector<TPenRow> rows = {
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
    };
    return rows;
}

const std::vector<THintRow>& HintRows()
{
    static const std::vector<THintRow> rows = {
        // ---- Cyclone V and Stratix V boards ----
        // ---- Cyclone IV and Stratix IV boards ----
        // ---- Arria 10 boards ----
    };
    return rows;
}

const std::vector<TDropDownRow>& DropDownRows()
{
    static const std::vector<TDropDownRow> rows = {
        // ---- Cyclone V and Stratix V boards ----
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
        if (row.Left != kAny) EXPECT_EQ(control->Left(), row.Left);
        if (row.Top != kAny) EXPECT_EQ(control->Top(), row.Top);
        if (row.Width != kAny) EXPECT_EQ(control->Width(), row.Width);
        if (row.Height != kAny) EXPECT_EQ(control->Height(), row.Height);
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
        EXPECT_EQ(shape->penWidth, row.Width);
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
