#include "kernel/version_screen.h"

#include <array>

#include "host/host.h"
#include "text/fixed_text.h"

namespace plv::kernel {
namespace {

constexpr int kLineWidth = 80;
constexpr int kFirstRow = 18;
constexpr int kDisclaimerColumn = 44;
constexpr std::uint8_t kNormal = 7, kHighlighted = 112, kBright = 15;

std::string padded(std::string_view s, size_t width = kLineWidth) { return text::padded(s, width); }

void put(std::string& line, size_t column, std::string_view text) { line.replace(column - 1, text.size(), text); }

std::string copyright_line(int variant, std::string_view year) {
  std::string line = padded(variant == 1 ? "COPYRIGHT (C) YYYY BY THE PLIVET AUTHORS"
                                         : "COPYRIGHT (C) YYYY THE PLIVET DEVELOPERS");
  put(line, 15, padded(year, 4));
  return line;
}

constexpr std::array<std::string_view, 6> kAboutBlock = {
    "WRITTEN BY THE PLIVET DEVELOPERS FOR",
    "SCIENTISTS AND ENGINEERS WHO ANNOTATE",
    "PLOTTED PICTURES.",
    "PLEASE REPORT PROBLEMS TO THE PROJECT",
    "WITH A DRAWING THAT SHOWS THEM.",
    "",
};

constexpr std::array<std::string_view, 6> kTermsBlock = {
    "WRITTEN BY THE PLIVET DEVELOPERS.",
    "YOU MAY COPY AND SHARE THIS PROGRAM",
    "FREELY AND WITHOUT CHARGE, PROVIDED",
    "THIS NOTICE AND THE DISCLAIMER STAY",
    "WITH IT. CHANGED COPIES MUST SAY SO,",
    "BY WHOM AND WHEN.",
};

constexpr std::array<std::string_view, 8> kDisclaimer = {
    "DISCLAIMER",
    "THIS PROGRAM IS PROVIDED AS IS,",
    "WITHOUT WARRANTY OF ANY KIND, NOT",
    "EVEN OF MERCHANTABILITY OR FITNESS",
    "FOR A PARTICULAR PURPOSE. THE",
    "AUTHORS ARE NOT LIABLE FOR ANY LOSS",
    "ARISING FROM ITS USE. KEEP COPIES",
    "OF THE DRAWINGS YOU CARE ABOUT.",
};

void write_at(host::Host& host, int row, int column, std::string_view text, std::uint8_t attribute) {
  host.set_text_cell(row, column);
  host.write_text(text, attribute);
}

}  // namespace

std::string version_line(std::string_view name, std::string_view version) {
  std::string line = padded("         VERSION ");
  put(line, 1, padded(name, 8));
  put(line, 18, padded(version, 6));
  // Close up the blanks after the name: "NAME VERSION NUMBER".
  const size_t first_blank = line.find(' ');
  if (first_blank != std::string::npos && first_blank < 10) {
    const size_t next = line.find_first_not_of(' ', first_blank);
    if (next != std::string::npos) line.erase(first_blank + 1, next - first_blank - 1);
    line = text::padded(line, kLineWidth);
  }
  return line;
}

std::string build_year() { return std::string(__DATE__).substr(7, 4); }

host::AboutText about_text(const VersionInfo& info) {
  const std::string year = info.year.empty() ? build_year() : info.year;
  host::AboutText about;
  about.heading = std::string(text::trimmed_right(version_line(info.name, info.version)));
  about.notice.emplace_back(text::trimmed_right(copyright_line(info.variant, year)));
  for (const auto& block : {info.variant == 2 ? kTermsBlock : kAboutBlock})
    for (std::string_view line : block)
      if (!line.empty()) about.notice.emplace_back(line);
  for (std::string_view line : kDisclaimer) about.notice.emplace_back(line);
  return about;
}

void show_version_screen(host::Host& host, const VersionInfo& info) {
  host.set_about(about_text(info));
  const std::string year = info.year.empty() ? build_year() : info.year;
  write_at(host, kFirstRow, 1, version_line(info.name, info.version), kBright);
  write_at(host, kFirstRow + 1, 1, copyright_line(info.variant, year), kNormal);
  const auto& block = info.variant == 2 ? kTermsBlock : kAboutBlock;
  for (size_t i = 0; i < block.size(); ++i)
    write_at(host, kFirstRow + 2 + static_cast<int>(i), 1, padded(block[i]), kNormal);
  for (size_t i = 0; i < kDisclaimer.size(); ++i)
    write_at(host, kFirstRow + static_cast<int>(i), kDisclaimerColumn,
             padded(kDisclaimer[i], kLineWidth - kDisclaimerColumn + 1), i == 0 ? kHighlighted : kNormal);
}

}  // namespace plv::kernel
