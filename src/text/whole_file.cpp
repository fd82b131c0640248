#include "text/whole_file.h"

#include "text/safe_file_writer.h"

namespace plv {

FileResult write_whole_file(const std::string& path, std::string_view bytes) {
  SafeFileWriter out(path);
  out.write(bytes);
  if (out.commit()) return {};
  return {out.error()};
}

}  // namespace plv
