#pragma once
// plvtool import: another program's figure (SVG, PDF, EPS or PostScript)
// written as a new drawing.

#include <string>
#include <vector>

namespace plv::tool {

// The arguments after "import"; 0 when the drawing was written.
int import_command(const std::vector<std::string>& args);

}  // namespace plv::tool
