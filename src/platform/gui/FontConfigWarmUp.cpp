#include "platform/gui/FontConfigWarmUp.h"

#ifdef WAYBILL_HAS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace waybill {

FontConfigWarmUp::FontConfigWarmUp() {
#ifdef WAYBILL_HAS_FONTCONFIG
    // Loads the configuration the toolkit's font database then finds in place.
    worker_ = std::thread([] { FcInit(); });
#endif
}

FontConfigWarmUp::~FontConfigWarmUp() {
    Wait();
}

void FontConfigWarmUp::Wait() {
    if (worker_.joinable()) {
        worker_.join();
    }
}

} // namespace waybill
