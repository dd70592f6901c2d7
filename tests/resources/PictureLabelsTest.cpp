// The labels drawn in the pictures (the board photographs of the forms, the
// selector's board pictures and the card pictures): each one whole, inside
// the box it was given and inside the picture, over no other label and over
// no part of the picture's table but its own; and each part of a table that
// has a text printed on it (an LED row's "LED3..0" among them) shows it. And
// as the board forms show the pictures: no letter of a label under the
// outline of a shape of the form.
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <QRectF>
#include <QString>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iterator>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "boards/arria10/FallowmereParts.h"
#include "boards/arria10/GarvelowParts.h"
#include "boards/arria10/TarrowindParts.h"
#include "boards/arria10/UlverrowParts.h"
#include "boards/arria10/YarrowgateParts.h"
#include "boards/cyclone2_3/AvemorParts.h"
#include "boards/cyclone2_3/FennickParts.h"
#include "boards/cyclone2_3/IsselmontParts.h"
#include "boards/cyclone2_3/JarrowbyParts.h"
#include "boards/cyclone2_3/MarlowenParts.h"
#include "boards/cyclone2_3/NethercoyParts.h"
#include "boards/cyclone2_3/NorvelleParts.h"
#include "boards/cyclone2_3/OsterlinParts.h"
#include "boards/cyclone4_stratix4/BrackwellParts.h"
#include "boards/cyclone4_stratix4/BristaneParts.h"
#include "boards/cyclone4_stratix4/GorsewinParts.h"
#include "boards/cyclone4_stratix4/KestlefordParts.h"
#include "boards/cyclone4_stratix4/LarrowenParts.h"
#include "boards/cyclone4_stratix4/OrmsgillParts.h"
#include "boards/cyclone4_stratix4/PelvertonParts.h"
#include "boards/cyclone4_stratix4/QuenwickParts.h"
#include "boards/cyclone5_stratix5/ColvennaParts.h"
#include "boards/cyclone5_stratix5/DrennockParts.h"
#include "boards/cyclone5_stratix5/EstoverParts.h"
#include "boards/cyclone5_stratix5/HethermoorParts.h"
#include "boards/cyclone5_stratix5/IvenholdParts.h"
#include "boards/cyclone5_stratix5/JessamontParts.h"
#include "boards/cyclone5_stratix5/RastrelleParts.h"
#include "boards/soc/DorvalinParts.h"
#include "boards/soc/ElmsaryParts.h"
#include "boards/soc/HollarneParts.h"
#include "boards/soc/KilverneParts.h"
#include "boards/soc/LanterbyParts.h"
#include "boards/soc/MirrendaleParts.h"
#include "boards/soc/VantremereParts.h"
#include "boards/soc/WendleburyParts.h"
#include "boards/soc/WyndholtParts.h"
#include "boards/stratix10_agilex/AshcombreParts.h"
#include "boards/stratix10_agilex/QuillomarParts.h"
#include "boards/stratix10_agilex/ZennorbyParts.h"
#include "app/BoardForm.h"
#include "app/UnitMain.h"
#include "tests/boards/HostedFormFixture.h"
#include "platform/FormsTesting.h"
#include "platform/qt/FormWidgets.h"
#include "platform/qt/NamedResources.h"
#include "resources/BoardPhoto.h"
#include "resources/Photos.h"
#include "resources/SelectorPictures.h"

