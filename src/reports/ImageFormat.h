// The picture formats a chart is written in: the Windows bitmap of the save
// command, PNG and PDF; chosen by a file's extension or a command line word.
#pragma once

#include <QString>
#include <optional>

namespace varnel::charts {

enum class ImageFormat { Bmp, Png, Pdf };

// "bmp", "png" or "pdf" in any letter case.
std::optional<ImageFormat> imageFormatFromName(const QString& name);
// The format of a file name's extension.
std::optional<ImageFormat> imageFormatOfFile(const QString& path);
// The extension of the default file names: "BMP", "png", "pdf".
QString defaultExtension(ImageFormat format);

}  // namespace varnel::charts
