#pragma once
// What the checks compare: a drawing's records as text, a drawing file
// read back whole, the picture a fresh editor draws of a drawing, and what
// a plot buffer listing draws.

#include <filesystem>
#include <string>
#include <vector>

#include "drawing/record_store.h"
#include "kinds/render_state.h"

namespace plv::sessions {

std::vector<std::string> records_of(const RecordStore& store);
// The lines the drawing's file would hold after its header.
std::vector<std::string> file_lines_of(const RecordStore& store);
// Reads the file into `store`; what was wrong with reading it, or nothing.
std::string read_back(const std::string& path, RecordStore& store);
// The lines a file of `lines` gives when read and written again (written
// to `scratch` on the way): a colour or layer record that ended the drawing
// as written is not written again.
std::vector<std::string> rewritten(const std::vector<std::string>& lines, const std::string& scratch);

// The plot buffer listing of the drawing redrawn on a new host and kernel
// with the view and display settings of `shown`, as an editor that opened
// it would draw it; what it was told of colours is added to `told`.
std::vector<std::string> fresh_picture(const RecordStore& store, const RenderState& shown,
                                       const std::filesystem::path& dir, std::vector<std::string>& told);

// Each line, rectangle and polygon of a listing after the colour it is
// drawn in: colours set and set again before anything is drawn make no
// difference to the picture.
std::vector<std::string> in_colour(const std::vector<std::string>& listing);
// The lines, rectangles and polygons of a listing from record `first` on.
std::vector<std::string> geometry(const std::vector<std::string>& listing, size_t first = 0);
// What of `part` is not in `whole`, counting repeats.
std::vector<std::string> missing(std::vector<std::string> part, std::vector<std::string> whole);
// Where two lists part, with a few entries around; empty when they are equal.
std::string difference(const std::vector<std::string>& a, const std::vector<std::string>& b);

}  // namespace plv::sessions