namespace picture_labels_test {

namespace {

// A part of a picture's table: where it lies and the text printed on it.
struct TablePart {
    QRect Rect;
    QString Label;
};

struct Picture {
    const char* Name;
    std::vector<const char*> Resources;  // the names the program keeps it under
    std::function<QImage()> Draw;
    std::vector<TablePart> Parts;  // the picture's table of parts; none for a picture without one
};

template <typename Part>
TablePart PartOf(const Part& part)
{
    return {QRect(part.Left, part.Top, part.Width, part.Height), QString::fromUtf8(part.Label ? part.Label : "")};
}

template <typename Part, std::size_t N>
std::vector<TablePart> Table(const Part (&parts)[N])
{
    std::vector<TablePart> table;
    for (const Part& part : parts) table.push_back(PartOf(part));
    return table;
}

std::vector<TablePart> HollarneTable()
{
    std::vector<TablePart> table = Table(kHollarneParts);
    table.push_back(PartOf(kHollarneFpga));
    return table;
}

// Every picture that Photos.h declares but the two that draw no text: the lit
// LED and the jumper of Brackwell's VCCIO indicator.
const std::vector<Picture>& Pictures()
{
    static const std::vector<Picture> pictures = {
        {"Hollarne", {"HOLLARNE_PHOTO_BITMAP"}, DrawHollarnePhoto, HollarneTable()},
        {"maker logo", {"KALVORA_LOGO_BITMAP"}, DrawMakerLogo, {}},
        {"Dorvalin", {"DORVALIN_PHOTO_BITMAP"}, DrawDorvalinPhoto, Table(kDorvalinParts)},
        {"Elmsary", {"ELMSARY_PHOTO_BITMAP"}, DrawElmsaryPhoto, Table(kElmsaryParts)},
        {"Kilverne", {"KILVERNE_PHOTO_BITMAP"}, DrawKilvernePhoto, Table(kKilverneParts)},
        {"FPGA logo", {"FPGA_LOGO_BITMAP", "FPGA_LOGO_JPEG"}, DrawFpgaLogo, {}},
        {"Lanterby", {"LANTERBY_PHOTO_BITMAP"}, DrawLanterbyPhoto, Table(kLanterbyParts)},
        {"Mirrendale", {"MIRRENDALE_PHOTO_BITMAP"}, DrawMirrendalePhoto, Table(kMirrendaleParts)},
        {"Vantremere", {"VANTREMERE_PHOTO_BITMAP"}, DrawVantremerePhoto, Table(kVantremereParts)},
        {"Wendlebury", {"WENDLEBURY_PHOTO_BITMAP"}, DrawWendleburyPhoto, Table(kWendleburyParts)},
        {"Wendlebury jumper", {"WENDLEBURY_JP3_BITMAP"}, DrawWendleburyJumper, Table(kWendleburyJumperParts)},
        {"Wyndholt", {"WYNDHOLT_PHOTO_BITMAP"}, DrawWyndholtPhoto, Table(kWyndholtParts)},
        {"Avemor", {"AVEMOR_PHOTO_BITMAP"}, DrawAvemorPhoto, Table(kAvemorParts)},
        {"Fennick", {"FENNICK_PHOTO_BITMAP"}, DrawFennickPhoto, Table(kFennickParts)},
        {"Isselmont", {"ISSELMONT_PHOTO_BITMAP"}, DrawIsselmontPhoto, Table(kIsselmontParts)},
        {"Jarrowby", {"JARROWBY_PHOTO_BITMAP"}, DrawJarrowbyPhoto, Table(kJarrowbyParts)},
        {"Marlowen", {"MARLOWEN_PHOTO_BITMAP"}, DrawMarlowenPhoto, Table(kMarlowenParts)},
        {"Nethercoy", {"NETHERCOY_PHOTO_BITMAP"}, DrawNethercoyPhoto, Table(kNethercoyParts)},
        {"Norvelle", {"NORVELLE_PHOTO_BITMAP"}, DrawNorvellePhoto, Table(kNorvelleParts)},
        {"Osterlin", {"OSTERLIN_PHOTO_BITMAP"}, DrawOsterlinPhoto, Table(kOsterlinParts)},
        {"Brackwell", {"BRACKWELL_PHOTO_BITMAP"}, DrawBrackwellPhoto, Table(kBrackwellParts)},
        {"Brackwell VCCIO", {"BRACKWELL_VOL"}, DrawBrackwellVol, {}},
        {"Bristane", {"BRISTANE_PHOTO_BITMAP"}, DrawBristanePhoto, Table(kBristaneParts)},
        {"Gorsewin", {"GORSEWIN_PHOTO_BITMAP"}, DrawGorsewinPhoto, Table(kGorsewinParts)},
        {"Kestleford", {"KESTLEFORD_PHOTO_BITMAP"}, DrawKestlefordPhoto, Table(kKestlefordParts)},
        {"Kestleford jumpers", {"KESTLEFORD_JUMPER_BITMAP"}, DrawKestlefordJumpers, Table(kKestlefordJumperParts)},
        {"Larrowen", {"LARROWEN_PHOTO_BITMAP"}, DrawLarrowenPhoto, Table(kLarrowenParts)},
        {"Ormsgill", {"ORMSGILL_PHOTO_BITMAP"}, DrawOrmsgillPhoto, Table(kOrmsgillParts)},
        {"Pellowind", {"PELLOWIND_PHOTO_BITMAP"}, DrawPellowindPhoto, Table(kPellowindParts)},
        {"Pelverton", {"PELVERTON_PHOTO_BITMAP"}, DrawPelvertonPhoto, Table(kPelvertonParts)},
        {"Quenwick", {"QUENWICK_PHOTO_BITMAP"}, DrawQuenwickPhoto, Table(kQuenwickParts)},
        {"Colvenna", {"COLVENNA_PHOTO_BITMAP"}, DrawColvennaPhoto, Table(kColvennaParts)},
        {"Drennock", {"DRENNOCK_PHOTO_BITMAP"}, DrawDrennockPhoto, Table(kDrennockParts)},
        {"Estover", {"ESTOVER_PHOTO_BITMAP"}, DrawEstoverPhoto, Table(kEstoverParts)},
        {"Hethermoor", {"HETHERMOOR_PHOTO_BITMAP"}, DrawHethermoorPhoto, Table(kHethermoorParts)},
        {"Ivenhold", {"IVENHOLD_PHOTO_BITMAP"}, DrawIvenholdPhoto, Table(kIvenholdParts)},
        {"Ivenhold four digits", {"IVENHOLD_HEX_x4_BITMAP"}, [] { return DrawIvenholdHexDigits(4); }, {}},
        {"Ivenhold two digits", {"IVENHOLD_HEX_x2_BITMAP"}, [] { return DrawIvenholdHexDigits(2); }, {}},
        {"Jessamont", {"JESSAMONT_PHOTO_BITMAP"}, DrawJessamontPhoto, Table(kJessamontParts)},
        {"Rastrelle", {"RASTRELLE_PHOTO_BITMAP"}, DrawRastrellePhoto, Table(kRastrelleParts)},
        {"Fallowmere", {"FALLOWMERE_PHOTO_BITMAP"}, DrawFallowmerePhoto, Table(kFallowmereParts)},
        {"Garvelow", {"GARVELOW_PHOTO_BITMAP"}, DrawGarvelowPhoto, Table(kGarvelowParts)},
        {"Tarrowind", {"TARROWIND_PHOTO_BITMAP"}, DrawTarrowindPhoto, Table(kTarrowindParts)},
        {"Ulverrow", {"ULVERROW_PHOTO_BITMAP"}, DrawUlverrowPhoto, Table(kUlverrowParts)},
        {"Yarrowgate", {"YARROWGATE_PHOTO_BITMAP"}, DrawYarrowgatePhoto, Table(kYarrowgateParts)},
        {"Yarrowgate jumper", {"YARROWGATE_JP2_JPEG"}, DrawYarrowgateJumper, {}},
        {"Ashcombre", {"ASHCOMBRE_PHOTO_BITMAP"}, DrawAshcombrePhoto, Table(kAshcombreParts)},
        {"Quillomar", {"QUILLOMAR_PHOTO_BITMAP"}, DrawQuillomarPhoto, Table(kQuillomarParts)},
        {"Zennorby", {"ZENNORBY_PHOTO_BITMAP"}, DrawZennorbyPhoto, Table(kZennorbyParts)},
    };
    return pictures;
}

std::string Describe(const QRectF& r)
{
    std::ostringstream out;
    out << r.width() << "x" << r.height() << " at (" << r.x() << ", " << r.y() << ")";
    return out.str();
}

std::string Describe(const photo::DrawnLabel& label)
{
    return "\"" + label.Asked.toStdString() + "\" (text " + Describe(label.Text) + ")";
}

// a lies within b, allowing for the rounding of turned rectangles.
bool Within(const QRectF& a, const QRectF& b)
{
    constexpr double slack = 0.01;
    return a.left() >= b.left() - slack && a.top() >= b.top() - slack && a.right() <= b.right() + slack &&
           a.bottom() <= b.bottom() + slack;
}

// Whether a label of own may lie over part: own itself, a part that holds it
// (a chip on the FPGA), or one outline of a connector that shares its rows or
// columns with another (two headers on the contacts of one connector).
bool MayLieOver(const QRect& own, const QRect& part)
{
    if (part == own || part.contains(own)) return true;
    const bool sameRows = part.top() == own.top() && part.height() == own.height();
    const bool sameColumns = part.left() == own.left() && part.width() == own.width();
    return own.contains(part) && (sameRows || sameColumns);
}

// Checks the labels that drawing a picture reported; parts: the picture's
// table of parts. Every part of the table with a text printed on it shows
// that text.
void CheckLabels(const std::string& name, const QImage& image, const std::vector<photo::DrawnLabel>& labels,
                 const std::vector<TablePart>& table)
{
    std::vector<QRect> parts;
    for (const TablePart& part : table) {
        parts.push_back(part.Rect);
        if (part.Label.isEmpty()) continue;
        const auto shown = [&](const photo::DrawnLabel& label) {
            return label.Part == part.Rect && label.Asked == part.Label;
        };
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), shown))
            << name << ": the part " << Describe(QRectF(part.Rect)) << " does not show \"" << part.Label.toStdString()
            << "\"";
    }
    EXPECT_FALSE(labels.empty()) << name << ": no label drawn";
    const QRectF whole(image.rect());
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const photo::DrawnLabel& label = labels[i];
        EXPECT_EQ(label.Drawn, label.Asked) << name << ": " << Describe(label) << " is not drawn whole in "
                                            << Describe(label.Box);
        if (label.Drawn.isEmpty()) continue;
        EXPECT_TRUE(Within(label.Text, label.Box))
            << name << ": " << Describe(label) << " runs out of its box " << Describe(label.Box);
        EXPECT_TRUE(Within(label.Text, whole))
            << name << ": " << Describe(label) << " runs out of the picture " << Describe(whole);
        for (std::size_t j = i + 1; j < labels.size(); ++j)
            EXPECT_FALSE(!labels[j].Drawn.isEmpty() && label.Text.intersects(labels[j].Text))
                << name << ": " << Describe(label) << " lies over " << Describe(labels[j]);
        for (const QRect& part : parts)
            EXPECT_FALSE(!MayLieOver(label.Part, part) && label.Text.intersects(QRectF(part)))
                << name << ": " << Describe(label) << " lies over the part " << Describe(QRectF(part))
                << " (its own is " << Describe(QRectF(label.Part)) << ")";
    }
}

