#pragma once

#include "catalog/Finishes.h"
#include "catalog/gui/DropDownList.h"

#include <string>

namespace waybill {

class DialogService;

// The finish drop-down laid over the title block's Finish box: the long names of the page's
// finish catalogue, opened on the entry that matches the box loosely.
class cmbFinish : public DropDownList {
    Q_OBJECT

  public:
    cmbFinish(DialogService& dialogs, QWidget* parent = nullptr);

    // A click on the Finish box: without a catalogue the finish may not be changed (a note
    // says so and false is returned); otherwise the list opens over `boxRect` (the parent's
    // coordinates) in the box's font size.
    bool ShowCmbFinish(const FinishCatalogue* pageFinishes, const std::string& finishField,
                       const QRect& boxRect, qreal pointSize);

  signals:
    // The user picked a finish: its long name (Windows-1252). The window applies PickFinish.
    void FinishPicked(const std::string& longName);

  private:
    DialogService& dialogs_;
    const FinishCatalogue* finishes_ = nullptr;
};

} // namespace waybill
