#include "host/ini_file.h"

#include <algorithm>
#include <cctype>

#include "text/fixed_text.h"

namespace plv::host {
namespace {

std::string_view trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

bool same_name(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// The name inside "[name]", or nullopt for any other line.
std::optional<std::string_view> header_name(std::string_view line) {
  line = trim(line);
  if (line.size() < 2 || line.front() != '[') return std::nullopt;
  const auto close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return trim(line.substr(1, close - 1));
}

}  // namespace

IniFile IniFile::parse(std::string_view text) {
  IniFile ini;
  text::for_each_line(text, [&ini](std::string_view line) {
    ini.lines_.emplace_back(line);
    return true;
  });
  return ini;
}

std::optional<std::size_t> IniFile::find_section(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const auto name = header_name(lines_[i]);
    if (name && same_name(*name, section)) return i;
  }
  return std::nullopt;
}

std::size_t IniFile::section_end(std::size_t header) const {
  std::size_t i = header + 1;
  while (i < lines_.size() && !header_name(lines_[i])) ++i;
  // New keys go after the section's last non-blank line.
  while (i > header + 1 && trim(lines_[i - 1]).empty()) --i;
  return i;
}

std::optional<std::size_t> IniFile::find_key(std::size_t header, std::string_view key) const {
  for (std::size_t i = header + 1; i < lines_.size() && !header_name(lines_[i]); ++i) {
    const std::string_view line = lines_[i];
    const auto eq = line.find('=');
    if (eq != std::string_view::npos && same_name(trim(line.substr(0, eq)), key)) return i;
  }
  return std::nullopt;
}

std::optional<std::string> IniFile::get(std::string_view section, std::string_view key) const {
  const auto header = find_section(section);
  if (!header) return std::nullopt;
  const auto line = find_key(*header, key);
  if (!line) return std::nullopt;
  const std::string_view text = lines_[*line];
  return std::string(trim(text.substr(text.find('=') + 1)));
}

void IniFile::set(std::string_view section, std::string_view key, std::string_view value) {
  const std::string entry = std::string(key) + "=" + std::string(value);
  auto header = find_section(section);
  if (!header) {
    lines_.push_back("[" + std::string(section) + "]");
    lines_.push_back(entry);
    return;
  }
  if (const auto line = find_key(*header, key)) {
    lines_[*line] = entry;
    return;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(section_end(*header)), entry);
}

std::string IniFile::text() const {
  std::string out;
  for (const auto& line : lines_) out += line + "\n";
  return out;
}

}  // namespace plv::host
