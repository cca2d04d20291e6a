// Vincenty's inverse formula: iterated on the auxiliary sphere, it is exact to well under a
// millimetre on the ellipsoid, where the haversine formula on a sphere errs by up to 0.5 %, and it is
// far shorter than Karney's method. Its one weakness, points nearly opposite on the globe where the
// iteration does not converge, never arises between the points of one track, metres apart; should
// broken data bring it, the great-circle distance on the sphere of the ellipsoid's mean radius
// stands in.
#include "app/geodesic.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kSemiMajorAxis = 6378137.0;      // a, m
constexpr double kFlattening = 1 / 298.257223563; // f
constexpr double kSemiMinorAxis = kSemiMajorAxis * (1 - kFlattening);
constexpr double kMeanRadius = 6371008.8; // (2a + b) / 3, m
constexpr int kMaxIterations = 200;
constexpr double kConverged = 1e-12; // change of lambda, radians

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

double greatCircleDistance(double phi1, double phi2, double dLambda) {
    const double h = std::pow(std::sin((phi2 - phi1) / 2), 2) +
                     std::cos(phi1) * std::cos(phi2) * std::pow(std::sin(dLambda / 2), 2);
    return 2 * kMeanRadius * std::asin(std::min(1.0, std::sqrt(h)));
}

} // namespace

double ellipsoidDistance(const GeoPosition& a, const GeoPosition& b) {
    const double f = kFlattening;
    const double phi1 = radians(a.Latitude);
    const double phi2 = radians(b.Latitude);
    const double L = std::remainder(radians(b.Longitude - a.Longitude), 2 * std::numbers::pi);
    const double U1 = std::atan((1 - f) * std::tan(phi1));
    const double U2 = std::atan((1 - f) * std::tan(phi2));
    const double sinU1 = std::sin(U1), cosU1 = std::cos(U1);
    const double sinU2 = std::sin(U2), cosU2 = std::cos(U2);

    double lambda = L;
    double sinSigma = 0, cosSigma = 0, sigma = 0, cosSqAlpha = 0, cos2SigmaM = 0;
    for (int i = 0; i < kMaxIterations; ++i) {
        const double sinLambda = std::sin(lambda), cosLambda = std::cos(lambda);
        sinSigma = std::hypot(cosU2 * sinLambda, cosU1 * sinU2 - sinU1 * cosU2 * cosLambda);
        if (sinSigma == 0) return 0; // the same point
        cosSigma = sinU1 * sinU2 + cosU1 * cosU2 * cosLambda;
        sigma = std::atan2(sinSigma, cosSigma);
        const double sinAlpha = cosU1 * cosU2 * sinLambda / sinSigma;
        cosSqAlpha = 1 - sinAlpha * sinAlpha;
        cos2SigmaM = cosSqAlpha != 0 ? cosSigma - 2 * sinU1 * sinU2 / cosSqAlpha : 0; // 0 on the equator
        const double C = f / 16 * cosSqAlpha * (4 + f * (4 - 3 * cosSqAlpha));
        const double previous = lambda;
        lambda =
            L + (1 - C) * f * sinAlpha *
                    (sigma + C * sinSigma * (cos2SigmaM + C * cosSigma * (-1 + 2 * cos2SigmaM * cos2SigmaM)));
        if (std::abs(lambda - previous) < kConverged) {
            const double uSq = cosSqAlpha *
                               (kSemiMajorAxis * kSemiMajorAxis - kSemiMinorAxis * kSemiMinorAxis) /
                               (kSemiMinorAxis * kSemiMinorAxis);
            const double A = 1 + uSq / 16384 * (4096 + uSq * (-768 + uSq * (320 - 175 * uSq)));
            const double B = uSq / 1024 * (256 + uSq * (-128 + uSq * (74 - 47 * uSq)));
            const double deltaSigma = B * sinSigma *
                                      (cos2SigmaM + B / 4 *
                                                        (cosSigma * (-1 + 2 * cos2SigmaM * cos2SigmaM) -
                                                         B / 6 * cos2SigmaM * (-3 + 4 * sinSigma * sinSigma) *
                                                             (-3 + 4 * cos2SigmaM * cos2SigmaM)));
            return kSemiMinorAxis * A * (sigma - deltaSigma);
        }
    }
    return greatCircleDistance(phi1, phi2, L);
}
