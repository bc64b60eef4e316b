#pragma once

#include "model/Page.h"
#include "page/gui/BlockPicture.h"

#include <QString>
#include <QWidget>
#include <vector>

namespace waybill {

class BlockAttribDefs;
class BlockLibrary;

// The drawing of a detail with its computed values, as the page will show it, or the reason
// there is no detail yet. Either source may be missing: then only the texts are shown.
class DetailPreview : public QWidget {
    Q_OBJECT

  public:
    DetailPreview(BlockLibrary* blocks, BlockAttribDefs* attribDefs, QWidget* parent = nullptr);

    void ShowPage(const Page& page);
    void ShowProblem(const QString& text);

    // The layers of the shown page laid out over `target` (empty while a problem is shown).
    std::vector<BlockLayer> Layers(const QRectF& target) const;
    const QString& Problem() const { return problem_; }
    // Where the drawing goes in a picture of `size`: the first drawing's proportions, centred.
    QRectF DrawingArea(const QSizeF& size) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    BlockLibrary* blocks_;
    BlockAttribDefs* attribDefs_;
    Page page_;
    QString problem_;
};

} // namespace waybill
