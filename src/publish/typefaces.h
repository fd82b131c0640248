#pragma once
// The typefaces the lettering fonts name: Courier, Helvetica and Times,
// found among the installed fonts by the free faces made to their metrics.

#include <cairo.h>

#include <memory>
#include <optional>
#include <string>

namespace plv::publish {

// The face for lettering font 'C', 'H' or 'T'; nothing for any other.
struct Typeface {
  std::shared_ptr<cairo_font_face_t> face;
  std::string family;        // as installed, such as "Nimbus Sans"
  std::string standard;      // the PDF standard font it stands for, such as "Times-Roman"
  std::string file;          // the installed face's font file, and its PostScript name
  std::string postscript_name;
  bool fixed_pitch = false;
  bool serif = false;
  bool metric_compatible = false;  // false: the nearest installed face stands in
};
std::optional<Typeface> typeface_for(char lettering_font);

// The family the lettering font names: "Courier", "Helvetica", "Times".
std::string named_family(char lettering_font);

// `cr` set to draw letters in the typeface at `size` (in its user units).
void set_letters(cairo_t* cr, const Typeface& typeface, double size);

// The height of `letters` (UTF-8) and how far they advance, in `cr`'s user
// units, set at `size` in the face's own unhinted metrics.
struct LetterExtent {
  double height = 0;
  double advance = 0;
};
LetterExtent measure_letters(cairo_t* cr, const Typeface& typeface, double size, const std::string& letters);

// A record's letters came as Latin-1 made UTF-8; a page's faces take them
// as single bytes again. What the Windows encoding gives other letters in
// 0x80..0x9F, Latin-1 holds no letters for: they show blank.
std::string latin1_of(const std::string& utf8);
// One such byte as UTF-8 again, for measuring and finding its glyph; those
// with no Latin-1 letter are a blank.
std::string letter_of(int byte);

}  // namespace plv::publish
