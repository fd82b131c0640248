#pragma once
// A picture of the fifteen drawing colours with their numbers; a key
// brings the text screen back.

namespace plv::kernel {

class Kernel;
void show_colour_palette(Kernel& kernel);

}  // namespace plv::kernel
