#include "app/gui/ToolbarIcons.h"

#include "app/gui/ToolbarPictures.h"

#include <QBuffer>
#include <QImageReader>
#include <QPixmap>

namespace waybill {

QIcon ToolbarIcon(const QString& key) {
    const QByteArray wanted = key.toLatin1();
    QIcon icon;
    for (const ToolbarPicture& picture : ToolbarPictures()) {
        if (picture.key != std::string_view(wanted.constData(), wanted.size())) {
            continue;
        }
        QByteArray png =
            QByteArray::fromRawData(picture.png.data(), static_cast<qsizetype>(picture.png.size()));
        QBuffer buffer(&png);
        // Read as the PNG it is: a reader left to detect the format would load every image
        // plugin to ask it first.
        QImageReader reader(&buffer, "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

} // namespace waybill
