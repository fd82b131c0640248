#include "drawing/settings_file.h"

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

#include "text/field_format.h"
#include "text/fixed_text.h"
#include "text/regular_file.h"
#include "text/whole_file.h"

namespace plv {
namespace {

// Every settings line: a two-character key in columns 1-2, values from column 4.
namespace columns {
inline constexpr Columns kKey{1, 2};
inline constexpr int kFirstValue = 4;
inline constexpr int kRealWidth = 15, kRealDecimals = 7;  // E15.7
inline constexpr int kIntWidth = 5;                        // I5
inline constexpr int kNameWidth = 14;                      // A14
inline constexpr Columns kColourCommand{kFirstValue, 10};  // A10 ...
inline constexpr Columns kColourRecord{1, 10};             // ... from and to these record columns
inline constexpr Columns real(int i) { return {kFirstValue + kRealWidth * i, kRealWidth}; }
inline constexpr Columns integer(int i) { return {kFirstValue + kIntWidth * i, kIntWidth}; }
}  // namespace columns

inline constexpr int kPathLength = 80;  // the drawing path, as the first line holds it
// Values beyond this are no one's settings, and would overflow the
// kernel's coordinates: they count as unreadable.
inline constexpr double kLargestSetting = 1e30;
inline constexpr size_t kLargestSettingsFile = 1 << 20;
// The keys that lead the settings lines, two characters each.
inline constexpr std::string_view kDrawingNameKey = "FI";  // the drawing file name
inline constexpr std::string_view kViewKey = "SC";  // view scale and shifts (a settings key, not a colour record)
inline constexpr std::string_view kPasteShiftKey = "B1";  // paste shift
inline constexpr std::string_view kPasteScaleKey = "B2";  // paste scales
inline constexpr std::string_view kPasteRotationKey = "B3";  // paste rotation, cosine, sine
inline constexpr std::string_view kLayersKey = "L1";  // work, also-draw and current layer
inline constexpr std::string_view kLayerTransformKey = "L2";  // layer scale and shifts
inline constexpr std::string_view kDeletedColourKey = "C1";  // colour command of deleted graphics
inline constexpr std::string_view kOtherLayerColourKey = "C2";  // colour command of other layers
inline constexpr std::string_view kCreateColourKey = "C3";  // colour of the next element
inline constexpr std::string_view kAspectKey = "AS";  // aspect factor
inline constexpr std::string_view kEndKey = "EN";  // the last line
// The line after the path: a comment in the form of the drawing's own.
inline constexpr std::string_view kCommentLine = "CM SETUP FILE FOR PROGRAM PLIVET";

std::string reals_line(std::string_view key, std::initializer_list<double> values) {
  std::string line = std::string(key) + ' ';
  for (double v : values) line += fmt::exp_text(columns::kRealWidth, columns::kRealDecimals, v);
  return line;
}

std::string ints_line(std::string_view key, std::initializer_list<int> values) {
  std::string line = std::string(key) + ' ';
  for (int v : values) line += fmt::int_text(columns::kIntWidth, v);
  return line;
}

std::string text_line(std::string_view key, std::string_view text, int width) {
  std::string field(static_cast<size_t>(width), ' ');
  fmt::write_text(field.data(), width, text);
  return std::string(key) + ' ' + field;
}

// A field's text; nothing when the line ends before the field begins.
std::optional<std::string_view> field_text(std::string_view line, Columns c) {
  if (line.size() < static_cast<size_t>(c.first)) return std::nullopt;
  return text::in_columns(line, c);
}

// The line's leading real fields up to the first that cannot be read.
std::vector<double> leading_reals(std::string_view line, int count) {
  std::vector<double> values;
  for (int i = 0; i < count; ++i) {
    const auto text = field_text(line, columns::real(i));
    const auto value = text ? fmt::read_real(*text, columns::kRealDecimals) : std::nullopt;
    if (!value || std::fabs(*value) > kLargestSetting) break;
    values.push_back(*value);
  }
  return values;
}

std::vector<int> leading_ints(std::string_view line, int count) {
  std::vector<int> values;
  for (int i = 0; i < count; ++i) {
    const auto text = field_text(line, columns::integer(i));
    const auto value = text ? fmt::read_int(*text) : std::nullopt;
    if (!value || *value < INT16_MIN || *value > INT16_MAX) break;
    values.push_back(static_cast<int>(*value));
  }
  return values;
}

// A scale of 0 or less would divide by zero later: it counts as unreadable.
template <typename T>
void drop_from_nonpositive(std::vector<T>& values, size_t index) {
  if (values.size() > index && values[index] <= 0) values.resize(index);
}

template <typename T>
void assign(const std::vector<T>& values, std::initializer_list<T*> targets) {
  size_t i = 0;
  for (T* target : targets) {
    if (i == values.size()) return;
    *target = values[i++];
  }
}

void read_value_line(std::string_view key, std::string_view line, Settings& s) {
  if (key == kViewKey) {
    auto v = leading_reals(line, 3);
    drop_from_nonpositive(v, 0);
    assign(v, {&s.view.scale, &s.view.x_shift, &s.view.y_shift});
  } else if (key == kPasteShiftKey) {
    assign(leading_reals(line, 2), {&s.paste.shift_x, &s.paste.shift_y});
  } else if (key == kPasteScaleKey) {
    auto v = leading_reals(line, 2);
    drop_from_nonpositive(v, 0);
    drop_from_nonpositive(v, 1);
    assign(v, {&s.paste.scale_x, &s.paste.scale_y});
  } else if (key == kPasteRotationKey) {
    assign(leading_reals(line, 3), {&s.paste.rotation, &s.paste.cos, &s.paste.sin});
  } else if (key == kLayersKey) {
    assign(leading_ints(line, 3), {&s.work_layer, &s.also_draw_layer, &s.layer.layer});
  } else if (key == kLayerTransformKey) {
    assign(leading_reals(line, 3), {&s.layer.scale, &s.layer.x_shift, &s.layer.y_shift});
  } else if (key == kDeletedColourKey || key == kOtherLayerColourKey) {
    (key == kDeletedColourKey ? s.deleted_colour : s.other_layer_colour) = Record(field_text(line, columns::kColourCommand).value_or(""));
  } else if (key == kCreateColourKey) {
    assign(leading_ints(line, 1), {&s.create_colour});
  } else if (key == kAspectKey) {
    auto v = leading_reals(line, 1);
    drop_from_nonpositive(v, 0);
    assign(v, {&s.aspect});
  }
}

}  // namespace

std::string settings_text(const Settings& s) {
  const std::vector<std::string> lines = {
      s.drawing_path.substr(0, std::min<size_t>(s.drawing_path.size(), kPathLength)),
      std::string(kCommentLine),
      text_line(kDrawingNameKey, s.drawing_name, columns::kNameWidth),
      reals_line(kViewKey, {s.view.scale, s.view.x_shift, s.view.y_shift}),
      reals_line(kPasteShiftKey, {s.paste.shift_x, s.paste.shift_y}),
      reals_line(kPasteScaleKey, {s.paste.scale_x, s.paste.scale_y}),
      reals_line(kPasteRotationKey, {s.paste.rotation, s.paste.cos, s.paste.sin}),
      ints_line(kLayersKey, {s.work_layer, s.also_draw_layer, s.layer.layer}),
      reals_line(kLayerTransformKey, {s.layer.scale, s.layer.x_shift, s.layer.y_shift}),
      text_line(kDeletedColourKey, s.deleted_colour.text(columns::kColourRecord), columns::kColourCommand.width),
      text_line(kOtherLayerColourKey, s.other_layer_colour.text(columns::kColourRecord), columns::kColourCommand.width),
      ints_line(kCreateColourKey, {s.create_colour}),
      reals_line(kAspectKey, {s.aspect}),
      std::string(kEndKey),
  };
  std::string text;
  for (const auto& line : lines) text += line + '\n';
  return text;
}

void read_settings_text(std::string_view text, Settings& settings) {
  bool first = true;
  text::for_each_line(text, [&](std::string_view line) {
    if (std::exchange(first, false)) return true;  // the drawing path, whatever it holds
    const std::string_view key = line.substr(0, static_cast<size_t>(columns::kKey.width));
    if (key == kEndKey) return false;
    read_value_line(key, line, settings);
    return true;
  });
}

FileResult read_settings_file(const std::filesystem::path& file, Settings& settings) {
  const SmallFile read = read_small_regular_file(file.string(), kLargestSettingsFile);
  if (read.missing) return {};
  if (!read.ok()) return {read.error};
  read_settings_text(read.text, settings);
  return {};
}

FileResult write_settings_file(const std::filesystem::path& file, const Settings& settings) {
  return write_whole_file(file.string(), settings_text(settings));
}

}  // namespace plv
