// Size of one Pirrowan box in the cabinet outline.
#pragma once

constexpr int kOutlineVerticesPerBox = 8;
constexpr int kOutlineEdgesPerBox = 12;
