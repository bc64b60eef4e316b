#pragma once

namespace waybill {

// Trigonometry in degrees, in double precision.
constexpr double kPi = 3.14159265358979;

double RadToDeg(double x);
double DegToRad(double x);
double CosD(double x);
double SinD(double x);

} // namespace waybill
