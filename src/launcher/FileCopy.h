#pragma once

#include <QString>

namespace waybill::launcher {

// Copies `source` over `target` without ever leaving a half-written target: the bytes go to
// a temporary file beside the target and only a complete copy is renamed over it. The copy
// keeps the source's permissions (an installed program stays executable) and gets the time
// of the copy as its modification time. False when anything failed; the target is then as
// it was and no temporary file is left behind.
bool CopyFileOver(const QString& source, const QString& target);

} // namespace waybill::launcher
