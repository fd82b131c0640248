#pragma once
// A typeface made ready to travel inside a PDF page: its font program as
// installed (the compact Type 1 program of an OpenType face, or a TrueType
// file whole), with the widths and measures a reader sets it by.

#include <cairo.h>

#include <memory>

#include "image/pdf_file.h"
#include "publish/typefaces.h"

namespace plv::publish {

// Measured on `measuring`. A face whose program cannot be carried gives
// the standard face of its name, which every reader has, unembedded.
std::shared_ptr<const image::PdfFont> pdf_font_of(const Typeface& typeface, cairo_t* measuring);

}  // namespace plv::publish
