#pragma once
// The brace drawn between two points: 59 points along a base 1440 units
// long, the point of the brace at the middle, 105 units to the side.

#include <array>
#include <cstddef>

namespace plv {

inline constexpr double kBracketBaseLength = 1440.0;

inline constexpr std::array<double, 59> kBracketX{
    0.0,      29.738,   58.773,   87.85,    118.454,  148.309,  179.675,  208.785,  239.419,  269.299,
    299.965,  329.845,  360.504,  390.417,  421.08,   450.968,  481.626,  511.507,  541.387,  572.003,
    601.846,  631.655,  660.703,  676.725,  691.203,  700.333,  707.17,   712.472,  717.774,  720.0,
    722.226,  727.528,  732.83,   739.667,  748.797,  763.275,  779.297,  808.345,  838.154,  867.997,
    898.613,  928.493,  958.374,  989.032,  1018.92,  1049.583, 1079.496, 1110.155, 1140.035, 1170.701,
    1200.581, 1231.215, 1260.325, 1291.691, 1321.546, 1352.15,  1381.227, 1410.262, 1440.0};

// The first half; the second mirrors it about the point of the brace.
inline constexpr std::array<double, 30> kBracketYFirstHalf{
    0.0,     -23.134, -34.779, -38.766, -43.527, -45.221, -50.752, -48.613, -48.015, -45.114,
    -38.39,  -35.489, -30.296, -21.27,  -15.311, -10.879, -5.686,  -2.785,  0.115,   -2.349,
    -6.34,   -16.457, -25.805, -36.612, -49.709, -60.479, -70.471, -81.221, -91.97,  -105.0};

constexpr double bracket_y(int k) {  // k = 0 .. 58
  return k < 30 ? kBracketYFirstHalf[static_cast<std::size_t>(k)] : kBracketYFirstHalf[static_cast<std::size_t>(58 - k)];
}

}  // namespace plv
