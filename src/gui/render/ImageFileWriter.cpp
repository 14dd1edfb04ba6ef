#include "gui/render/ImageFileWriter.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>

#include "core/values/format/FileErrorText.h"
#include "core/values/platform/AtomicFile.h"

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

bool WriteImageFile(const QImage& image, const std::string& path, output::ImageFormat format,
                    document::FileError& error) {
    if (image.isNull()) {
        error = document::MakeFileError(document::ErrPathAccess, document::ReasonNoImage(), path);
        return false;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, FormatName(format));
    if (format == output::ImageFormat::Jpeg) writer.setQuality(90);
    // Line drawings on white compress well at zlib's fastest levels; the default
    // level costs three times the time for a few percent of file size.
    if (format == output::ImageFormat::Png) writer.setQuality(80);
    if (!writer.write(image)) {
        error = document::MakeFileError(document::ErrPathAccess, document::ReasonImageNotEncoded(),
                                        path);
        return false;
    }
    buffer.close();
    return platform::WriteFileAtomically(path, bytes.toStdString(), error);
}

} // namespace ferrovane::gui
