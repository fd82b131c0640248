#include "text/whole_file.h"

#include "text/safe_file_writer.h"

namespace plv {

std::string write_whole_file(const std::string& path, std::string_view bytes) {
  SafeFileWriter out(path);
  out.write(bytes);
  return out.commit() ? std::string() : out.error();
}

}  // namespace plv
