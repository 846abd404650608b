#include "rf/Rf.h"

#include <cmath>

#include "text/Error.h"
#include "text/Fields.h"

namespace quill {

namespace {

double MidFrequency(double f1, double f2) { return (f1 + f2) / 2; }

double WaveguideAttenuation(const TTransmissionLine& cable, double fm) {
    // Below its cut-off a waveguide carries nothing; the model has no value there.
    if (!(cable.k1 > 0) || !(fm > cable.k1))
        throw QuillError("The band's mid frequency of " + FloatToText(fm) +
                         " MHz is not above the cut-off frequency of " + FloatToText(cable.k1) +
                         " MHz of the waveguide " + cable.partNumber + ".");
    const double y = std::log(fm / cable.k1 - 1);
    return cable.k2 / 1000 * std::exp((0.09557 * y - 0.13127) * y);
}

}  // namespace

double Attenuation(const TTransmissionLine& cable, double f1, double f2) {
    const double fm = MidFrequency(f1, f2);
    if (UpperCase(cable.cableType) == "EW") return WaveguideAttenuation(cable, fm);
    return cable.k1 * std::sqrt(fm) + cable.k2 * fm;
}

double CableLoss(const TTransmissionLine& cable, bool inFeet, double length, double f1, double f2) {
    const double a = Attenuation(cable, f1, f2);
    return inFeet ? length * a / 100 : a / 100 * (length * kFeetPerMeter);
}

double InsertionLoss(const TTransmissionLine& cable, bool inFeet, double length, double f1,
                     double f2) {
    return CableLoss(cable, inFeet, length, f1, f2) +
           2 * 0.05 * std::sqrt(MidFrequency(f1, f2) / 1000);
}

double Efficiency(const TTransmissionLine& cable, bool inFeet, double length, double f1,
                  double f2) {
    return 100 * std::pow(10.0, -InsertionLoss(cable, inFeet, length, f1, f2) / 10);
}

double AveragePower(const TTransmissionLine& cable, double f1, double f2) {
    const double a = Attenuation(cable, f1, f2);
    if (a == 0) return cable.maxPower;
    const double q = cable.powerConstant / a;
    return q > cable.maxPower ? cable.maxPower : q;
}

}  // namespace quill
