// The board pictures of the selector and the card pictures.
//
// Board pictures (400 x 220): the board outline in a colour of its own, its
// title, the FPGA and the labelled expansion connectors. Card pictures
// (80 x 80): the card in the colour of its connector family, the family's
// name, the card's name and the card's connector.
#include "resources/SelectorPictures.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <vector>

#include "resources/BoardPhoto.h"

namespace {

struct BoardPicture {
    const char* name;
    const char* title;
    std::vector<const char*> connectors;
};

// One picture per name; two pairs of boards share theirs.
const std::vector<BoardPicture> kBoards = {
    {"AVEMOR_400_BITMAP", "Avemor", {"GPIO-0", "GPIO-1"}},
    {"FENNICK_400_BITMAP", "Fennick", {"GPIO-0", "GPIO-1"}},
    {"ISSELMONT_400_BITMAP", "Isselmont", {"GPIO-0", "GPIO-1", "HSMC"}},
    {"JARROWBY_400_BITMAP", "Jarrowby", {"GPIO-0", "GPIO-1", "SD"}},
    {"KESTLEFORD_400_BITMAP", "Kestleford", {"HSMC", "GPIO"}},
    {"NETHERCOY_400_BITMAP", "Nethercoy", {"Tavrel", "GPIO"}},
    {"PELVERTON_400_BITMAP", "Pelverton", {"HSMC-A", "HSMC-B", "HSMC-C", "HSMC-D"}},
    {"ORMSGILL_400_BITMAP", "Ormsgill", {"HSMC-A", "HSMC-B", "GPIO", "SODIMM"}},
    {"QUENWICK_400_BITMAP", "Quenwick", {"HSMC-A", "HSMC-B", "FMC-A", "FMC-B", "FMC-C", "FMC-D"}},
    {"BRISTANE_400_BITMAP", "Bristane", {"GPIO-0", "GPIO-1", "GPIO-2"}},
    {"NORVELLE_400_BITMAP", "Norvelle", {"Tavrel", "Audio"}},
    {"BRACKWELL_400_BITMAP", "Brackwell", {"HSMC-A", "HSMC-B", "HSMC-C", "HSMC-D", "HSMC-E", "HSMC-F"}},
    {"GORSEWIN_400_BITMAP", "Gorsewin", {"HSMC-A", "HSMC-B", "GPIO"}},
    {"LARROWEN_BITMAP", "Larrowen", {"HSMC", "GPIO", "PCIe"}},
    {"RASTRELLE_BITMAP", "Rastrelle", {"QDR", "SODIMM", "SFP+"}},
    {"ESTOVER_BITMAP", "Estover II", {"HSMC-A", "HSMC-B", "SFP+"}},
    {"HETHERMOOR_BITMAP", "Hethermoor", {"HSMC-A", "HSMC-B", "HSMC-C"}},
    {"IVENHOLD_BITMAP", "Ivenhold", {"HSMC", "GPIO", "HEX"}},
    {"HOLLARNE_BITMAP", "Hollarne", {"GPIO-0", "GPIO-1", "HPS"}},
    {"MIRRENDALE_BITMAP", "Mirrendale", {"GPIO-0", "GPIO-1"}},
    {"DORVALIN_BITMAP", "Dorvalin SoC", {"GPIO", "Arduino", "HPS"}},
    {"ELMSARY_BITMAP", "Elmsary SoC", {"GPIO", "Arduino", "HPS"}},
    {"WYNDHOLT_BITMAP", "Wyndholt", {"GPIO-0", "GPIO-1", "HDMI"}},
    {"KILVERNE_BITMAP", "Kilverne", {"BBB P8", "BBB P9"}},
    {"TARROWIND_BITMAP", "Tarrowind", {"FMC", "QDR", "SODIMM"}},
    {"ULVERROW_BITMAP", "Ulverrow", {"SODIMM", "QDR", "FMC"}},
    {"LANTERBY_BITMAP", "Lanterby", {"2x6-A", "2x6-B"}},
    {"COLVENNA_400_BITMAP", "Colvenna", {"FMC-A", "FMC-B", "FMC-C", "FMC-D", "GPIO"}},
    {"VANTREMERE_BITMAP", "Vantremere", {"GPIO", "Arduino"}},
    {"FALLOWMERE_BITMAP", "Fallowmere", {"SODIMM", "QDR", "FMC"}},
    {"GARVELOW_BITMAP", "Garvelow", {"SODIMM", "QDR", "FMC"}},
    {"WENDLEBURY_BITMAP", "Wendlebury", {"HSMC", "GPIO"}},
    {"YARROWGATE_BITMAP", "Yarrowgate", {"FMC-A", "FMC-B", "SODIMM", "HSMC"}},
    {"ZENNORBY_BITMAP", "Zennorby", {"SODIMM", "QDR", "HSMC", "GPIO"}},
    {"JESSAMONT_BITMAP", "Jessamont", {"GPIO", "Arduino", "HSMC"}},
    {"RENNACRE_BITMAP", "Quillomar Rennacre/Solverin", {"FMC+", "FMC"}},
    {"ASHCOMBRE_BITMAP", "Ashcombre", {"SODIMM-A", "SODIMM-B"}},
    {"MARLOWEN_400_BITMAP", "Marlowen", {"HSMC-A", "HSMC-B"}},
    {"OSTERLIN_400_BITMAP", "Osterlin", {"HSMC", "GPIO"}},
    {"PELLOWIND_400_BITMAP", "Pellowind", {"HSMC-A", "HSMC-B"}},
};

enum Family { GPIO, HSMC, TAVREL, FMC, MEMORY, YARVEL, BBB };

struct CardPicture {
    const char* name;
    Family family;
};

const std::vector<CardPicture> kCards = {
    {"GPIO_80_BITMAP", GPIO},
    {"HSMC_DEFAULT_80_BITMAP", HSMC},
    {"HSMC_DEFAULT_XCVR_80_BITMAP", HSMC},
    {"HSMC_LVDS_80_BITMAP", HSMC},
    {"TAVREL_80_BITMAP", TAVREL},
    {"DVI_80_BITMAP", HSMC},
    {"NET_80_BITMAP", HSMC},
    {"BRASK_80_BITMAP", HSMC},
    {"CULM_HSMC_80_BITMAP", HSMC},
    {"CULM_GPIO_80_BITMAP", GPIO},
    {"IVREL_80_BITMAP", GPIO},
    {"KEMBER_80_BITMAP", GPIO},
    {"GRISEL_80_BITMAP", HSMC},
    {"HDMI_80_BITMAP", TAVREL},
    {"HIRSK_80_BITMAP", TAVREL},
    {"GAELM_80_BITMAP", HSMC},
    {"HSMC_DEBUG_80_BITMAP", HSMC},
    {"HSMC_LOOPBACK_80_BITMAP", HSMC},
    {"TAVREL_LOOPBACK_80_BITMAP", TAVREL},
    {"SFP_80_BITMAP", HSMC},
    {"SDI_80_BITMAP", HSMC},
    {"HSMC_SATA_80_BITMAP", HSMC},
    {"OSTREL_80_BITMAP", GPIO},
    {"PAVLIN_80_BITMAP", HSMC},
    {"DOVRA_HSMC_80_BITMAP", HSMC},
    {"QUORRIL_80_BITMAP", HSMC},
    {"HSMC_HULVAR_80_BITMAP", HSMC},
    {"GPIO_NORROW_80_BITMAP", GPIO},
    {"HSMC_HDMI_TX_80_BITMAP", HSMC},
    {"HSMC_HDMI_RX_80_BITMAP", HSMC},
    {"HSMC_JEMSOK_80_BITMAP", HSMC},
    {"RUSKET_80_BITMAP", GPIO},
    {"HSMC_UMBREL_80_BITMAP", HSMC},
    {"HSMC_MAVREL_80_BITMAP", HSMC},
    {"HSMC_LOOPBACK_XCVR_80_BITMAP", HSMC},
    {"FMC_HPC_VITA_STD_80_BITMAP", FMC},
    {"FMC_LPC_VITA_STD_80_BITMAP", FMC},
    {"FMC_PLUS_VITA_STD_80_BITMAP", FMC},
    {"FMC_HPC_ALTERA_STD_80_BITMAP", FMC},
    {"FMC_HPC_ALTERA_STD_XCVR_80_BITMAP", FMC},
    {"FMC_LPC_ALTERA_STD_80_BITMAP", FMC},
    {"FMC_LPC_ALTERA_STD_XCVR_80_BITMAP", FMC},
    {"FMC_PAVLIN_80_BITMAP", FMC},
    {"FMC_SDI_80_BITMAP", FMC},
    {"FMC_HDMI_80_BITMAP", FMC},
    {"FMC_TI_JESD_FOR_TI_80_BITMAP", FMC},
    {"FMC_TI_ADC34J45_80_BITMAP", FMC},
    {"FMC_NET_80_BITMAP", FMC},
    {"FMC_USBC_80_BITMAP", FMC},
    {"FMC_ADC_80_BITMAP", FMC},
    {"SARNEL_80_BITMAP", GPIO},
    {"HSMC_ISTREL_80_BITMAP", HSMC},
    {"GAELM_IVREL_J2_80_BITMAP", HSMC},
    {"GAELM_IVREL_J3_80_BITMAP", HSMC},
    {"GAELM_IVREL_x2_80_BITMAP", HSMC},
    {"HSMC_VANDRY_80_BITMAP", HSMC},
    {"HSMC_WESKET_80_BITMAP", HSMC},
    {"GPIO_BREVIK_80_BITMAP", GPIO},
    {"GPIO_TAMSIL_80_BITMAP", GPIO},
    {"GPIO_SMART_CAR_80_BITMAP", GPIO},
    {"GPIO_BALANCE_CAR_80_BITMAP", GPIO},
    {"GPIO_DUNVAR_80_BITMAP", GPIO},
    {"GPIO_ELVASK_80_BITMAP", GPIO},
    {"GPIO_FENWRY_80_BITMAP", GPIO},
    {"RISCV_80_BITMAP", GPIO},
    {"ARDUINO_80_BITMAP", GPIO},
    {"BBB_DEFAULT_80_BITMAP", BBB},
    {"BBB_WIFI_BLE_80_BITMAP", BBB},
    {"BBB_MODE7_80_BITMAP", BBB},
    {"YARVEL_2x6_DEFAULT_BITMAP", YARVEL},
    {"YARVEL_2x6_SPP_BLUETOOTH_BITMAP", YARVEL},
    {"JUSK_GPIO_80_BITMAP", GPIO},
    {"JUSK_FMC_80_BITMAP", FMC},
    {"DDR4_SODIMM_80_BITMAP", MEMORY},
    {"DDR4_ECC_SODIMM_80_BITMAP", MEMORY},
    {"KALVORA_DDR4_QDR2_BITMAP", MEMORY},
    {"KALVORA_DDR4_QDR4_BITMAP", MEMORY},
    {"GPIO_80_2V5_BITMAP", GPIO},
    {"GPIO_80_1V8_BITMAP", GPIO},
    {"GPIO_80_1V5_BITMAP", GPIO},
    {"FMC_GPIO_80_BITMAP", FMC},
    {"HSMC_3V3_DEFAULT_80_BITMAP", HSMC},
    {"HSMC_1V8_DEFAULT_80_BITMAP", HSMC},
    {"HSMC_1V5_DEFAULT_80_BITMAP", HSMC},
    {"HSMC_3V3_DEFAULT_XCVR_80_BITMAP", HSMC},
    {"HSMC_3V0_DEFAULT_XCVR_80_BITMAP", HSMC},
    {"HSMC_1V8_DEFAULT_XCVR_80_BITMAP", HSMC},
    {"HSMC_1V5_DEFAULT_XCVR_80_BITMAP", HSMC},
    {"GPIO_80_3V0_BITMAP", GPIO},
    {"HSMC_3V0_DEFAULT_80_BITMAP", HSMC},
    {"DDR2_SODIMM_80_BITMAP", MEMORY},
};

const char* FamilyName(Family family)
{
    switch (family) {
    case GPIO: return "GPIO";
    case HSMC: return "HSMC";
    case TAVREL: return "TAVREL";
    case FMC: return "FMC";
    case MEMORY: return "MEMORY";
    case YARVEL: return "2x6";
    case BBB: return "BBB";
    }
    return "";
}

QColor FamilyColor(Family family)
{
    switch (family) {
    case GPIO: return QColor(46, 125, 50);
    case HSMC: return QColor(21, 101, 192);
    case TAVREL: return QColor(230, 120, 20);
    case FMC: return QColor(106, 27, 154);
    case MEMORY: return QColor(84, 110, 122);
    case YARVEL: return QColor(0, 131, 143);
    case BBB: return QColor(173, 20, 87);
    }
    return Qt::gray;
}

// A small stable number per text, for colours that tell boards apart.
unsigned Hash(const QString& text)
{
    unsigned h = 2166136261u;
    for (QChar c : text) h = (h ^ c.unicode()) * 16777619u;
    return h;
}

QString Label(const char* name)
{
    QString label = QString::fromLatin1(name);
    for (const char* suffix : {"_80_BITMAP", "_BITMAP"}) {
        if (label.endsWith(QLatin1String(suffix))) {
            label.chop(static_cast<int>(qstrlen(suffix)));
            break;
        }
    }
    return label.replace(QLatin1Char('_'), QLatin1Char(' '));
}

void DrawConnector(QPainter& p, const QRect& body, const QString& label, bool vertical)
{
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(QColor(45, 45, 45));
    p.drawRect(body);
    // Two rows of pins.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(212, 175, 55));
    const int length = vertical ? body.height() : body.width();
    const int pins = std::max(4, (length - 6) / 5);
    for (int i = 0; i < pins; ++i) {
        const int along = 4 + i * (length - 8) / std::max(pins - 1, 1);
        for (int row = 0; row < 2; ++row) {
            const int across = (vertical ? body.width() : body.height()) / 3 * (row + 1) - 1;
            if (vertical)
                p.drawRect(body.left() + across - 1, body.top() + along - 1, 2, 2);
            else
                p.drawRect(body.left() + along - 1, body.top() + across - 1, 2, 2);
        }
    }
    // The label beside the connector, on a light tag.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int w = metrics.horizontalAdvance(label) + 8;
    const int h = metrics.height() + 2;
    QRect tag;
    if (vertical)
        tag = QRect(body.left() - w - 4, body.center().y() - h / 2, w, h);
    else
        tag = QRect(body.center().x() - w / 2, body.top() - h - 3, w, h);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(255, 255, 240));
    p.drawRoundedRect(tag, 3, 3);
    photo::Caption(p, tag, label, QColor(20, 20, 20), 11, Qt::AlignCenter);
}

