#pragma once
// The plot buffer as text, one record a line, fields in decimal in the
// record's own order:
//   line X1 Y1 X2 Y2            rect X1 Y1 X2 Y2
//   fillrect X1 Y1 X2 Y2 FLAGS  polygon N X1 Y1 ... XN YN
//   colour R B G                colourgrey R B G GREY
//   colourindex A B C D

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "host/plot_reader.h"

namespace plv::host {

std::string describe(const PlotRecord& record);
// Every record of the buffer's bytes; a cut-short tail ends the list.
std::vector<std::string> list_plot_records(std::span<const std::uint8_t> bytes);
// The same, a line at a time, without holding the list.
void for_each_plot_record(std::span<const std::uint8_t> bytes, const std::function<void(const std::string&)>& take);

}  // namespace plv::host
