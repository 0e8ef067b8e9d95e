#include "array_rotation.h"

#include <cmath>

ArrayRotation::ArrayRotation(const float anglesDegrees[3], const float position[3]) {
  const float turn = anglesDegrees[0] * kDegreesToRadians;
  const float tilt = anglesDegrees[1] * kDegreesToRadians;
  const float roll = anglesDegrees[2] * kDegreesToRadians;
  sinTurn_ = std::sin(turn);
  cosTurn_ = std::cos(turn);
  sinTilt_ = std::sin(tilt);
  cosTilt_ = std::cos(tilt);
  sinRoll_ = std::sin(roll);
  cosRoll_ = std::cos(roll);
  for (int i = 0; i < 3; ++i) position_[i] = position[i];
}

void ArrayRotation::Place(ProfilePoint p, float room[3]) const {
  // Roll about the local y axis (the point's local x is always 0).
  const float x1 = -p.v * sinRoll_;
  const float y1 = p.u;
  const float z1 = p.v * cosRoll_;
  // Tilt about x.
  const float y2 = y1 * cosTilt_ + z1 * sinTilt_;
  const float z2 = z1 * cosTilt_ - y1 * sinTilt_;
  const float x2 = x1;
  // Turn about the vertical.
  const float x3 = x2 * cosTurn_ - y2 * sinTurn_;
  const float y3 = x2 * sinTurn_ + y2 * cosTurn_;
  room[0] = position_[0] + x3;
  room[1] = position_[1] + y3;
  room[2] = position_[2] + z2;
}

void SourceAimAngles(float psi, const float hostAngles[3], float aim[3]) {
  const float ax = hostAngles[0];
  const float ay = hostAngles[1];
  const float az = hostAngles[2];
  const float D = kDegreesToRadians;
  aim[0] = ax * D;
  aim[1] = ay * D;
  aim[2] = az * D;
  // Exact comparisons: the host passes these roll angles as typed, and the exact rows keep a
  // box's tilt unwrapped whatever its size.
  if (psi == 0.0f) return;
  if (az == 0.0f) {
    aim[1] = (ay - psi) * D;
  } else if (az == 90.0f || az == -270.0f) {
    aim[0] = (ax + psi) * D;
  } else if (az == 180.0f || az == -180.0f) {
    aim[1] = (ay + psi) * D;
  } else if (az == 270.0f || az == -90.0f) {
    aim[0] = (ax - psi) * D;
  } else {
    const float slope = std::tan(psi * D);
    aim[0] = ax * D + std::atan(slope * std::sin(az * D));
    aim[1] = ay * D - std::atan(slope * std::cos(az * D));
  }
}
