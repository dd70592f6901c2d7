// The labels drawn in the pictures (the board photographs of the forms, the
// selector's board pictures and the card pictures): each one whole, inside
// the box it was given and inside the picture, over no other label and over
// no part of the picture's table but its own; and each part of a table that
// has a text printed on it (an LED row's "LED3..0" among them) shows it.
#include <QImage>
#include <QRectF>
#include <QString>
#include <algorithm>
#include <functional>
#include <iterator>
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
        {"Hollarne", DrawHollarnePhoto, HollarneTable()},
        {"maker logo", DrawMakerLogo, {}},
        {"Dorvalin", DrawDorvalinPhoto, Table(kDorvalinParts)},
        {"Elmsary", DrawElmsaryPhoto, Table(kElmsaryParts)},
        {"Kilverne", DrawKilvernePhoto, Table(kKilverneParts)},
        {"FPGA logo", DrawFpgaLogo, {}},
        {"Lanterby", DrawLanterbyPhoto, Table(kLanterbyParts)},
        {"Mirrendale", DrawMirrendalePhoto, Table(kMirrendaleParts)},
        {"Vantremere", DrawVantremerePhoto, Table(kVantremereParts)},
        {"Wendlebury", DrawWendleburyPhoto, Table(kWendleburyParts)},
        {"Wendlebury jumper", DrawWendleburyJumper, Table(kWendleburyJumperParts)},
        {"Wyndholt", DrawWyndholtPhoto, Table(kWyndholtParts)},
        {"Avemor", DrawAvemorPhoto, Table(kAvemorParts)},
        {"Fennick", DrawFennickPhoto, Table(kFennickParts)},
        {"Isselmont", DrawIsselmontPhoto, Table(kIsselmontParts)},
        {"Jarrowby", DrawJarrowbyPhoto, Table(kJarrowbyParts)},
        {"Marlowen", DrawMarlowenPhoto, Table(kMarlowenParts)},
        {"Nethercoy", DrawNethercoyPhoto, Table(kNethercoyParts)},
        {"Norvelle", DrawNorvellePhoto, Table(kNorvelleParts)},
        {"Osterlin", DrawOsterlinPhoto, Table(kOsterlinParts)},
        {"Brackwell", DrawBrackwellPhoto, Table(kBrackwellParts)},
        {"Brackwell VCCIO", DrawBrackwellVol, {}},
        {"Bristane", DrawBristanePhoto, Table(kBristaneParts)},
        {"Gorsewin", DrawGorsewinPhoto, Table(kGorsewinParts)},
        {"Kestleford", DrawKestlefordPhoto, Table(kKestlefordParts)},
        {"Kestleford jumpers", DrawKestlefordJumpers, Table(kKestlefordJumperParts)},
        {"Larrowen", DrawLarrowenPhoto, Table(kLarrowenParts)},
        {"Ormsgill", DrawOrmsgillPhoto, Table(kOrmsgillParts)},
        {"Pellowind", DrawPellowindPhoto, Table(kPellowindParts)},
        {"Pelverton", DrawPelvertonPhoto, Table(kPelvertonParts)},
        {"Quenwick", DrawQuenwickPhoto, Table(kQuenwickParts)},
        {"Colvenna", DrawColvennaPhoto, Table(kColvennaParts)},
        {"Drennock", DrawDrennockPhoto, Table(kDrennockParts)},
        {"Estover", DrawEstoverPhoto, Table(kEstoverParts)},
        {"Hethermoor", DrawHethermoorPhoto, Table(kHethermoorParts)},
        {"Ivenhold", DrawIvenholdPhoto, Table(kIvenholdParts)},
        {"Ivenhold four digits", [] { return DrawIvenholdHexDigits(4); }, {}},
        {"Ivenhold two digits", [] { return DrawIvenholdHexDigits(2); }, {}},
        {"Jessamont", DrawJessamontPhoto, Table(kJessamontParts)},
        {"Rastrelle", DrawRastrellePhoto, Table(kRastrelleParts)},
        {"Fallowmere", DrawFallowmerePhoto, Table(kFallowmereParts)},
        {"Garvelow", DrawGarvelowPhoto, Table(kGarvelowParts)},
        {"Tarrowind", DrawTarrowindPhoto, Table(kTarrowindParts)},
        {"Ulverrow", DrawUlverrowPhoto, Table(kUlverrowParts)},
        {"Yarrowgate", DrawYarrowgatePhoto, Table(kYarrowgateParts)},
        {"Yarrowgate jumper", DrawYarrowgateJumper, {}},
        {"Ashcombre", DrawAshcombrePhoto, Table(kAshcombreParts)},
        {"Quillomar", DrawQuillomarPhoto, Table(kQuillomarParts)},
        {"Zennorby", DrawZennorbyPhoto, Table(kZennorbyParts)},
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

}  // namespace

}  // namespace picture_labels_test
