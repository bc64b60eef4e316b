#include "model/Page.h"

#include "units/Text.h"

namespace waybill {

std::string CadBase(std::string_view cadNumber) {
    return ToLower(cadNumber.substr(0, cadNumber.find('-')));
}

} // namespace waybill
