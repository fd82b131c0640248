#pragma once
// Thrown to end the program in order: the settings are written before it
// is thrown, and the entry point catches it and returns its code.

namespace plv {

struct ProgramExit {
  int code = 0;
};

}  // namespace plv
