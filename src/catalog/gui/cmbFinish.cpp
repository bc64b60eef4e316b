#include "catalog/gui/cmbFinish.h"

#include "platform/gui/DialogService.h"
#include "platform/gui/QtText.h"

namespace waybill {

cmbFinish::cmbFinish(DialogService& dialogs, QWidget* parent)
    : DropDownList(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("cmbFinish"));
    connect(this, &DropDownList::Chosen, this, [this](int index) {
        if (finishes_ != nullptr) {
            emit FinishPicked(finishes_->Entries().at(static_cast<std::size_t>(index)).LongName);
        }
    });
}

bool cmbFinish::ShowCmbFinish(const FinishCatalogue* pageFinishes, const std::string& finishField,
                              const QRect& boxRect, qreal pointSize) {
    if (pageFinishes == nullptr) {
        dialogs_.ShowMessage(FinishNotModifiableMessage());
        return false;
    }
    finishes_ = pageFinishes;
    QStringList names;
    for (const clsFinish& finish : pageFinishes->Entries()) {
        names << FromCp1252(finish.LongName);
    }
    if (pointSize > 0) {
        QFont sized = font();
        sized.setPointSizeF(pointSize);
        setFont(sized);
    }
    const auto match = PreselectFinish(*pageFinishes, finishField);
    Open(names, match ? std::optional<int>(static_cast<int>(*match)) : std::nullopt, boxRect);
    return true;
}

} // namespace waybill