// Reports every label drawn to a list while it lives.
class LabelLog {
public:
    LabelLog()
    {
        photo::SetLabelRecorder([this](const photo::DrawnLabel& label) { m_Labels.push_back(label); });
    }
    ~LabelLog() { photo::SetLabelRecorder({}); }
    // The labels reported since the last call.
    std::vector<photo::DrawnLabel> Take() { return std::exchange(m_Labels, {}); }

private:
    std::vector<photo::DrawnLabel> m_Labels;
};

TEST(PictureLabelsTest, EveryLabelIsWholeInItsBoxAndOverNoOtherLabelOrPart)
{
    LabelLog log;
    for (const Picture& picture : Pictures()) {
        const QImage image = picture.Draw();
        CheckLabels(picture.Name, image, log.Take(), picture.Parts);
    }
    // The selector's board pictures and the card pictures, which have no
    // table of parts.
    std::size_t count = 0;
    DrawSelectorAndCardPictures([&](const char* name, const QImage& image) {
        CheckLabels(name, image, log.Take(), {});
        ++count;
    });
    EXPECT_EQ(count, 40u + 91u);
}

// ---- The labels as the board forms show them, under the forms' outlines ----

// The pixels of a picture that a label's letters take.
QImage Ink(const photo::DrawnLabel& label, const QSize& picture)
{
    QImage ink(picture, QImage::Format_ARGB32_Premultiplied);
    ink.fill(Qt::transparent);
    QPainter p(&ink);
    p.setTransform(label.Place);
    p.setFont(label.Font);
    p.setPen(Qt::black);
    p.drawText(label.Layout, label.Flags, label.Drawn);
    return ink;
}

