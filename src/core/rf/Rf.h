#pragma once

#include "catalogue/Catalogue.h"

namespace quill {

inline constexpr double kFeetPerMeter = 3.2808;

// Attenuation at the band's mid frequency, in dB per 100 feet. Coaxial cables:
// k1*sqrt(f) + k2*f. Elliptical waveguide ("EW"): k1 is the cut-off frequency and
// the band must lie above it, otherwise a QuillError names the cut-off.
double Attenuation(const TTransmissionLine& cable, double f1, double f2);
double CableLoss(const TTransmissionLine& cable, bool inFeet, double length, double f1, double f2);
// The cable's loss plus 0.05 dB at 1 GHz for each of the two connectors.
double InsertionLoss(const TTransmissionLine& cable, bool inFeet, double length, double f1,
                     double f2);
double Efficiency(const TTransmissionLine& cable, bool inFeet, double length, double f1, double f2);
// Power constant / attenuation, capped at the cable's maximum power (kW). A
// lossless cable carries its maximum power.
double AveragePower(const TTransmissionLine& cable, double f1, double f2);

}  // namespace quill
