// The main window's AutoPage menu (frmWaybillMain.h): each entry opens a trim-detail dialog,
// and the page(s) it makes are added after the current page as one undoable step.
#include "app/gui/frmWaybillMain.h"
#include "app/gui/WaybillMain.h"
#include "details/DetailCatalogue.h"
#include "details/gui/DetailDialog.h"
#include "model/Page.h"
#include "platform/gui/QtText.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace waybill {

void frmWaybillMain::CreateDetailMenu() {
    QMenu* autoPage = menuBar()->addMenu(QStringLiteral("&AutoPage"));
    autoPage->setObjectName(QStringLiteral("mnuAutoPg"));
    ruled_.emplace_back(autoPage->menuAction(), &CommandEnabling::editing);
    for (const DetailGenerator& generator : DetailCatalogue()) {
        QMenu* menu = autoPage;
        if (!generator.menuName.empty()) {
            menu = autoPage->addMenu(FromCp1252(generator.menuCaption));
            menu->setObjectName(FromCp1252(generator.menuName));
        }
        for (const DetailVariant& variant : generator.variants) {
            QAction* action = menu->addAction(FromCp1252(variant.menuCaption));
            action->setObjectName(FromCp1252(variant.menuName));
            connect(action, &QAction::triggered, this, [this, &variant] { AddDetail(variant); });
        }
    }
}

// The dialog previews the detail with the page's own block drawings and attribute layout.
void frmWaybillMain::AddDetail(const DetailVariant& variant) {
    const DetailDialogContext context{dialogs_, &session_.Blocks(), module_.attribDefs.get(),
                                      runModal_, this};
    if (auto pages = StartDetail(variant, context); pages && !pages->empty()) {
        session_.AddDetailPages(variant.step, std::move(*pages));
    }
}

} // namespace waybill
