#pragma once

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace orbanil {

// A point or a vector in the shape's own space (MSTS space: +X right, +Y up, +Z toward the
// front of the car, left-handed), in metres; a point is its vector from the origin.
template <class T> struct Vector3
{
    T x = 0;
    T y = 0;
    T z = 0;
    bool operator==(const Vector3&) const = default;
};

// Float for the shape's many vertices, double for the camera's arithmetic.
using Vec3 = Vector3<float>;
using Vec3d = Vector3<double>;

template <class To, class From> constexpr Vector3<To> vectorCast(const Vector3<From>& v)
{
    return {static_cast<To>(v.x), static_cast<To>(v.y), static_cast<To>(v.z)};
}

template <class T> constexpr Vector3<T> operator+(const Vector3<T>& a, const Vector3<T>& b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

template <class T> constexpr Vector3<T> operator-(const Vector3<T>& a, const Vector3<T>& b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

// The scalar in the vector's own precision, so that float stays float.
template <class T> constexpr Vector3<T> operator*(const Vector3<T>& a, std::type_identity_t<T> s)
{
    return {a.x * s, a.y * s, a.z * s};
}

template <class T> constexpr Vector3<T> operator/(const Vector3<T>& a, std::type_identity_t<T> s)
{
    return {a.x / s, a.y / s, a.z / s};
}

template <class T> constexpr T dot(const Vector3<T>& a, const Vector3<T>& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

template <class T> constexpr Vector3<T> cross(const Vector3<T>& a, const Vector3<T>& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

template <class T> T length(const Vector3<T>& a)
{
    return std::sqrt(dot(a, a));
}

// Unit length, or zero where the vector has no length or none that is a number.
template <class T> Vector3<T> normalized(const Vector3<T>& a)
{
    const T l = length(a);
    return l > 0 && std::isfinite(l) ? a / l : Vector3<T>{};
}

template <class T> constexpr Vector3<T> min(const Vector3<T>& a, const Vector3<T>& b)
{
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::min(a.z, b.z)};
}

template <class T> constexpr Vector3<T> max(const Vector3<T>& a, const Vector3<T>& b)
{
    return {std::max(a.x, b.x), std::max(a.y, b.y), std::max(a.z, b.z)};
}

} // namespace orbanil
