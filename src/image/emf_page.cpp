// The enhanced metafile page. libuemf makes each record; the page keeps the
// bytes itself, because libuemf's own tracking (emf_start, emf_finish)
// writes to a file it opens by name and the caller writes its files
// through its own safe writer. So the header's totals are filled in here,
// as emf_finish would, together with the bounds and frame, which are only
// known once everything is drawn.

#include <uemf.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

#include "image/vector_page.h"

namespace plv::image {
namespace {

struct MallocFree {
  void operator()(void* p) const { std::free(p); }
};
using Record = std::unique_ptr<char, MallocFree>;

struct HandlesFree {
  void operator()(EMFHANDLES* handles) const { emf_htable_free(&handles); }
};

constexpr std::int64_t kHundredthsOfMmPerInch = 2540;
// The reference device only sets the ratio of units to millimetres; whole
// tens of inches (254 mm) keep that ratio exact in whole millimetres.
constexpr std::int64_t kDeviceStepInches = 10;
constexpr std::int64_t kDeviceStepMm = 254;

std::int32_t clamp32(std::int64_t v) {
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int64_t floor_div(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
std::int64_t ceil_div(std::int64_t a, std::int64_t b) { return -floor_div(-a, b); }

// The description as UTF-16; text that is not UTF-8 is taken as Latin-1,
// so it still reads sensibly rather than going missing.
std::vector<std::uint16_t> utf16_of(std::string_view text) {
  const std::string terminated(text);
  size_t length = 0;
  std::unique_ptr<std::uint16_t, MallocFree> converted(U_Utf8ToUtf16le(terminated.c_str(), 0, &length));
  if (converted) return {converted.get(), converted.get() + length};
  std::vector<std::uint16_t> out;
  for (const char c : terminated) out.push_back(static_cast<unsigned char>(c));
  return out;
}

U_COLORREF colorref_of(VectorColour c) { return colorref3_set(c.red, c.green, c.blue); }

int pen_width(const VectorPen& pen) { return std::max(pen.width, 1); }

class EmfPage final : public VectorPage {
 public:
  EmfPage(std::string_view description, int units_per_inch) : units_per_inch_(std::max(units_per_inch, 1)) {
    EMFHANDLES* handles = nullptr;
    if (emf_htable_create(64, 64, &handles) != 0) throw std::bad_alloc();
    handles_.reset(handles);
    std::vector<std::uint16_t> text = utf16_of(description);
    // One name, then the empty entry that ends the list.
    text.insert(text.end(), {0, 0});
    const U_RECTL none = {0, 0, -1, -1};
    const U_SIZEL device = sizel_set(0, 0);
    append(U_EMRHEADER_set(none, none, nullptr, static_cast<U_CBSTR>(text.size()), text.data(), device, device, 0));
    // Like the PDF page, the page starts with no pen, no brush, painting.
    append(U_EMRSELECTOBJECT_set(U_NULL_PEN));
    append(U_EMRSELECTOBJECT_set(U_NULL_BRUSH));
    append(U_EMRSETPOLYFILLMODE_set(U_ALTERNATE));
  }

  void select_pen(std::optional<VectorPen> pen) override {
    if (finished_ || same_pen(pen)) return;
    const std::uint32_t old = pen_handle_;
    pen_handle_ = 0;
    if (pen) {
      append(make_pen(*pen));
      append(selectobject_set(pen_handle_, handles_.get()));
    } else {
      append(U_EMRSELECTOBJECT_set(U_NULL_PEN));
    }
    delete_object(old);
    pen_ = pen;
  }

  void select_brush(std::optional<VectorColour> brush) override {
    if (finished_ || brush == brush_) return;
    const std::uint32_t old = brush_handle_;
    brush_handle_ = 0;
    if (brush) {
      const U_LOGBRUSH logbrush = logbrush_set(U_BS_SOLID, colorref_of(*brush), 0);
      append(createbrushindirect_set(&brush_handle_, handles_.get(), logbrush));
      append(selectobject_set(brush_handle_, handles_.get()));
    } else {
      append(U_EMRSELECTOBJECT_set(U_NULL_BRUSH));
    }
    delete_object(old);
    brush_ = brush;
  }

  void set_invert(bool invert) override {
    if (finished_ || invert == invert_) return;
    append(U_EMRSETROP2_set(invert ? U_R2_NOT : U_R2_COPYPEN));
    invert_ = invert;
  }

  void line(VectorPoint from, VectorPoint to) override {
    if (finished_) return;
    // A run of joined lines needs only its first move.
    if (!at_ || at_->x != from.x || at_->y != from.y) append(U_EMRMOVETOEX_set(point32_set(from.x, from.y)));
    append(U_EMRLINETO_set(point32_set(to.x, to.y)));
    at_ = to;
    cover_with_pen(std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x), std::max(from.y, to.y));
  }

  void rectangle(int left, int top, int right, int bottom) override {
    if (finished_) return;
    // A rectangle leaves out its right and bottom edges here as on the
    // host's surfaces, so the corners go in as they are.
    append(U_EMRRECTANGLE_set(U_RECTL{left, top, right, bottom}));
    const int x0 = std::min(left, right), x1 = std::max(left, right), y0 = std::min(top, bottom),
              y1 = std::max(top, bottom);
    cover_with_pen(x0, y0, std::max(x0, x1 - 1), std::max(y0, y1 - 1));
  }

  void polygon(std::span<const VectorPoint> vertices) override {
    if (finished_ || vertices.empty()) return;
    std::vector<U_POINTL> points;
    points.reserve(vertices.size());
    U_RECTL box = {vertices[0].x, vertices[0].y, vertices[0].x, vertices[0].y};
    for (const VectorPoint& v : vertices) {
      points.push_back(point32_set(v.x, v.y));
      box = {std::min(box.left, v.x), std::min(box.top, v.y), std::max(box.right, v.x), std::max(box.bottom, v.y)};
    }
    // A single point is no outline and no area.
    if (points.size() >= 2) append(U_EMRPOLYGON_set(box, static_cast<std::uint32_t>(points.size()), points.data()));
    cover_with_pen(box.left, box.top, box.right, box.bottom);
  }

  std::vector<std::uint8_t> finish() override {
    if (finished_) return {};
    // Leave nothing of ours selected, and delete what was made.
    select_pen(std::nullopt);
    select_brush(std::nullopt);
    // The end record's last field repeats its size; libuemf adds to that
    // the bytes already in the track it is given, so it gets an empty one.
    EMFTRACK empty_track{};
    append(U_EMREOF_set(0, nullptr, &empty_track));
    finish_header();
    finished_ = true;
    return std::move(bytes_);
  }

 private:
  bool same_pen(const std::optional<VectorPen>& pen) const {
    if (!pen || !pen_) return !pen && !pen_;
    return pen->colour == pen_->colour && pen_width(*pen) == pen_width(*pen_);
  }

  // A plain pen is one unit wide by definition, and readers draw it so
  // whatever width it claims; a wider pen is a geometric one, with flat
  // ends and mitred corners like the PDF page's.
  char* make_pen(const VectorPen& pen) {
    const U_COLORREF colour = colorref_of(pen.colour);
    const int width = pen_width(pen);
    if (width == 1)
      return createpen_set(&pen_handle_, handles_.get(), logpen_set(U_PS_SOLID, point32_set(1, 0), colour));
    const std::unique_ptr<U_EXTLOGPEN, MallocFree> extended(
        extlogpen_set(U_PS_GEOMETRIC | U_PS_SOLID | U_PS_ENDCAP_FLAT | U_PS_JOIN_MITER,
                      static_cast<std::uint32_t>(width), U_BS_SOLID, colour, 0, 0, nullptr));
    if (!extended) throw std::bad_alloc();
    return extcreatepen_set(&pen_handle_, handles_.get(), nullptr, 0, nullptr, extended.get());
  }

  void append(char* made) {
    const Record record(made);
    if (!record) throw std::bad_alloc();
    std::uint32_t size = 0;
    std::memcpy(&size, record.get() + offsetof(U_EMR, nSize), sizeof size);
    bytes_.insert(bytes_.end(), record.get(), record.get() + size);
    ++records_;
  }

  void delete_object(std::uint32_t handle) {
    if (handle != 0) append(deleteobject_set(&handle, handles_.get()));
  }

  // Every drawing call counts, ink or none: the host widens the frame with
  // a rectangle drawn without pen or brush. A pen can reach past the
  // points by half its width, as the host's wide pens do.
  void cover_with_pen(int left, int top, int right, int bottom) {
    const std::int64_t w = pen_ ? pen_width(*pen_) : 1;
    const std::int64_t before = (w - 1) / 2, after = w / 2;
    cover(left - before, top - before, right + after, bottom + after);
  }

  void cover(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
    if (!drawn_) {
      bounds_ = {left, top, right, bottom};
      drawn_ = true;
      return;
    }
    bounds_ = {std::min(bounds_.left, left), std::min(bounds_.top, top), std::max(bounds_.right, right),
               std::max(bounds_.bottom, bottom)};
  }

  void finish_header() {
    U_EMRHEADER header;
    std::memcpy(&header, bytes_.data(), sizeof header);
    const std::int64_t upi = units_per_inch_;
    if (drawn_) {
      header.rclBounds = {clamp32(bounds_.left), clamp32(bounds_.top), clamp32(bounds_.right), clamp32(bounds_.bottom)};
      // The frame runs from the outer edge of the first unit covered to
      // the outer edge of the last, in hundredths of a millimetre.
      header.rclFrame = {clamp32(floor_div(bounds_.left * kHundredthsOfMmPerInch, upi)),
                         clamp32(floor_div(bounds_.top * kHundredthsOfMmPerInch, upi)),
                         clamp32(ceil_div((bounds_.right + 1) * kHundredthsOfMmPerInch, upi)),
                         clamp32(ceil_div((bounds_.bottom + 1) * kHundredthsOfMmPerInch, upi))};
    }
    // A device that holds the whole picture, in whole steps.
    const auto steps = [&](std::int64_t far_edge) {
      return std::max<std::int64_t>(1, ceil_div(far_edge, kDeviceStepInches * upi));
    };
    const std::int64_t across = steps(drawn_ ? bounds_.right + 1 : 0), down = steps(drawn_ ? bounds_.bottom + 1 : 0);
    header.szlDevice = {clamp32(across * kDeviceStepInches * upi), clamp32(down * kDeviceStepInches * upi)};
    header.szlMillimeters = {clamp32(across * kDeviceStepMm), clamp32(down * kDeviceStepMm)};
    header.szlMicrometers = {clamp32(across * kDeviceStepMm * 1000), clamp32(down * kDeviceStepMm * 1000)};
    header.nBytes = static_cast<std::uint32_t>(bytes_.size());
    header.nRecords = records_;
    // Handle zero is the metafile itself.
    header.nHandles = static_cast<std::uint16_t>(handles_->peak + 1);
    header.nPalEntries = 0;
    std::memcpy(bytes_.data(), &header, sizeof header);
  }

  struct Box {
    std::int64_t left = 0, top = 0, right = -1, bottom = -1;
  };

  int units_per_inch_;
  std::unique_ptr<EMFHANDLES, HandlesFree> handles_;
  std::vector<std::uint8_t> bytes_;
  std::uint32_t records_ = 0;
  std::optional<VectorPen> pen_;
  std::uint32_t pen_handle_ = 0;
  std::optional<VectorColour> brush_;
  std::uint32_t brush_handle_ = 0;
  bool invert_ = false;
  std::optional<VectorPoint> at_;
  bool drawn_ = false;
  Box bounds_;
  bool finished_ = false;
};

}  // namespace

std::unique_ptr<VectorPage> make_emf_page(std::string_view description, int units_per_inch) {
  return std::make_unique<EmfPage>(description, units_per_inch);
}

}  // namespace plv::image
