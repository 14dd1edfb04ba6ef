#include "gui/render/ImageFileWriter.h"

#include <QImageWriter>
#include <QSaveFile>

namespace ferrovane::gui {

namespace {

const char* FormatName(output::ImageFormat format) {
    switch (format) {
    case output::ImageFormat::Jpeg:
        return "jpeg";
    case output::ImageFormat::Png:
        return "png";
    case output::ImageFormat::Bmp:
        break;
    }
    return "bmp";
}

} // namespace

bool WriteImageFile(const QImage& image, const std::string& path, output::ImageFormat format) {
    if (image.isNull() || path.empty()) return false;
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    QImageWriter writer(&file, FormatName(format));
    if (format == output::ImageFormat::Jpeg) writer.setQuality(90);
    // Line drawings on white compress well at zlib's fastest levels; the default
    // level costs three times the time for a few percent of file size.
    if (format == output::ImageFormat::Png) writer.setQuality(80);
    if (!writer.write(image)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace ferrovane::gui