QImage DrawBoard(const BoardPicture& board)
{
    QImage image(400, 220, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const unsigned h = Hash(QString::fromLatin1(board.name));
    const QColor pcb = QColor::fromHsv(static_cast<int>(h % 360), 150 + static_cast<int>((h >> 9) % 60),
                                       90 + static_cast<int>((h >> 17) % 50));

    // The board with its mounting holes.
    const QRect outline(4, 4, 392, 212);
    p.setPen(QPen(pcb.darker(160), 3));
    p.setBrush(pcb);
    p.drawRoundedRect(outline, 12, 12);
    p.setPen(QPen(QColor(200, 200, 200), 2));
    p.setBrush(QColor(240, 240, 240));
    for (QPoint hole : {QPoint(18, 18), QPoint(382, 18), QPoint(18, 202), QPoint(382, 202)}) p.drawEllipse(hole, 5, 5);

    // The title.
    const QRect titleBox(28, 10, 344, 28);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 225));
    p.drawRoundedRect(titleBox, 6, 6);
    photo::Caption(p, titleBox.adjusted(6, 0, -6, 0), QString::fromLatin1(board.title), QColor(20, 20, 20), 20,
                   Qt::AlignCenter);

    // The FPGA.
    const QRect fpga(120, 70, 80, 80);
    p.setPen(QPen(QColor(10, 10, 10), 1));
    p.setBrush(QColor(35, 35, 40));
    p.drawRoundedRect(fpga, 4, 4);
    photo::Caption(p, fpga, QStringLiteral("FPGA"), QColor(230, 230, 230), 14, Qt::AlignCenter);

    // Connectors: along the bottom edge, then along the right edge.
    const int count = static_cast<int>(board.connectors.size());
    const int bottom = std::min(count, 3);
    const int right = count - bottom;
    for (int i = 0; i < bottom; ++i) {
        const int slot = 344 / bottom;
        const int width = std::min(slot - 16, 110);
        const int left = 28 + i * slot + (slot - width) / 2;
        DrawConnector(p, QRect(left, 184, width, 18), QString::fromLatin1(board.connectors[i]), false);
    }
    for (int i = 0; i < right; ++i) {
        const int slot = 120 / right;
        const int height = std::min(slot - 8, 60);
        const int top = 48 + i * slot + (slot - height) / 2;
        DrawConnector(p, QRect(362, top, 18, height), QString::fromLatin1(board.connectors[bottom + i]), true);
    }
    return image;
}