// The pixels that a shape's outline takes, drawn with a solid pen whatever its
// style (the band inside the shape, as wide as its pen).
QImage Band(const ShapeWidget& shown)
{
    ShapeWidget solid(nullptr);
    solid.shape = shown.shape;
    solid.penColor = clBlack;
    solid.penWidth = shown.penWidth;
    solid.penStyle = psSolid;
    solid.brushStyle = bsClear;
    solid.resize(shown.size());
    QImage band(shown.size(), QImage::Format_ARGB32_Premultiplied);
    band.fill(Qt::transparent);
    solid.render(&band, QPoint(), QRegion(), QWidget::RenderFlags());
    return band;
}

struct Outline {
    std::string Name;
    QRect Where;  // in the form's client area
    QImage Band;
};

// A picture as a form shows it: the picture's pixel (x, y) covers the area
// Cell(x, y) of the form's client area, where it lies within Shown and no
// picture stacked over it (Covers) hides it.
struct ShownPicture {
    QPoint Origin;
    double ScaleX = 1, ScaleY = 1;
    QRect Shown;
    std::vector<QRect> Covers;
    QRectF Cell(int x, int y) const
    {
        return QRectF(Origin.x() + x * ScaleX, Origin.y() + y * ScaleY, ScaleX, ScaleY);
    }
    bool Hidden(const QRect& cell) const
    {
        return std::any_of(Covers.begin(), Covers.end(), [&](const QRect& r) { return r.contains(cell); });
    }
};

