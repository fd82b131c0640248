#include "import/svg_pages.h"

#include <cairo-pdf.h>
#include <librsvg/rsvg.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <array>
#include <cstring>
#include <limits>
#include <memory>
#include <set>
#include <vector>

namespace plv::import {
namespace {

constexpr double kCssPixelsPerInch = 96;
constexpr double kPointsPerCssPixel = 72.0 / kCssPixelsPerInch;
constexpr double kSizeWhenUnsaid = 300;  // CSS pixels, for a figure without width, height or view box

struct XmlDocFree {
  void operator()(xmlDoc* d) const { xmlFreeDoc(d); }
};
struct XmlFree {
  void operator()(xmlChar* s) const { xmlFree(s); }
};
struct GObjectFree {
  void operator()(void* o) const { g_object_unref(o); }
};

bool named(const xmlNode* n, const char* name) {
  return n->type == XML_ELEMENT_NODE && std::strcmp(reinterpret_cast<const char*>(n->name), name) == 0;
}

// Children that paint (not definitions, styles or descriptions).
bool paints(const xmlNode* n) {
  static constexpr std::array kPainting{"g", "path", "rect", "circle", "ellipse", "line", "polyline",
                                        "polygon", "text", "use", "image", "svg", "a", "switch"};
  for (const char* name : kPainting)
    if (named(n, name)) return true;
  return false;
}

std::vector<xmlNode*> painting_children(xmlNode* parent) {
  std::vector<xmlNode*> out;
  for (xmlNode* c = parent->children; c; c = c->next)
    if (paints(c)) out.push_back(c);
  return out;
}

// The id of `n`, given one when it has none.
std::string id_of(xmlNode* n, int& made, std::set<std::string>& taken) {
  std::unique_ptr<xmlChar, XmlFree> id(xmlGetProp(n, reinterpret_cast<const xmlChar*>("id")));
  if (id) return reinterpret_cast<const char*>(id.get());
  std::string name;
  do name = "plivet-import-" + std::to_string(++made);
  while (taken.count(name) > 0);
  taken.insert(name);
  xmlSetProp(n, reinterpret_cast<const xmlChar*>("id"), reinterpret_cast<const xmlChar*>(name.c_str()));
  return name;
}

void collect_ids(xmlNode* n, std::set<std::string>& taken) {
  for (; n; n = n->next) {
    if (n->type != XML_ELEMENT_NODE) continue;
    std::unique_ptr<xmlChar, XmlFree> id(xmlGetProp(n, reinterpret_cast<const xmlChar*>("id")));
    if (id) taken.insert(reinterpret_cast<const char*>(id.get()));
    collect_ids(n->children, taken);
  }
}

struct Layer {
  std::vector<std::string> ids;  // for librsvg, "#id"
  std::vector<xmlNode*> elements;
};

// The elements of each layer: the groups one level below the figure's
// single outer groups, each alone; runs of other elements together.
std::vector<Layer> layers_of(xmlNode* root) {
  xmlNode* top = root;
  for (auto c = painting_children(top); c.size() == 1 && named(c[0], "g"); c = painting_children(top)) top = c[0];
  std::set<std::string> taken;
  collect_ids(root, taken);
  int made = 0;
  std::vector<Layer> layers;
  bool in_run = false;
  for (xmlNode* c : painting_children(top)) {
    const bool group = named(c, "g");
    if (group || !in_run) layers.emplace_back();
    layers.back().ids.push_back("#" + id_of(c, made, taken));
    layers.back().elements.push_back(c);
    in_run = !group;
  }
  return layers;
}

std::string property(xmlNode* n, const char* name) {
  std::unique_ptr<xmlChar, XmlFree> value(xmlGetProp(n, reinterpret_cast<const xmlChar*>(name)));
  return value ? reinterpret_cast<const char*>(value.get()) : "";
}

// The text-anchor an element's own attributes or styles, or its
// ancestors', give it (style sheets are not looked at).
char anchor_of(xmlNode* n) {
  for (; n && n->type == XML_ELEMENT_NODE; n = n->parent) {
    std::string value = property(n, "text-anchor");
    const std::string style = property(n, "style");
    if (const size_t at = style.find("text-anchor"); value.empty() && at != std::string::npos) {
      const size_t colon = style.find(':', at), end = style.find(';', at);
      if (colon != std::string::npos && colon < end) value = style.substr(colon + 1, end - colon - 1);
    }
    value = collapsed_blanks(value);
    if (value == "middle") return 'M';
    if (value == "end") return 'E';
    if (!value.empty()) return 'S';
  }
  return 'S';
}

// The texts under `n` in document order, not those only defined.
void collect_texts(xmlNode* n, std::vector<SvgText>& out) {
  static constexpr std::array kDefining{"defs", "clipPath", "mask", "pattern", "marker", "symbol"};
  for (const char* name : kDefining)
    if (named(n, name)) return;
  if (named(n, "text")) {
    std::unique_ptr<xmlChar, XmlFree> content(xmlNodeGetContent(n));
    if (content) out.push_back({collapsed_blanks(reinterpret_cast<const char*>(content.get())), anchor_of(n)});
    return;
  }
  for (xmlNode* c = n->children; c; c = c->next)
    if (c->type == XML_ELEMENT_NODE) collect_texts(c, out);
}

cairo_status_t append_bytes(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

// The figure's size in points.
std::array<double, 2> size_of(RsvgHandle* handle) {
  double w = 0, h = 0;
  if (rsvg_handle_get_intrinsic_size_in_pixels(handle, &w, &h) && w > 0 && h > 0)
    return {w * kPointsPerCssPixel, h * kPointsPerCssPixel};
  gboolean has_width, has_height, has_box;
  RsvgLength width, height;
  RsvgRectangle box;
  rsvg_handle_get_intrinsic_dimensions(handle, &has_width, &width, &has_height, &height, &has_box, &box);
  if (has_box && box.width > 0 && box.height > 0) return {box.width * kPointsPerCssPixel, box.height * kPointsPerCssPixel};
  return {kSizeWhenUnsaid * kPointsPerCssPixel, kSizeWhenUnsaid * kPointsPerCssPixel};
}

}  // namespace

std::string collapsed_blanks(std::string_view text) {
  std::string out;
  bool blank = false;
  for (const char c : text) {
    const bool is_blank = c == ' ' || c == '\t' || c == '\n' || c == '\r';
    if (is_blank) {
      blank = !out.empty();
      continue;
    }
    if (blank) out += ' ';
    blank = false;
    out += c;
  }
  return out;
}

SvgPages svg_as_layer_pages(std::string_view svg) {
  SvgPages out;
  if (svg.size() > static_cast<size_t>(std::numeric_limits<int>::max())) {
    out.error = "too large for the SVG reader";
    return out;
  }
  // No network, no entities substituted, no outside documents.
  const int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
  std::unique_ptr<xmlDoc, XmlDocFree> doc(
      xmlReadMemory(svg.data(), static_cast<int>(svg.size()), nullptr, nullptr, options));
  xmlNode* root = doc ? xmlDocGetRootElement(doc.get()) : nullptr;
  if (!root || !named(root, "svg")) {
    out.error = "not an SVG document";
    return out;
  }
  auto layers = layers_of(root);
  for (const Layer& layer : layers) {
    out.texts.emplace_back();
    for (xmlNode* element : layer.elements) collect_texts(element, out.texts.back());
  }
  xmlChar* text = nullptr;
  int length = 0;
  xmlDocDumpMemory(doc.get(), &text, &length);
  std::unique_ptr<xmlChar, XmlFree> kept(text);
  GError* error = nullptr;
  std::unique_ptr<RsvgHandle, GObjectFree> handle(
      rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(text), static_cast<gsize>(length), &error));
  if (!handle) {
    out.error = std::string("librsvg cannot read it: ") + (error ? error->message : "no reason given");
    if (error) g_error_free(error);
    return out;
  }
  rsvg_handle_set_dpi(handle.get(), kCssPixelsPerInch);
  const auto [w, h] = size_of(handle.get());
  if (layers.empty()) {
    layers.push_back({});
    out.texts.emplace_back();
    collect_texts(root, out.texts.back());
  }
  cairo_surface_t* surface = cairo_pdf_surface_create_for_stream(append_bytes, &out.pdf, w, h);
  cairo_t* cr = cairo_create(surface);
  const RsvgRectangle viewport{0, 0, w, h};
  for (const Layer& layer : layers) {
    for (const std::string& id : layer.ids) rsvg_handle_render_layer(handle.get(), cr, id.c_str(), &viewport, nullptr);
    if (layer.ids.empty()) rsvg_handle_render_document(handle.get(), cr, &viewport, nullptr);
    cairo_show_page(cr);
  }
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  const cairo_status_t status = cairo_surface_status(surface);
  cairo_surface_destroy(surface);
  if (status != CAIRO_STATUS_SUCCESS) {
    out.error = std::string("the figure could not be laid out: ") + cairo_status_to_string(status);
    out.pdf.clear();
    return out;
  }
  out.layers = static_cast<int>(layers.size());
  return out;
}

}  // namespace plv::import
