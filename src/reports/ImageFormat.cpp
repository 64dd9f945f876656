#include "reports/ImageFormat.h"

#include <QFileInfo>

namespace varnel::charts {

std::optional<ImageFormat> imageFormatFromName(const QString& name) {
    const QString lowered = name.toLower();
    if (lowered == QLatin1String("bmp")) return ImageFormat::Bmp;
    if (lowered == QLatin1String("png")) return ImageFormat::Png;
    if (lowered == QLatin1String("pdf")) return ImageFormat::Pdf;
    return std::nullopt;
}

std::optional<ImageFormat> imageFormatOfFile(const QString& path) {
    return imageFormatFromName(QFileInfo(path).suffix());
}

QString defaultExtension(ImageFormat format) {
    switch (format) {
        case ImageFormat::Bmp:
            return QStringLiteral("BMP");
        case ImageFormat::Png:
            return QStringLiteral("png");
        case ImageFormat::Pdf:
            return QStringLiteral("pdf");
    }
    return {};
}

}  // namespace varnel::charts
