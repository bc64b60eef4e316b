#pragma once

#include "metafile/Metafile.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <string_view>

class QPainter;

namespace waybill {

// Paints the drawing with its frame stretched over `target` (the painter's coordinates).
// Texts use the face the metafile names; a face the system lacks falls back as Qt chooses,
// so the application registers its own drawing font before painting.
void PaintMetafile(QPainter& painter, const Metafile& drawing, const QRectF& target);

// Paints the drawing at its natural size with its top-left corner at `topLeft`, on a painter
// whose unit is the inch.
void PaintMetafileNatural(QPainter& painter, const Metafile& drawing, QPointF topLeft = {});

// What stands in for a drawing that could not be read: a frame round `target` with the
// block's name in its top-left corner.
void PaintMetafilePlaceholder(QPainter& painter, const QRectF& target, const QString& blockName);

// The drawing stretched over `target` when it was read, else the placeholder.
// `blockName` holds Windows-1252 bytes.
void PaintBlock(QPainter& painter, const MetafileResult& block, const QRectF& target,
                std::string_view blockName);


} // namespace waybill
