#pragma once

#include "model/Page.h"
#include "page/gui/BlockPicture.h"

#include <QString>
#include <QWidget>
#include <vector>

namespace waybill {

class BlockAttribDefs;
class BlockLibrary;

// The drawings of a detail's pages with their computed values, as the pages will show them,
// or the reason there is no detail yet. A warning the OK will ask about shows above the
// drawings. Either source may be missing: then only the texts are shown.
class DetailPreview : public QWidget {
    Q_OBJECT

  public:
    DetailPreview(BlockLibrary* blocks, BlockAttribDefs* attribDefs, QWidget* parent = nullptr);

    // Every page the OK will add; `warning` (empty: none) above them.
    void ShowPages(std::vector<Page> pages, const QString& warning = {});
    void ShowProblem(const QString& text);

    int PageCount() const { return problem_.isEmpty() ? static_cast<int>(pages_.size()) : 0; }
    const std::vector<Page>& Pages() const { return pages_; }
    // The layers of shown page `index` laid out over `target`.
    std::vector<BlockLayer> Layers(int index, const QRectF& target) const;
    const QString& Problem() const { return problem_; }
    const QString& Warning() const { return warning_; }
    // Where page `index`'s drawing goes in a preview of `size`: its share of the room below the
    // warning (pages side by side or one under the other, whichever draws them larger), the
    // drawing's proportions, centred.
    QRectF DrawingArea(int index, const QSizeF& size) const;

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double WarningHeight() const;
    QSizeF DrawingInches(int index) const;

    BlockLibrary* blocks_;
    BlockAttribDefs* attribDefs_;
    std::vector<Page> pages_;
    QString problem_;
    QString warning_;
};

} // namespace waybill
