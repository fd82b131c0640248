#pragma once
// Opening a graphics command file into the drawing (or starting a new
// drawing), writing the drawing back, closing and quitting it, with the
// messages the user sees on the way.

#include "drawing/command_file.h"
#include "editor/files/drawing_files.h"

namespace plv {

// The four records a new drawing starts with.
void start_new_drawing(Document& document);
// Uses the drawing name and path already chosen; asks again while the name
// is blank or a new file cannot be created.
void open_drawing(const files::DrawingFiles& files);
// Writes the drawing to its path, telling nobody: what came of it, and in
// `file_records` how many records the file holds. When written, the
// recovery copy starts again from the file.
CommandFileWrite write_to_its_file(Document& document, long* file_records = nullptr);
// Writes the drawing to its path; asks for another path while it cannot be
// opened or written. False when the drawing holds values the file cannot
// hold: then nothing is written and the user has been told.
bool write_drawing(const files::DrawingFiles& files);
// Writes the drawing, then forgets it; false (the drawing stays open) when
// it could not be written.
bool close_drawing(const files::DrawingFiles& files);
// Forgets the drawing without writing anything.
void quit_drawing(Document& document);
// Forgets the drawing; changes not written stay in its recovery copy.
void set_drawing_aside(Document& document);

}  // namespace plv
