// Size of one Tarnwick box in the cabinet outline.
#pragma once

constexpr int kOutlineVerticesPerBox = 30;
constexpr int kOutlineEdgesPerBox = 41;
