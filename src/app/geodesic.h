// Distances on the WGS84 ellipsoid, for tracks recorded by GPS.
#pragma once

struct GeoPosition {
    double Latitude = 0;  // degrees, -90 to 90
    double Longitude = 0; // degrees
};

// The length in metres of the shortest path between a and b on the WGS84 ellipsoid.
double ellipsoidDistance(const GeoPosition& a, const GeoPosition& b);
