#include "platform/DocumentLock.h"

#include <cstdint>
#include <string>
#include <string_view>

// A lock file comes from another user's machine: whatever it holds, a line read as a holder
// writes back as one line that reads as the same holder.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto holder = waybill::ParseLockLine(text);
    if (!holder) {
        return 0;
    }
    const std::string line = waybill::LockLine(*holder);
    if (line.find_first_of("\r\n") != line.size() - 2 || waybill::ParseLockLine(line) != holder) {
        __builtin_trap();
    }
    return 0;
}
