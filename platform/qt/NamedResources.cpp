#include "platform/qt/NamedResources.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <map>

#include "platform/qt/JpegPicture.h"

namespace {

struct ResourceIndex {
    std::map<QString, QString> pathByKey;  // upper-case name -> resource path
    std::vector<std::string> names;
};

const ResourceIndex& Index()
{
    static const ResourceIndex index = [] {
        InitNamedResources();
        ResourceIndex built;
        for (const char* root : {":/named", ":/generated"}) {
            QDirIterator it(QString::fromLatin1(root), QDir::Files, QDirIterator::Subdirectories);
            QStringList paths;
            while (it.hasNext()) paths << it.next();
            paths.sort();
            for (const QString& path : paths) {
                const QString name = QFileInfo(path).fileName().section(QLatin1Char('.'), 0, 0);
                const QString key = name.toUpper();
                if (built.pathByKey.count(key)) continue;
                built.pathByKey[key] = path;
                built.names.push_back(name.toStdString());
            }
        }
        return built;
    }();
    return index;
}

}  // namespace

bool FindNamedResource(const std::string& name, QString& path)
{
    const ResourceIndex& index = Index();
    auto it = index.pathByKey.find(QString::fromStdString(name).toUpper());
    if (it == index.pathByKey.end()) return false;
    path = it->second;
    return true;
}

bool LoadNamedResource(const std::string& name, std::string& bytes)
{
    QString path;
    if (!FindNamedResource(name, path)) return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray data = file.readAll();
    bytes.assign(data.constData(), static_cast<std::size_t>(data.size()));
    return true;
}

bool LoadNamedPicture(const std::string& name, QImage& image)
{
    // The resources do not change while the program runs: each picture is
    // decoded once (a QImage copy shares its pixels until it is changed).
    static std::map<std::string, QImage> decoded;
    const std::string key = QString::fromStdString(name).toUpper().toStdString();
    if (auto it = decoded.find(key); it != decoded.end()) {
        image = it->second;
        return true;
    }
    std::string bytes;
    if (!LoadNamedResource(name, bytes)) return false;
    // Pictures stored as JPEG are decoded through libjpeg, the others by Qt.
    QImage loaded;
    if (IsJpegData(bytes)) {
        if (!DecodeJpeg(bytes, loaded)) return false;
    } else {
        loaded = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()));
        if (loaded.isNull()) return false;
    }
    decoded.emplace(key, loaded);
    image = loaded;
    return true;
}

std::vector<std::string> NamedResourceNames() { return Index().names; }
