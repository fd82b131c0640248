#pragma once
// A profile file of [sections] and key=value lines. Section and key names
// match without regard to case; setting a key rewrites its line in place or
// adds it to its section, so the rest of the file is kept as it was.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plv::host {

class IniFile {
 public:
  static IniFile parse(std::string_view text);

  std::optional<std::string> get(std::string_view section, std::string_view key) const;
  void set(std::string_view section, std::string_view key, std::string_view value);
  std::string text() const;

 private:
  // Index of the section's header line, or nullopt.
  std::optional<std::size_t> find_section(std::string_view section) const;
  // Index past the section's last line.
  std::size_t section_end(std::size_t header) const;
  std::optional<std::size_t> find_key(std::size_t header, std::string_view key) const;

  std::vector<std::string> lines_;
};

}  // namespace plv::host