ShownPicture ShownIn(const ImageWidget& image, QWidget* client)
{
    const QPoint at = image.mapTo(client, QPoint(0, 0));
    ShownPicture shown{at, 1, 1, QRect(at, image.size()), {}};
    const QSize size = image.Image().size();
    if (image.stretch) {
        shown.ScaleX = double(image.width()) / size.width();
        shown.ScaleY = double(image.height()) / size.height();
    } else if (image.center) {
        shown.Origin += QPoint((image.width() - size.width()) / 2, (image.height() - size.height()) / 2);
    }
    // The pictures of the same panel that lie over this one.
    const QObjectList& siblings = image.parentWidget()->children();
    for (auto it = std::find(siblings.begin(), siblings.end(), &image) + 1; it != siblings.end(); ++it)
        if (const auto* over = dynamic_cast<const ImageWidget*>(*it);
            over && !over->Image().isNull() && over->isVisibleTo(client))
            shown.Covers.emplace_back(over->mapTo(client, QPoint(0, 0)), over->size());
    return shown;
}

// How many pixels of a label's letters (ink, in the picture) lie under an
// outline's band, as the form shows them.
int CoveredLetterPixels(const ShownPicture& shown, const QImage& ink, const QRect& letters, const Outline& outline)
{
    int covered = 0;
    for (int y = letters.top(); y <= letters.bottom(); ++y)
        for (int x = letters.left(); x <= letters.right(); ++x) {
            if (qAlpha(ink.pixel(x, y)) == 0) continue;
            const QRect whole = shown.Cell(x, y).toAlignedRect();
            if (shown.Hidden(whole)) continue;
            const QRect cell = whole & shown.Shown & outline.Where;
            bool meets = false;
            for (int fy = cell.top(); fy <= cell.bottom() && !meets; ++fy)
                for (int fx = cell.left(); fx <= cell.right() && !meets; ++fx)
                    meets = qAlpha(outline.Band.pixel(fx - outline.Where.left(), fy - outline.Where.top())) != 0;
            covered += meets;
        }
    return covered;
}

// A picture as drawn, with the labels drawing it reported, and as the program
// keeps it (the form shows that).
struct DrawnPicture {
    const Picture* Source;
    std::vector<photo::DrawnLabel> Labels;
    std::vector<QImage> Kept;
    bool ShownBy(const ImageWidget& image) const
    {
        return std::any_of(Kept.begin(), Kept.end(), [&](const QImage& kept) { return kept == image.Image(); });
    }
};

std::vector<DrawnPicture> DrawEveryPicture()
{
    std::vector<DrawnPicture> drawn;
    LabelLog log;
    for (const Picture& picture : Pictures()) {
        const QImage image = picture.Draw();
        DrawnPicture entry{&picture, log.Take(), {}};
        for (const char* name : picture.Resources) {
            QImage kept;
            EXPECT_TRUE(LoadNamedPicture(name, kept)) << name;
            EXPECT_EQ(kept.size(), image.size()) << name;
            entry.Kept.push_back(kept);
        }
        drawn.push_back(std::move(entry));
    }
    return drawn;
}

// What a form never shows with a picture: the shapes it keeps hidden whatever
// is ticked (picture: any), and the shapes it shows only while another
// picture takes this one's place.
struct NeverShown {
    const char* Form;
    const char* Shape;
    const char* Picture;
};
constexpr NeverShown kNeverShown[] = {
    {"TFormIvenhold", "ShapeArduino_0", nullptr},
    {"TFormIvenhold", "ShapeArduino_1", nullptr},
    {"TFormIvenhold", "ShapeSeg7_x2", "Ivenhold four digits"},
    {"TFormIvenhold", "ShapeSeg7", "Ivenhold two digits"},
};

// The pictures an image of a form shows in place of the one it opens with.
struct OtherPicture {
    const char* Form;
    const char* Image;
    const char* Resource;
};
constexpr OtherPicture kOtherPictures[] = {
    {"TFormIvenhold", "ImageHex", "IVENHOLD_HEX_x2_BITMAP"},
};

