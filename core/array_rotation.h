// The array's profile plane and the host's placement that carries it into the room.
//
// Every deliverable lays its boxes out in the array frame's y-z plane (u backward, v up, origin at
// the front top of the top box); the host's loudspeaker position and angles then place that
// frame in the room. Angles are single precision throughout, in radians inside the geometry.
#pragma once

// Degrees to radians as the geometry has always used it: pi / 180 rounded to single precision.
constexpr float kDegreesToRadians = 0.017453292f;

// A point of the profile plane: u = local y (positive = further back), v = local z (up).
struct ProfilePoint {
  float u;
  float v;
};

inline ProfilePoint operator+(ProfilePoint a, ProfilePoint b) { return {a.u + b.u, a.v + b.v}; }
inline ProfilePoint operator-(ProfilePoint a, ProfilePoint b) { return {a.u - b.u, a.v - b.v}; }
inline ProfilePoint operator*(float s, ProfilePoint p) { return {s * p.u, s * p.v}; }

// Turns p about the profile origin by the angle whose cosine and sine are given; a positive angle
// takes the downward direction (0, -1) toward the back, so a box turned so aims further down.
inline ProfilePoint TurnProfilePoint(ProfilePoint p, float cosine, float sine) {
  return {p.u * cosine - p.v * sine, p.u * sine + p.v * cosine};
}

// Point `fraction` of the way from a to b.
inline ProfilePoint PointAlong(ProfilePoint a, ProfilePoint b, float fraction) {
  return a + fraction * (b - a);
}

// The host's placement of the array: roll, then tilt, then turn, then the position.
class ArrayRotation {
 public:
  // anglesDegrees: [0] turn about the vertical, [1] tilt (positive = up), [2] roll.
  ArrayRotation(const float anglesDegrees[3], const float position[3]);

  // Room position of the profile point p (local vector (0, u, v)).
  void Place(ProfilePoint p, float room[3]) const;

 private:
  float sinTurn_, cosTurn_;
  float sinTilt_, cosTilt_;
  float sinRoll_, cosRoll_;
  float position_[3];
};

// Aim of a source whose box is tilted psiDegrees further down than the array, for the host's
// array angles in degrees: three angles in radians forming the same turn, tilt and roll as the
// array's own. The exact rows for the common roll angles come first; every other roll angle
// takes the tan/atan form, which wraps for |psi| of 90 degrees or more.
void SourceAimAngles(float psiDegrees, const float hostAnglesDegrees[3], float aim[3]);
