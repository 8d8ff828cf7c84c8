#pragma once
// Easing curves shared by the interpolating V3 constructor, the camera
// blenders and the fader. Plain functions, any thread.

// The fraction f(t) of easing curve 0..8 for t in 0..1:
// 0 linear, 1 ease in, 2 ease out, 3 sine ease out, 4 sine ease in,
// 5 sine ease in and out, 6 there and back (sine), 7 there and back (linear),
// 8 there and back (eased). An unknown curve number is taken as linear.
float easeCurve(float t, int curve);
// t clamped to 0..1, a NaN counting as 1.
float clampUnit(float t);
