#pragma once

// The entry points of the generator dialogs. Each shows its dialog modally and returns the new
// page(s) when the user pressed OK and the detail was made, or nothing (Cancel). The caller
// adds them (ChkPgContents, AddDetailPages, FileChanged, ShowPage, then CheckSort).

#include "details/CondHead.h"
#include "details/DownSpout.h"
#include "details/EndDam.h"
#include "details/gui/DetailDialog.h"
#include "details/Gutter.h"

#include <optional>
#include <vector>

namespace waybill {

using NewDetailPages = std::optional<std::vector<Page>>;

NewDetailPages StartGutter(GutterKind kind, const DetailDialogContext& context);
NewDetailPages StartDownSpout(KickoutStyle style, const DetailDialogContext& context);
NewDetailPages StartDSOffset(const DetailDialogContext& context);
NewDetailPages StartCondHead(CondHeadOffset offset, const DetailDialogContext& context);
NewDetailPages StartCapTrim(const DetailDialogContext& context);
NewDetailPages StartEndDam(EndDamPanel panel, const DetailDialogContext& context);
NewDetailPages StartPreventRidgeCap(const DetailDialogContext& context);
NewDetailPages StartSSeamRidgeCap(const DetailDialogContext& context);

} // namespace waybill
