#pragma once

#include "metafile/Metafile.h"
#include "page/AttribDefs.h"
#include "page/PageView.h"

#include <memory>
#include <QFont>
#include <QString>
#include <QWidget>
#include <string>
#include <vector>

namespace waybill {

// One attribute text as it is drawn (PaintCornerText): the font, the top-left corner of the
// text and its rotation (degrees, counter-clockwise) about that corner.
struct AttributeText {
    QString text;
    QFont font;
    QPointF topLeft;
    double rotation = 0;
    bool changed = false; // since the comparison base: shaded
};

// One block of the page: its drawing (null when missing: the name is drawn instead) and
// the attribute texts on it.
struct BlockLayer {
    std::string name; // Windows-1252
    std::shared_ptr<const Metafile> drawing;
    std::vector<AttributeText> texts;
};

// The block's attribute texts (PlaceBlockTexts) on a picture of `picture` pixels that its
// drawing is stretched over, each in "ArialDT" at its size, measured as that font draws: the
// texts keep their size and place on the drawing at any picture size. The page and the detail
// preview both draw these, so a preview reads as the page will.
std::vector<AttributeText> PictureTexts(const PageBlock& block, BlockAttribDefs* definitions,
                                        const Metafile& drawing, const QSizeF& picture);

// The block picture: every block of the page painted over the whole picture, one over the
// other, with its attribute texts.
class BlockPicture : public QWidget {
    Q_OBJECT

  public:
    explicit BlockPicture(QWidget* parent = nullptr);

    void SetLayers(std::vector<BlockLayer> layers);
    const std::vector<BlockLayer>& Layers() const { return layers_; }

    // Paints the layers over `target` (the block picture's whole area).
    static void Paint(QPainter& painter, const std::vector<BlockLayer>& layers,
                      const QRectF& target);

  signals:
    // A left double-click on the picture (the Edit Attributes command hangs here).
    void DoubleClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    std::vector<BlockLayer> layers_;
};

} // namespace waybill