QImage DrawCard(const CardPicture& card)
{
    QImage image(80, 80, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor color = FamilyColor(card.family);

    p.setPen(QPen(color.darker(150), 2));
    p.setBrush(color.lighter(185));
    p.drawRoundedRect(QRect(2, 2, 76, 76), 7, 7);

    // The family band.
    QPainterPath band;
    band.addRoundedRect(QRectF(3, 3, 74, 16), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(band);
    photo::Caption(p, QRect(3, 3, 74, 16), QString::fromLatin1(FamilyName(card.family)), Qt::white, 11,
                   Qt::AlignCenter);

    // The card's name, without the family word it starts with.
    QString label = Label(card.name);
    const QString family = QString::fromLatin1(FamilyName(card.family));
    if (label.startsWith(family + QLatin1Char(' '), Qt::CaseInsensitive)) label = label.mid(family.size() + 1);
    const QRect text(5, 21, 70, 40);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    photo::Caption(p, text, label, QColor(20, 20, 20), 14, flags);

    // The card's connector along the bottom.
    const QRect connector(12, 64, 56, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(45, 45, 45));
    p.drawRect(connector);
    p.setBrush(QColor(212, 175, 55));
    for (int x = connector.left() + 3; x < connector.right() - 1; x += 4) p.drawRect(x, connector.top() + 3, 2, 3);
    return image;
}

}  // namespace

void DrawSelectorAndCardPictures(const std::function<void(const char* name, const QImage& image)>& take)
{
    for (const BoardPicture& board : kBoards) take(board.name, DrawBoard(board));
    for (const CardPicture& card : kCards) take(card.name, DrawCard(card));
}
