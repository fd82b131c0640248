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
  std::array<std::string_view, 7> same_metrics;  // free faces drawn to its widths
};

constexpr std::array<Family, 3> kFamilies{{
    {'C', "Courier", {"Nimbus Mono PS", "Nimbus Mono", "TeX Gyre Cursor", "Liberation Mono", "Cousine", "Courier", "Courier New"}},
    {'H', "Helvetica", {"Nimbus Sans", "Nimbus Sans L", "TeX Gyre Heros", "Liberation Sans", "Arimo", "Helvetica", "Arial"}},
    {'T', "Times", {"Nimbus Roman", "Nimbus Roman No9 L", "TeX Gyre Termes", "Liberation Serif", "Tinos", "Times", "Times New Roman"}},
}};

const Family* family_of(char font) {
  for (const Family& f : kFamilies)
    if (f.font == font) return &f;
  return nullptr;
}

std::string family_in(FcPattern* pattern) {
  FcChar8* name = nullptr;
  return FcPatternGetString(pattern, FC_FAMILY, 0, &name) == FcResultMatch ? reinterpret_cast<const char*>(name) : "";
}

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

}  // namespace plv::publish
