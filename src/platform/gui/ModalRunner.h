#pragma once

#include <functional>
#include <QDialog>

namespace waybill {

// Shows a dialog modally and answers its result (QDialog::Accepted, Rejected or the code it
// was closed with). The program runs QDialog::exec; tests drive the dialog instead.
using ModalRunner = std::function<int(QDialog&)>;

inline int RunModal(QDialog& dialog) {
    return dialog.exec();
}

} // namespace waybill
