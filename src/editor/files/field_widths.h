#pragma once
// The fixed widths of the file selection's blank-padded fields and the
// path separators of this platform.

#include <cstddef>

namespace plv::files {

inline constexpr std::size_t kDirectoryWidth = 66;
inline constexpr std::size_t kFileNameWidth = 14;
inline constexpr std::size_t kExtensionWidth = 3;
inline constexpr std::size_t kPathWidth = 80;

inline constexpr char kSeparator = '/';
// Typed by users used to other systems; always turned into kSeparator.
inline constexpr char kOtherSeparator = '\\';

}  // namespace plv::files
