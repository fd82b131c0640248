#include "host/host_settings.h"

#include <charconv>
#include <system_error>

#include "host/ini_file.h"
#include "text/regular_file.h"
#include "text/whole_file.h"

namespace plv::host {
namespace {

constexpr size_t kLargestSettingsFile = 1 << 20;

// The keys in the order they are written back.
struct Key {
  const char* section;
  const char* name;
  int HostSettings::*field;
};

constexpr Key kKeys[] = {
    {"Printer", "PageLeftMargin", &HostSettings::page_left_margin},
    {"Printer", "PageTopMargin", &HostSettings::page_top_margin},
    {"Printer", "PageWidth", &HostSettings::page_width},
    {"Printer", "PenWidthPrinter", &HostSettings::pen_width_printer},
    {"Printer", "LandscapePrinter", &HostSettings::landscape_printer},
    {"PostScript", "PenWidthEPS", &HostSettings::pen_width_eps},
    {"Metafile", "PenWidthEMF", &HostSettings::pen_width_emf},
    {"Window", "ColorWindow", &HostSettings::colour_window},
    {"Window", "BlackBG", &HostSettings::black_background},
};

constexpr const char* kPlaceSection = "Window";
constexpr const char* kPlaceKeys[] = {"Left", "Top", "Width", "Height", "Maximized"};
constexpr const char* kExactPixelsKey = "ExactPixels";

std::optional<int> whole_number(const std::string& text) {
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+') ++first;
  int value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last) return std::nullopt;
  return value;
}

// The window's place when every key of it reads and its size is real.
std::optional<WindowPlace> read_place(const IniFile& ini) {
  int v[std::size(kPlaceKeys)];
  for (size_t k = 0; k < std::size(kPlaceKeys); ++k) {
    const auto raw = ini.get(kPlaceSection, kPlaceKeys[k]);
    const auto number = raw ? whole_number(*raw) : std::nullopt;
    if (!number) return std::nullopt;
    v[k] = *number;
  }
  if (v[2] <= 0 || v[3] <= 0) return std::nullopt;
  return WindowPlace{v[0], v[1], v[2], v[3], v[4] != 0};
}

void write_place(IniFile& ini, const WindowPlace& p) {
  const int v[] = {p.left, p.top, p.width, p.height, p.maximised ? 1 : 0};
  for (size_t k = 0; k < std::size(kPlaceKeys); ++k) ini.set(kPlaceSection, kPlaceKeys[k], std::to_string(v[k]));
}

}  // namespace

std::filesystem::path host_settings_path(const EnvironmentLookup& environment) {
  auto value = [&](const char* name) -> std::string {
    const char* v = environment(name);
    return v ? v : "";
  };
  if (const auto explicit_path = value(kHostSettingsEnvironment); !explicit_path.empty()) return explicit_path;
  std::filesystem::path config = value("XDG_CONFIG_HOME");
  // Relative values are to be ignored, as the XDG rules say.
  if (config.empty() || config.is_relative()) config = std::filesystem::path(value("HOME")) / ".config";
  return config / "plivet" / kHostSettingsFileName;
}

HostSettings read_host_settings(const std::filesystem::path& path, const HostSettings& defaults) {
  HostSettings settings = defaults;
  const SmallFile file = read_small_regular_file(path.string(), kLargestSettingsFile);
  if (!file.ok()) return settings;
  const IniFile ini = IniFile::parse(file.text);
  for (const Key& key : kKeys) {
    if (const auto raw = ini.get(key.section, key.name)) {
      if (const auto number = whole_number(*raw)) settings.*key.field = *number;
    }
  }
  if (const auto place = read_place(ini)) settings.window_place = place;
  if (const auto raw = ini.get(kPlaceSection, kExactPixelsKey)) {
    if (const auto number = whole_number(*raw)) settings.exact_pixels = *number != 0;
  }
  return settings;
}

FileResult write_host_settings(const std::filesystem::path& path, const HostSettings& settings) {
  std::error_code error;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), error);
  const SmallFile old = read_small_regular_file(path.string(), kLargestSettingsFile);
  if (!old.ok() && !old.missing) return {old.error};
  IniFile ini = IniFile::parse(old.text);
  for (const Key& key : kKeys) ini.set(key.section, key.name, std::to_string(settings.*key.field));
  if (settings.window_place) write_place(ini, *settings.window_place);
  if (settings.exact_pixels) ini.set(kPlaceSection, kExactPixelsKey, *settings.exact_pixels ? "1" : "0");
  return write_whole_file(path.string(), ini.text());
}

}  // namespace plv::host
