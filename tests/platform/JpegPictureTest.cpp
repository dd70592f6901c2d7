// The pictures kept as JPEG data are decoded through libjpeg; damaged data
// is refused without harm.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include "platform/qt/JpegPicture.h"
#include "platform/qt/NamedResources.h"

namespace jpeg_picture_test {

TEST(JpegPicture, TheFpgaLogoIsJpegDataDecodedByLibjpeg)
{
    std::string bytes;
    ASSERT_TRUE(LoadNamedResource("FPGA_LOGO_JPEG", bytes));
    EXPECT_TRUE(IsJpegData(bytes));
    QImage image;
    ASSERT_TRUE(LoadNamedPicture("fpga_logo_jpeg", image));
    EXPECT_EQ(image.width(), 200);
    EXPECT_EQ(image.height(), 40);
    // White behind the mark, within what the compression keeps.
    const QColor corner = image.pixelColor(199, 0);
    EXPECT_GE(corner.red(), 240);
    EXPECT_GE(corner.green(), 240);
    EXPECT_GE(corner.blue(), 240);
}

TEST(JpegPicture, DamagedDataIsRefused)
{
    std::string bytes;
    ASSERT_TRUE(LoadNamedResource("FPGA_LOGO_JPEG", bytes));
    QImage image(3, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    for (const std::string& damaged :
         {bytes.substr(0, bytes.size() / 2), std::string("\xFF\xD8\xFF") + std::string(64, 'x'), std::string("\xFF\xD8\xFF")}) {
        EXPECT_FALSE(DecodeJpeg(damaged, image)) << damaged.size();
        EXPECT_EQ(image.width(), 3);
    }
    EXPECT_FALSE(IsJpegData("\x89PNG"));
    EXPECT_TRUE(DecodeJpeg(bytes, image));
    EXPECT_EQ(image.width(), 200);
}

}  // namespace jpeg_picture_test