bool NeverShownWith(const std::string& form, const std::string& shape, const char* picture)
{
    return std::any_of(std::begin(kNeverShown), std::end(kNeverShown), [&](const NeverShown& never) {
        return form == never.Form && shape == never.Shape && (!never.Picture || std::strcmp(never.Picture, picture) == 0);
    });
}

// Checks every label of the picture an image shows against the outlines of
// its form.
void CheckLabelsUnderOutlines(const std::string& form, const ImageWidget& image, QWidget* client,
                              const DrawnPicture& picture, const std::vector<Outline>& outlines)
{
    const ShownPicture shown = ShownIn(image, client);
    const QSize size = image.Image().size();
    for (const photo::DrawnLabel& label : picture.Labels) {
        if (label.Drawn.isEmpty()) continue;
        const QImage ink = Ink(label, size);
        const QRect letters = label.Text.toAlignedRect().adjusted(-2, -2, 2, 2) & QRect(QPoint(0, 0), size);
        for (const Outline& outline : outlines) {
            if (NeverShownWith(form, outline.Name, picture.Source->Name)) continue;
            const int covered = CoveredLetterPixels(shown, ink, letters, outline);
            EXPECT_EQ(covered, 0) << form << ": the label \"" << label.Asked.toStdString() << "\" of the picture "
                                  << picture.Source->Name << " lies under the outline " << outline.Name << " ("
                                  << covered << " pixels of its letters)";
        }
    }
}

// The main form owns the board forms; the start-up form it opens leaves, and
// its default.cfg goes, so that every form starts from its board's defaults.
class FormOutlinesTest : public HostedFolderTest {
protected:
    void SetUp() override
    {
        HostedFolderTest::SetUp();
        main = std::make_unique<TFormMain>(nullptr);
        main->CloseBoardForms();
        std::filesystem::remove(folder.Path() + "default.cfg");
    }
};

// Every label of every picture a board form shows lies clear of the outline
// of every shape of that form, shown now or only once its group is ticked or
// its card chosen: no letter of it under the band the outline draws.
TEST_F(FormOutlinesTest, NoLetterOfAPictureLabelLiesUnderAnOutlineOfItsForm)
{
    const std::vector<DrawnPicture> drawn = DrawEveryPicture();
    const auto shownBy = [&](const ImageWidget& image) {
        const auto found = std::find_if(drawn.begin(), drawn.end(), [&](const DrawnPicture& d) { return d.ShownBy(image); });
        return found == drawn.end() ? nullptr : &*found;
    };
    std::set<std::string> formsWithABoardPicture;
    std::size_t otherPicturesShown = 0;
    for (const TBoardFormSlot& slot : BoardFormSlots()) {
        if (!slot.Create) continue;
        const std::unique_ptr<TForm> form(slot.Create(main.get()));
        QWidget* client = form->Widget();
        std::vector<Outline> outlines;
        for (const TControl* control : form->Controls())
            if (const auto* shape = dynamic_cast<const ShapeWidget*>(control->Widget()))
                outlines.push_back({control->Name(), QRect(shape->mapTo(client, QPoint(0, 0)), shape->size()),
                                    Band(*shape)});
        for (TControl* control : form->Controls()) {
            const auto* image = dynamic_cast<const ImageWidget*>(control->Widget());
            if (!image || image->Image().isNull()) continue;
            const DrawnPicture* picture = shownBy(*image);
            if (!picture) continue;
            if (!picture->Source->Parts.empty()) formsWithABoardPicture.insert(slot.ClassName);
            CheckLabelsUnderOutlines(slot.ClassName, *image, client, *picture, outlines);
            for (const OtherPicture& other : kOtherPictures) {
                if (slot.ClassName != std::string(other.Form) || control->Name() != other.Image) continue;
                static_cast<TImage*>(control)->LoadFromResourceName(other.Resource);
                const DrawnPicture* shownNow = shownBy(*image);
                ASSERT_NE(shownNow, nullptr) << other.Resource;
                CheckLabelsUnderOutlines(slot.ClassName, *image, client, *shownNow, outlines);
                ++otherPicturesShown;
            }
        }
    }
    EXPECT_EQ(formsWithABoardPicture.size(), 41u);
    EXPECT_EQ(otherPicturesShown, std::size(kOtherPictures));
}

}  // namespace

}  // namespace picture_labels_test
