// Writes the program's pictures into a folder, with the resource file that
// lists them: JPEGS/<n>.jpg for the JPEG pictures, BITMAP/<n>.bmp for the
// bitmaps. "--preview DIR" also writes PNG copies and a contact sheet of the
// animation over the background.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>
#include <cstdio>

#include "Pictures.h"

namespace {

constexpr int kFrameIds[10] = {284, 285, 287, 288, 289, 290, 291, 292, 293, 294};
constexpr int kFrames[10][4] = {{236, 116, 400, 289}, {221, 144, 327, 262}, {234, 224, 192, 184},
                                {224, 290, 160, 125}, {185, 338, 201, 99},  {184, 356, 198, 81},
                                {127, 228, 172, 196}, {96, 171, 157, 207},  {41, 126, 201, 212},
                                {4, 113, 282, 171}};

bool Save(const QImage& image, const QString& path, const char* format, int quality = -1) {
    if (image.save(path, format, quality)) return true;
    std::fprintf(stderr, "v3gfx: cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: v3gfx OUTDIR [--preview DIR]\n");
        return 2;
    }
    QDir out(QString::fromLocal8Bit(argv[1]));
    QString preview = argc >= 4 && QString(argv[2]) == "--preview" ? QString::fromLocal8Bit(argv[3]) : QString();
    if (!out.mkpath("JPEGS") || !out.mkpath("BITMAP")) return 1;

    struct Entry {
        QString name;
        QImage image;
        const char* format;
    };
    QImage background = v3gfx::MainBackground();
    std::vector<Entry> entries = {
        {"JPEGS/325.jpg", background, "JPG"},
        {"JPEGS/316.jpg", v3gfx::DialogBackground(), "JPG"},
        {"JPEGS/477.jpg", v3gfx::ProgressBackground(), "JPG"},
        {"BITMAP/519.bmp", v3gfx::AboutPicture().convertToFormat(QImage::Format_RGB888), "BMP"},
        {"BITMAP/818.bmp", v3gfx::MarkerPicture().convertToFormat(QImage::Format_RGB888), "BMP"},
        {"BITMAP/830.bmp", v3gfx::KitShirt().convertToFormat(QImage::Format_RGB888), "BMP"},
        {"BITMAP/831.bmp", v3gfx::KitShorts().convertToFormat(QImage::Format_RGB888), "BMP"},
        {"BITMAP/832.bmp", v3gfx::KitSock().convertToFormat(QImage::Format_RGB888), "BMP"},
        {"BITMAP/165.bmp", v3gfx::FlagPictures().convertToFormat(QImage::Format_RGB888), "BMP"},
    };
    for (int i = 0; i < 10; ++i)
        entries.push_back({QString("BITMAP/%1.bmp").arg(kFrameIds[i]),
                           v3gfx::AnimationFrame(background, i).convertToFormat(QImage::Format_RGB888), "BMP"});

    bool ok = true;
    for (const auto& e : entries) ok &= Save(e.image, out.filePath(e.name), e.format, 92);

    QFile qrc(out.filePath("pictures.qrc"));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 1;
    QTextStream s(&qrc);
    s << "<RCC>\n  <qresource prefix=\"/pictures\">\n";
    for (const auto& e : entries) s << "    <file>" << e.name << "</file>\n";
    s << "  </qresource>\n</RCC>\n";

    if (!preview.isEmpty()) {
        QDir p(preview);
        p.mkpath(".");
        for (const auto& e : entries) {
            QString n = e.name;
            Save(e.image, p.filePath(n.replace('/', '_').section('.', 0, 0) + ".png"), "PNG");
        }
        // Contact sheet: every frame at its place over the background.
        QImage sheet(640 * 5, 480 * 2, QImage::Format_RGB32);
        QPainter sp(&sheet);
        for (int i = 0; i < 10; ++i) {
            QImage view = background.copy();
            QPainter vp(&view);
            vp.drawImage(kFrames[i][0], kFrames[i][1], v3gfx::AnimationFrame(background, i));
            vp.setPen(Qt::yellow);
            vp.drawText(600, 470, QString::number(i));
            vp.end();
            sp.drawImage((i % 5) * 640, (i / 5) * 480, view);
        }
        sp.end();
        Save(sheet.scaled(sheet.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
             p.filePath("animation_sheet.png"), "PNG");
    }
    return ok ? 0 : 1;
}
