// Size of one Brenlowe box in the cabinet outline.
#pragma once

constexpr int kOutlineVerticesPerBox = 6;
constexpr int kOutlineEdgesPerBox = 11;
