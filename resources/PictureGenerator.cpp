// Draws the board and card pictures of the program at build time and writes
// the resource file that lists them.
//
//   pinloom_picgen <output folder>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QStringList>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

#include "resources/JpegFile.h"
#include "resources/Photos.h"
#include "resources/SelectorPictures.h"

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: pinloom_picgen <output folder>\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    QStringList names, files;
    auto save = [&](const char* name, const QImage& image) {
        const QString file = QString::fromLatin1(name) + QStringLiteral(".png");
        if (!image.save(folder.filePath(file), "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath(file)));
            std::exit(1);
        }
        names << QString::fromLatin1(name);
        files << file;
    };
    // The pictures that the program keeps as JPEG data.
    auto saveJpeg = [&](const char* name, const QImage& image) {
        const QString file = QString::fromLatin1(name) + QStringLiteral(".jpg");
        if (!SaveJpeg(image, folder.filePath(file), 90)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath(file)));
            std::exit(1);
        }
        names << QString::fromLatin1(name);
        files << file;
    };
    DrawSelectorAndCardPictures(save);
    save("HOLLARNE_PHOTO_BITMAP", DrawHollarnePhoto());
    save("RASTRELLE_PHOTO_BITMAP", DrawRastrellePhoto());
    save("DRENNOCK_PHOTO_BITMAP", DrawDrennockPhoto());
    save("ESTOVER_PHOTO_BITMAP", DrawEstoverPhoto());
    save("COLVENNA_PHOTO_BITMAP", DrawColvennaPhoto());
    save("BRACKWELL_PHOTO_BITMAP", DrawBrackwellPhoto());
    save("BRACKWELL_VOL", DrawBrackwellVol());
    save("BRACKWELL_VOL_LED_ON", DrawBrackwellVolLedOn());
    save("BRACKWELL_VOL_JUMPER", DrawBrackwellVolJumper());
    save("GORSEWIN_PHOTO_BITMAP", DrawGorsewinPhoto());
    save("LARROWEN_PHOTO_BITMAP", DrawLarrowenPhoto());
    save("ORMSGILL_PHOTO_BITMAP", DrawOrmsgillPhoto());
    save("PELLOWIND_PHOTO_BITMAP", DrawPellowindPhoto());
    save("PELVERTON_PHOTO_BITMAP", DrawPelvertonPhoto());
    save("QUENWICK_PHOTO_BITMAP", DrawQuenwickPhoto());
    save("KESTLEFORD_PHOTO_BITMAP", DrawKestlefordPhoto());
    save("KESTLEFORD_JUMPER_BITMAP", DrawKestlefordJumpers());
    save("BRISTANE_PHOTO_BITMAP", DrawBristanePhoto());
    save("TARROWIND_PHOTO_BITMAP", DrawTarrowindPhoto());
    save("FALLOWMERE_PHOTO_BITMAP", DrawFallowmerePhoto());
    save("GARVELOW_PHOTO_BITMAP", DrawGarvelowPhoto());
    save("QUILLOMAR_PHOTO_BITMAP", DrawQuillomarPhoto());
    save("ZENNORBY_PHOTO_BITMAP", DrawZennorbyPhoto());
    save("ASHCOMBRE_PHOTO_BITMAP", DrawAshcombrePhoto());
    save("KALVORA_LOGO_BITMAP", DrawMakerLogo());
    save("MIRRENDALE_PHOTO_BITMAP", DrawMirrendalePhoto());
    save("DORVALIN_PHOTO_BITMAP", DrawDorvalinPhoto());
    save("ELMSARY_PHOTO_BITMAP", DrawElmsaryPhoto());
    save("WYNDHOLT_PHOTO_BITMAP", DrawWyndholtPhoto());
    save("VANTREMERE_PHOTO_BITMAP", DrawVantremerePhoto());
    save("AVEMOR_PHOTO_BITMAP", DrawAvemorPhoto());
    save("FENNICK_PHOTO_BITMAP", DrawFennickPhoto());
    save("ISSELMONT_PHOTO_BITMAP", DrawIsselmontPhoto());
    save("JARROWBY_PHOTO_BITMAP", DrawJarrowbyPhoto());
    save("KILVERNE_PHOTO_BITMAP", DrawKilvernePhoto());
    saveJpeg("FPGA_LOGO_JPEG", DrawFpgaLogo());
    save("FPGA_LOGO_BITMAP", DrawFpgaLogo());
    save("LANTERBY_PHOTO_BITMAP", DrawLanterbyPhoto());
    save("WENDLEBURY_PHOTO_BITMAP", DrawWendleburyPhoto());
    save("WENDLEBURY_JP3_BITMAP", DrawWendleburyJumper());
    save("HETHERMOOR_PHOTO_BITMAP", DrawHethermoorPhoto());
    save("IVENHOLD_PHOTO_BITMAP", DrawIvenholdPhoto());
    save("IVENHOLD_HEX_x4_BITMAP", DrawIvenholdHexDigits(4));
    save("IVENHOLD_HEX_x2_BITMAP", DrawIvenholdHexDigits(2));
    save("JESSAMONT_PHOTO_BITMAP", DrawJessamontPhoto());
    save("NETHERCOY_PHOTO_BITMAP", DrawNethercoyPhoto());
    save("NORVELLE_PHOTO_BITMAP", DrawNorvellePhoto());
    save("OSTERLIN_PHOTO_BITMAP", DrawOsterlinPhoto());
    save("MARLOWEN_PHOTO_BITMAP", DrawMarlowenPhoto());
    save("ULVERROW_PHOTO_BITMAP", DrawUlverrowPhoto());
    save("YARROWGATE_PHOTO_BITMAP", DrawYarrowgatePhoto());
    saveJpeg("YARROWGATE_JP2_JPEG", DrawYarrowgateJumper());

    QFile qrc(folder.filePath(QStringLiteral("generated_pictures.qrc")));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write the resource list\n");
        return 1;
    }
    QTextStream out(&qrc);
    out << "<RCC>\n  <qresource prefix=\"/generated\">\n";
    for (qsizetype i = 0; i < names.size(); ++i)
        out << "    <file alias=\"" << names[i] << "\">" << files[i] << "</file>\n";
    out << "  </qresource>\n</RCC>\n";
    return 0;
}
