#pragma once

#include "core/shape/CabinShape.h"

namespace orbanil {

// A point or a vector in the shape's space in double precision, for the camera's arithmetic.
struct Direction
{
    double x = 0;
    double y = 0;
    double z = 0;
};

constexpr Direction directionOf(const Vec3& v)
{
    return {v.x, v.y, v.z};
}

constexpr Direction operator+(const Direction& a, const Direction& b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

constexpr Direction operator-(const Direction& a, const Direction& b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

constexpr Direction operator*(const Direction& a, double s)
{
    return {a.x * s, a.y * s, a.z * s};
}

constexpr double dot(const Direction& a, const Direction& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

constexpr Direction cross(const Direction& a, const Direction& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

} // namespace orbanil
