#pragma once

#include "core/space/Vector.h"

namespace orbanil {

// Where a key moves the head: as the simulator's keys do, along the car's axes whatever way the
// view looks (PageUp and PageDown forward and back, Alt with the arrows to the sides and up and
// down).
enum class HeadDirection
{
    Forward,
    Back,
    Left,
    Right,
    Up,
    Down,
};

// Shift moves eight times as far, Ctrl an eighth as far; both together, as far as neither.
enum class StepPace
{
    Normal,
    Fast,
    Slow,
};

// A key press moves the head as far as the simulator does in 1/25 s, a frame or about one key
// repeat: 10 cm forward, and at an eighth of that still a millimetre and more on every axis.
inline constexpr double headStepSeconds = 1.0 / 25;
inline constexpr double headDragMetresPerPixel = 0.01;

// The box the head moves in: the shape's bounds.
struct CabinBounds
{
    Vec3 low;
    Vec3 high;
    bool operator==(const CabinBounds&) const = default;
};

// How far a key press moves the head, metres in the shape's space.
Vec3d headStep(HeadDirection direction, StepPace pace);

// How far a drag of so many pixels moves the head across the floor, as the view looks along
// its heading (radians): up the image forward, right to the right.
Vec3d headDragStep(double heading, double rightPixels, double upPixels);

// The head moved by `step`, each coordinate held within the bounds, or where it already stood
// beyond them: a move never takes the head out of the cabin, nor further out.
Vec3 movedHead(Vec3 head, Vec3d step, const CabinBounds& bounds);

} // namespace orbanil
