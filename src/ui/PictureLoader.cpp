#include "ui/PictureLoader.h"

#include <QFile>
#include <QImageReader>

#include "base/AppState.h"

// Resource initialisers live outside any namespace.
static void InitResourcesOutsideNamespace() {
    Q_INIT_RESOURCE(pictures);
    Q_INIT_RESOURCE(help);
}

namespace v3 {

namespace {

std::unique_ptr<IDecodedPicture> Decode(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull()) return nullptr;
    return std::make_unique<CQtPicture>(QPixmap::fromImage(std::move(image)));
}

}  // namespace

std::unique_ptr<IDecodedPicture> CQtPictureDecoder::LoadJpegBitmap(int nr, const std::string& type) {
    for (const char* ext : {"jpg", "bmp", "png"}) {
        QString path = QString(":/pictures/%1/%2.%3").arg(QString::fromStdString(type)).arg(nr).arg(ext);
        if (QFile::exists(path)) return Decode(path);
    }
    return nullptr;
}

std::unique_ptr<IDecodedPicture> CQtPictureDecoder::LoadJpegBitmapFromFile(const std::string& path) {
    return Decode(QString::fromStdString(path));
}

std::unique_ptr<CPicture> LoadPicture(int nr, const char* type) {
    CPictureCache* cache = App().pictures;
    return cache ? cache->LoadJpegBitmap(nr, type) : nullptr;
}

std::unique_ptr<CPicture> LoadPictureFile(const std::string& path) {
    CPictureCache* cache = App().pictures;
    return cache ? cache->LoadJpegBitmap(path) : nullptr;
}

const QPixmap& PixmapOf(const CPicture* picture) {
    static const QPixmap kNone;
    if (picture)
        if (const auto* q = picture->As<CQtPicture>()) return q->pixmap;
    return kNone;
}

void InitProgramResources() { InitResourcesOutsideNamespace(); }

}  // namespace v3
