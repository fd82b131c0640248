#include "drawing/recovery_lines.h"

#include <charconv>
#include <cstdio>

namespace plv::recovery {
namespace {

constexpr char kTab = '\t';

template <class Number>
std::optional<Number> number_in(std::string_view text, int base = 10) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

std::string hex(std::uint64_t value) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
  return text;
}

std::optional<Record> record_in(std::string_view field) {
  const auto text = decoded(field);
  if (!text || text->size() != kRecordLength) return std::nullopt;
  return Record(*text);
}

constexpr std::string_view kSteps = "WADIR";  // by StoreStep::Kind

}  // namespace

std::string encoded(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x20 || c == '%' || c == 0x7f) {
      static constexpr char kHex[] = "0123456789ABCDEF";
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += ch;
    }
  }
  return out;
}

std::optional<std::string> decoded(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    const auto value = i + 2 < text.size() ? number_in<unsigned>(text.substr(i + 1, 2), 16) : std::nullopt;
    if (!value) return std::nullopt;
    out += static_cast<char>(*value);
    i += 2;
  }
  return out;
}

std::vector<std::string_view> fields_of(std::string_view line) {
  std::vector<std::string_view> fields;
  for (size_t start = 0;;) {
    const size_t tab = line.find(kTab, start);
    fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

std::string step_line(const StoreStep& s) {
  std::string line = "S";
  line += kTab;
  line += kSteps[static_cast<size_t>(s.kind)];
  line += kTab + std::to_string(s.number) + kTab + encoded(s.before.text()) + kTab + encoded(s.after.text());
  return line;
}

std::optional<StoreStep> step_from(const std::vector<std::string_view>& f) {
  if (f.size() != 5 || f[0] != "S" || f[1].size() != 1 || kSteps.find(f[1][0]) == std::string_view::npos)
    return std::nullopt;
  const auto number = number_in<long>(f[2]);
  const auto before = record_in(f[3]), after = record_in(f[4]);
  if (!number || !before || !after) return std::nullopt;
  return StoreStep{static_cast<StoreStep::Kind>(kSteps.find(f[1][0])), *number, *before, *after};
}

std::string head_text(const Head& head, const JournalHistory& history) {
  std::string text = std::string(kMagic) + "\nDRAWING\t" + encoded(head.drawing.string()) + "\nFILE\t" +
                     std::to_string(head.file.size) + kTab + hex(head.file.content_hash) + "\nBASE\t" +
                     std::to_string(head.records) + kTab + hex(head.records_hash) + kTab +
                     std::to_string(head.file_records) + '\n';
  for (const BaseRun& run : head.base) {
    text += run.first == 0 ? "R\t" + encoded(run.record.text())
                           : "F\t" + std::to_string(run.first) + kTab + std::to_string(run.last);
    text += '\n';
  }
  const auto actions = [&text](const std::vector<JournalAction>& list, std::string_view mark) {
    for (const JournalAction& action : list) {
      text += mark;
      text += '\n';
      for (const StoreStep& step : action) text += step_line(step) + '\n';
    }
  };
  actions(history.done, "HD");
  actions(history.undone, "HU");
  return text + "START\n";
}

bool HeadReader::take(std::string_view line) {
  if (ended_) return false;
  const auto f = fields_of(line);
  switch (part_) {
    case Part::kMagic:
      part_ = Part::kDrawing;
      return line == kMagic;
    case Part::kDrawing: {
      const auto path = f.size() == 2 && f[0] == "DRAWING" ? decoded(f[1]) : std::nullopt;
      if (!path) return false;
      head.drawing = *path;
      part_ = Part::kFile;
      return true;
    }
    case Part::kFile: {
      const auto size = f.size() == 3 && f[0] == "FILE" ? number_in<std::uintmax_t>(f[1]) : std::nullopt;
      const auto hash = f.size() == 3 ? number_in<std::uint64_t>(f[2], 16) : std::nullopt;
      if (!size || !hash) return false;
      head.file = {*size, *hash};
      part_ = Part::kBase;
      return true;
    }
    case Part::kBase: {
      const bool base = f.size() == 4 && f[0] == "BASE";
      const auto records = base ? number_in<long>(f[1]) : std::nullopt;
      const auto hash = base ? number_in<std::uint64_t>(f[2], 16) : std::nullopt;
      const auto file_records = base ? number_in<long>(f[3]) : std::nullopt;
      if (!records || !hash || !file_records) return false;
      head.records = *records;
      head.records_hash = *hash;
      head.file_records = *file_records;
      part_ = Part::kRuns;
      return true;
    }
    case Part::kRuns: break;
  }
  if (f[0] == "START" && f.size() == 1) return ended_ = true;
  if ((f[0] == "HD" || f[0] == "HU") && f.size() == 1) {
    auto& list = f[0] == "HD" ? history.done : history.undone;
    action_ = &list.emplace_back();
    return true;
  }
  if (f[0] == "S" && action_) {
    const auto step = step_from(f);
    if (step) action_->push_back(*step);
    return step.has_value();
  }
  if (action_) return false;  // runs come before the history
  if (f[0] == "F" && f.size() == 3) {
    const auto first = number_in<long>(f[1]), last = number_in<long>(f[2]);
    if (!first || !last || *first < 1 || *last < *first) return false;
    head.base.push_back({*first, *last, Record()});
    return true;
  }
  const auto record = f[0] == "R" && f.size() == 2 ? record_in(f[1]) : std::nullopt;
  if (record) head.base.push_back({0, 0, *record});
  return record.has_value();
}

}  // namespace plv::recovery
