#include "Picture.h"

#include <QFile>
#include <QString>

namespace {
int loads = 0;
} // namespace

std::shared_ptr<Picture> Picture::OpenFromApp(std::string_view fileName) {
    const QString path =
        ":/" + QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size()));
    if (!QFile::exists(path)) {
        return nullptr;
    }
    ++loads;
    QPixmap pixmap;
    if (!pixmap.load(path)) {
        return nullptr;
    }
    return std::make_shared<Picture>(std::move(pixmap));
}

int Picture::LoadCount() {
    return loads;
}
