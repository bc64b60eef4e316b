// The AutoPage menu: each entry opens a trim-detail dialog, and the page(s) it makes are added
// after the current page as one undoable step.
#include "app/gui/frmWaybillMain.h"
#include "app/gui/WaybillMain.h"
#include "details/gui/StartDetails.h"
#include "model/Page.h"
#include "platform/gui/QtText.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace waybill {

void frmWaybillMain::CreateDetailMenu() {
    QMenu* autoPage = menuBar()->addMenu(QStringLiteral("&AutoPage"));
    autoPage->setObjectName(QStringLiteral("mnuAutoPg"));
    const auto entry = [this](QMenu* menu, const char* name, const QString& text,
                              const QString& step, DetailStarter start) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this,
                [this, step, start = std::move(start)] { AddDetail(step, start); });
    };
    const auto submenu = [autoPage](const char* name, const QString& text) {
        QMenu* menu = autoPage->addMenu(text);
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };
    const auto gutter = [](GutterKind kind) {
        return [kind](const DetailDialogContext& c) { return StartGutter(kind, c); };
    };
    const auto downSpout = [](KickoutStyle style) {
        return [style](const DetailDialogContext& c) { return StartDownSpout(style, c); };
    };
    const auto condHead = [](CondHeadOffset offset) {
        return [offset](const DetailDialogContext& c) { return StartCondHead(offset, c); };
    };
    const auto endDam = [](EndDamPanel panel) {
        return [panel](const DetailDialogContext& c) { return StartEndDam(panel, c); };
    };

    QMenu* gutters = submenu("mnuAutoPgGut", QStringLiteral("&Gutter"));
    entry(gutters, "mnuAutoPgGutOversize", QStringLiteral("&Oversized"),
          QStringLiteral("Oversized Gutter Detail"), gutter(GutterKind::Oversize));
    entry(gutters, "mnuAutoPgGutStandard", QStringLiteral("&Standard"),
          QStringLiteral("Standard Gutter Detail"), gutter(GutterKind::Standard));
    entry(gutters, "mnuAutoPgGutSevIcing", QStringLiteral("For &Severe Icing"),
          QStringLiteral("Gutter Detail for Severe Icing"), gutter(GutterKind::SevereIce));

    QMenu* downSpouts = submenu("mnuOversizeDS", QStringLiteral("&Oversize Downspout"));
    entry(downSpouts, "mnuOversizeStdKO", QStringLiteral("w/ &Standard Kickout"),
          QStringLiteral("Downspout Detail"), downSpout(KickoutStyle::Standard));
    entry(downSpouts, "mnuOversizeOldKO", QStringLiteral("w/ &Old Style Kickout"),
          QStringLiteral("Downspout Detail"), downSpout(KickoutStyle::OldStyle));
    entry(autoPage, "mnuDSOffset", QStringLiteral("&Downspout Offset"),
          QStringLiteral("Downspout Offset Detail"), StartDSOffset);

    QMenu* condHeads = submenu("mnuCondHead", QStringLiteral("&Conductor Head"));
    entry(condHeads, "mnuCondHeadNormal", QStringLiteral("&Normal"),
          QStringLiteral("Conductor Head Detail"), condHead(CondHeadOffset::None));
    entry(condHeads, "mnuCondHeadLeft", QStringLiteral("&Left Offset"),
          QStringLiteral("Conductor Head Detail"), condHead(CondHeadOffset::Left));
    entry(condHeads, "mnuCondHeadRight", QStringLiteral("&Right Offset"),
          QStringLiteral("Conductor Head Detail"), condHead(CondHeadOffset::Right));

    entry(autoPage, "mnuMansardCapTrim", QStringLiteral("&Mansard Cap Trim"),
          QStringLiteral("Cap Trim Detail"), StartCapTrim);
    QMenu* endDams = submenu("mnuEndDam", QStringLiteral("End Dam"));
    entry(endDams, "mnuEndDamAS24R", QStringLiteral("AS-24R"), QStringLiteral("End Dam Detail"),
          endDam(EndDamPanel::ApexSeam24R));
    entry(endDams, "mnuEndDamIIPlus", QStringLiteral("II/Plus"), QStringLiteral("End Dam Detail"),
          endDam(EndDamPanel::ApexSeamIIPlus));

    QMenu* ridgeCaps = submenu("mnuRidgeCap", QStringLiteral("&Ridge Cap"));
    entry(ridgeCaps, "mnuRidgeCapPrevent", QStringLiteral("&Prevent"),
          QStringLiteral("Ridge Cap Detail"), StartPreventRidgeCap);
    entry(ridgeCaps, "mnuRidgeCapSSeam", QStringLiteral("&Standing Seam"),
          QStringLiteral("Ridge Cap Detail"), StartSSeamRidgeCap);
}

// The dialog previews the detail with the page's own block drawings and attribute layout.
void frmWaybillMain::AddDetail(const QString& step, const DetailStarter& start) {
    const DetailDialogContext context{dialogs_, &session_.Blocks(), module_.attribDefs.get(),
                                      runModal_, this};
    if (NewDetailPages pages = start(context); pages && !pages->empty()) {
        session_.AddDetailPages(ToUtf8(step), std::move(*pages));
    }
}

} // namespace waybill
