#pragma once
// The 40-character parameter line for the PostScript translator, carried in
// the header of every graphics command file.

#include <string_view>

namespace plv {

inline constexpr int kSetupLineLength = 40;
inline constexpr std::string_view kDefaultSetupLine = "GLIMPT EP      17.36      1.000 D M P   ";

}  // namespace plv
