// The pictures that the selector and the card pictures name: every one is
// compiled into the program, found without regard to case, of its size, and
// each name has a picture of its own.
#include <QCryptographicHash>
#include <QImage>
#include <map>
#include <set>

#include "platform/qt/NamedResources.h"
#include "tests/app/AppTestForms.h"

namespace pictures_test {

namespace {

std::string Lower(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

QByteArray Digest(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    return QCryptographicHash::hash(
        QByteArrayView(reinterpret_cast<const char*>(argb.constBits()), argb.sizeInBytes()),
        QCryptographicHash::Sha1);
}

TEST(PicturesTest, EveryPictureOfTheBoardAndCardTablesLoads)
{
    SeamRecorder seam;
    std::set<std::string> boardNames, cardNames;
    for (const TSelectorBoardRow& row : SelectorBoardRows()) boardNames.insert(row.Picture);
    for (int id = 0; id <= 98; ++id) {
        if (id == 9 || id == 38 || id == 39 || id == 77 || id == 89) continue;
        const std::string name = TFormMain::GetCardBitmapName(static_cast<DaughterId>(id));
        if (!name.empty()) cardNames.insert(name);
    }
    EXPECT_EQ(boardNames.size(), 40u);  // two pairs of boards share theirs
    EXPECT_EQ(cardNames.size(), 90u);   // three pairs of cards share theirs

    std::map<QByteArray, std::string> byDigest;
    auto check = [&](const std::string& name, int width, int height) {
        QImage image, lower;
        ASSERT_TRUE(LoadNamedPicture(name, image)) << name;
        ASSERT_TRUE(LoadNamedPicture(Lower(name), lower)) << name;
        EXPECT_EQ(image, lower);
        EXPECT_EQ(image.width(), width) << name;
        EXPECT_EQ(image.height(), height) << name;
        const auto [it, fresh] = byDigest.emplace(Digest(image), name);
        EXPECT_TRUE(fresh) << name << " looks like " << it->second;
    };
    for (const std::string& name : boardNames) check(name, 400, 220);
    for (const std::string& name : cardNames) check(name, 80, 80);
}

}  // namespace

}  // namespace pictures_test
