#include "units/Angles.h"

#include <cmath>

namespace waybill {

double RadToDeg(double x) {
    return x / kPi * 180.0;
}
double DegToRad(double x) {
    return x / 180.0 * kPi;
}
double CosD(double x) {
    return std::cos(DegToRad(x));
}
double SinD(double x) {
    return std::sin(DegToRad(x));
}

} // namespace waybill
