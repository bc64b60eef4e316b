#include "app/gui/ToolbarIcons.h"

#include "app/gui/ToolbarPictures.h"

#include <QImage>
#include <QPixmap>

namespace waybill {

// The pixels are the program's own: nothing to decode, and no image plugin is loaded.
QIcon ToolbarIcon(const QString& key) {
    const QByteArray wanted = key.toLatin1();
    QIcon icon;
    for (const ToolbarPicture& picture : ToolbarPictures()) {
        if (picture.key != std::string_view(wanted.constData(), wanted.size())) {
            continue;
        }
        const QImage image(reinterpret_cast<const uchar*>(picture.pixels), picture.side,
                           picture.side, QImage::Format_ARGB32_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace waybill
