#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace waybill {

// The toolbar's pictures are drawn on a grid of this many units square.
constexpr int kToolbarPictureSize = 24;

// The buttons' keys ("New", "CopyPg", ...), in order.
std::vector<QString> ToolbarDrawingKeys();

// The picture of `key` drawn `scale` pixels to the unit; null for an unknown key.
QImage DrawToolbarPicture(const QString& key, int scale);

} // namespace waybill
