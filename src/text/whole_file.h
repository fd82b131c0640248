#pragma once
// A file written in one go (a picture, a dump) through the safe writer, so
// a failure leaves the previous file as it was.

#include <string>
#include <string_view>

#include "text/file_result.h"

namespace plv {

FileResult write_whole_file(const std::string& path, std::string_view bytes);

}  // namespace plv
