#include "publish/typefaces.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <string_view>

namespace plv::publish {
namespace {

struct Family {
  char font;
  std::string_view name;
  std::string_view standard;  // among every PDF reader's fourteen fonts
  std::array<std::string_view, 7> same_metrics;  // free faces drawn to its widths
};

constexpr std::array<Family, 3> kFamilies{{
    {'C', "Courier", "Courier", {"Nimbus Mono PS", "Nimbus Mono", "TeX Gyre Cursor", "Liberation Mono", "Cousine", "Courier", "Courier New"}},
    {'H', "Helvetica", "Helvetica", {"Nimbus Sans", "Nimbus Sans L", "TeX Gyre Heros", "Liberation Sans", "Arimo", "Helvetica", "Arial"}},
    {'T', "Times", "Times-Roman", {"Nimbus Roman", "Nimbus Roman No9 L", "TeX Gyre Termes", "Liberation Serif", "Tinos", "Times", "Times New Roman"}},
}};

const Family* family_of(char font) {
  for (const Family& f : kFamilies)
    if (f.font == font) return &f;
  return nullptr;
}

std::string text_in(FcPattern* pattern, const char* what) {
  FcChar8* text = nullptr;
  return FcPatternGetString(pattern, what, 0, &text) == FcResultMatch ? reinterpret_cast<const char*>(text) : "";
}

std::string family_in(FcPattern* pattern) { return text_in(pattern, FC_FAMILY); }

// The best installed match for one family name, upright and regular.
FcPattern* matched(std::string_view family) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(std::string(family).c_str()));
  FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
  FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_REGULAR);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* found = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  return found;
}

}  // namespace

std::string named_family(char lettering_font) {
  const Family* f = family_of(lettering_font);
  return f ? std::string(f->name) : std::string();
}

std::optional<Typeface> typeface_for(char lettering_font) {
  const Family* family = family_of(lettering_font);
  if (!family || !FcInit()) return std::nullopt;
  FcPattern* found = nullptr;
  bool compatible = false;
  // The first face with the family's metrics that is installed; else
  // whatever the font configuration offers for the family's name.
  for (std::string_view name : family->same_metrics) {
    FcPattern* candidate = matched(name);
    if (candidate && family_in(candidate) == name) {
      found = candidate;
      compatible = true;
      break;
    }
    if (candidate) FcPatternDestroy(candidate);
  }
  if (!found) found = matched(family->name);
  if (!found) return std::nullopt;
  Typeface typeface;
  typeface.family = family_in(found);
  typeface.standard = family->standard;
  typeface.file = text_in(found, FC_FILE);
  typeface.postscript_name = text_in(found, FC_POSTSCRIPT_NAME);
  typeface.fixed_pitch = lettering_font == 'C';
  typeface.serif = lettering_font == 'T';
  typeface.metric_compatible = compatible;
  // The face keeps the pattern alive as long as it needs it.
  cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(found);
  FcPatternDestroy(found);
  if (cairo_font_face_status(face) != CAIRO_STATUS_SUCCESS) {
    cairo_font_face_destroy(face);
    return std::nullopt;
  }
  typeface.face = std::shared_ptr<cairo_font_face_t>(face, cairo_font_face_destroy);
  return typeface;
}

void set_letters(cairo_t* cr, const Typeface& typeface, double size) {
  cairo_set_font_face(cr, typeface.face.get());
  // Outlines and advances as designed: a surface that hints them (the
  // recording the page frame is measured on, a picture) would round them
  // to its own units, and set the letters at another size than the page.
  cairo_font_options_t* unhinted = cairo_font_options_create();
  cairo_font_options_set_hint_style(unhinted, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(unhinted, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr, unhinted);
  cairo_font_options_destroy(unhinted);
  cairo_set_font_size(cr, size);
}

LetterExtent measure_letters(cairo_t* cr, const Typeface& typeface, double size, const std::string& letters) {
  cairo_save(cr);
  set_letters(cr, typeface, size);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, letters.c_str(), &extents);
  cairo_restore(cr);
  return {extents.height, extents.x_advance};
}

std::string latin1_of(const std::string& utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    auto c = static_cast<unsigned char>(utf8[i]);
    if (c >= 0xC0 && i + 1 < utf8.size()) c = static_cast<unsigned char>((c & 0x03) << 6 | (utf8[++i] & 0x3F));
    out += c >= 0x80 && c < 0xA0 ? ' ' : static_cast<char>(c);
  }
  return out;
}

std::string letter_of(int byte) {
  if (byte >= 0x80 && byte < 0xA0) byte = ' ';
  std::string out;
  if (byte < 0x80) out += static_cast<char>(byte);
  else {
    out += static_cast<char>(0xC0 | byte >> 6);
    out += static_cast<char>(0x80 | (byte & 0x3F));
  }
  return out;
}

}  // namespace plv::publish
