#pragma once
// The platform's side of the picture cache: decodes the program's own pictures
// (Qt resources ":/pictures/<type>/<number>.<ext>", JPEG or BMP) and picture
// files through Qt's image readers.
#include <QPixmap>
#include <memory>
#include <string>

#include "shell/PictureCache.h"

namespace v3 {

class CQtPicture : public IDecodedPicture {
public:
    explicit CQtPicture(QPixmap p) : pixmap(std::move(p)) {}
    QPixmap pixmap;
};

class CQtPictureDecoder : public IPictureDecoder {
public:
    std::unique_ptr<IDecodedPicture> LoadJpegBitmap(int nr, const std::string& type) override;
    std::unique_ptr<IDecodedPicture> LoadJpegBitmapFromFile(const std::string& path) override;
};

// Loads a picture of the program through the application's cache (App().pictures);
// null when there is no cache or no such picture.
std::unique_ptr<CPicture> LoadPicture(int nr, const char* type = "JPEGS");
// Loads a picture file through the cache.
std::unique_ptr<CPicture> LoadPictureFile(const std::string& path);
// The pixmap behind a picture object; an empty pixmap for none.
const QPixmap& PixmapOf(const CPicture* picture);

// Makes the program's compiled-in pictures and help pages available; call once
// after the application object exists.
void InitProgramResources();

}  // namespace v3
