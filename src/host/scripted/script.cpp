#include "host/scripted/script.h"

#include <cctype>
#include <charconv>
#include <map>

#include "host/events.h"
#include "host/text_grid.h"
#include "host/window_menu.h"
#include "text/fixed_text.h"

namespace plv::host {
namespace {

std::vector<std::string_view> words(std::string_view s) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
    const std::size_t start = i;
    while (i < s.size() && !std::isspace(static_cast<unsigned char>(s[i]))) ++i;
    if (i > start) out.push_back(s.substr(start, i - start));
  }
  return out;
}

std::optional<int> number(std::string_view w, int low, int high) {
  int value = 0;
  const auto [end, error] = std::from_chars(w.data(), w.data() + w.size(), value);
  if (error != std::errc() || end != w.data() + w.size() || value < low || value > high) return std::nullopt;
  return value;
}

std::string upper(std::string_view w) {
  std::string s(w);
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// The window's menu commands by the names scripts give them.
struct NamedCommand {
  std::string_view name;
  Command command;
};
constexpr NamedCommand kNamedCommands[] = {
    {"pagesetup", Command::kPageSetup}, {"print", Command::kPrintDialog}, {"exit", Command::kExit},
    {"copy", Command::kCopy},           {"quickprint", Command::kPrint},  {"colour", Command::kColour},
    {"background", Command::kBlackBackground}, {"penwidth", Command::kPenWidth}, {"about", Command::kAbout},
    {"tiff", Command::kWriteTiff},      {"emf", Command::kWriteMetafile}, {"export", Command::kExportDrawing}, {"import", Command::kImportFigure},
    {"undo", Command::kUndo}, {"redo", Command::kRedo}, {"previousview", Command::kPreviousView},
    {"keys", Command::kHelpKeys}, {"manual", Command::kHelpManual},
};
constexpr std::string_view kCommandNames =
    "pagesetup, print, exit, copy, quickprint, colour, background, penwidth, about, tiff, emf, export, undo, redo, previousview, keys or manual";

std::optional<Command> window_command_named(std::string_view name) {
  for (const NamedCommand& c : kNamedCommands)
    if (c.name == name) return c.command;
  return std::nullopt;
}

// A key by its name, F1 to F12, or its decimal code.
std::optional<Key> parse_key(std::string_view name) {
  static const std::map<std::string, Key> kNamed = {
      {"UP", Key::kUp},      {"DOWN", Key::kDown},           {"RIGHT", Key::kRight},
      {"LEFT", Key::kLeft},  {"ENTER", Key::kEnter},         {"TAB", Key::kTab},
      {"ESC", Key::kEscape}, {"BACKSPACE", Key::kBackspace}, {"SPACE", Key::kSpace},
      {"DELETE", Key::kClearToEnd}, {"BACKTAB", Key::kBackTab}, {"CTRL-Z", Key::kUndo}, {"CTRL-Y", Key::kRedo},
  };
  const std::string n = upper(name);
  if (const auto it = kNamed.find(n); it != kNamed.end()) return it->second;
  if (n.size() >= 2 && n[0] == 'F') {
    if (const auto f = number(std::string_view(n).substr(1), 1, 12)) return Key::function(*f);
  }
  if (const auto code = number(name, -32768, 32767)) return Key::from_code(*code);
  return std::nullopt;
}

constexpr int kCoordinateLow = -32768;
constexpr int kCoordinateHigh = 32767;

// Parses one line (comment already removed) into steps; returns an error
// text, empty when the line is good.
std::string parse_line(std::string_view raw, int line, std::vector<ScriptStep>& steps) {
  const auto w = words(raw);
  const std::string command(w[0]);
  const std::size_t args = w.size() - 1;
  ScriptStep step;
  step.line = line;
  auto optional_right = [&](std::size_t fixed) -> bool {
    if (args == fixed) return true;
    if (args == fixed + 1 && upper(w[fixed + 1]) == "RIGHT") {
      step.button = kRightButton;
      return true;
    }
    return false;
  };
  auto coordinates = [&](std::size_t count, int* out[]) -> bool {
    for (std::size_t i = 0; i < count; ++i) {
      const auto v = number(w[i + 1], kCoordinateLow, kCoordinateHigh);
      if (!v) return false;
      *out[i] = *v;
    }
    return true;
  };
  if (command == "key") {
    const auto key = args == 1 ? parse_key(w[1]) : std::nullopt;
    if (!key) return "expected \"key\" and one key: F1-F12, UP, DOWN, RIGHT, LEFT, ENTER, TAB, ESC, "
                     "BACKSPACE, SPACE, DELETE, BACKTAB or a decimal key code";
    step.key = *key;
  } else if (command == "click") {
    const auto row = args >= 2 ? number(w[1], 1, kTextRows) : std::nullopt;
    const auto column = args >= 2 ? number(w[2], 1, kTextColumns) : std::nullopt;
    if (!row || !column || !optional_right(2)) return "expected \"click ROW COL [right]\" with ROW 1-25 and COL 1-80";
    step.kind = ScriptStep::Kind::kClick;
    step.a = *row;
    step.b = *column;
  } else if (command == "pick" || command == "move") {
    int* out[] = {&step.a, &step.b};
    const bool right_allowed = command == "pick";
    if (args < 2 || !coordinates(2, out) || !(right_allowed ? optional_right(2) : args == 2)) {
      return right_allowed ? "expected \"pick X Y [right]\" with whole numbers"
                           : "expected \"move X Y\" with whole numbers";
    }
    step.kind = right_allowed ? ScriptStep::Kind::kPick : ScriptStep::Kind::kMove;
  } else if (command == "wheel") {
    int* out[] = {&step.c, &step.a, &step.b};
    if (args != 3 || !coordinates(3, out)) return "expected \"wheel N X Y\" with whole numbers";
    step.kind = ScriptStep::Kind::kWheel;
  } else if (command == "pan") {
    int* out[] = {&step.a, &step.b, &step.c, &step.d};
    if (args != 4 || !coordinates(4, out)) return "expected \"pan X1 Y1 X2 Y2\" with whole numbers";
    step.kind = ScriptStep::Kind::kDrag;
    step.button = kMiddleButton;
  } else if (command == "drag") {
    int* out[] = {&step.a, &step.b, &step.c, &step.d};
    if (args < 4 || !coordinates(4, out) || !optional_right(4)) {
      return "expected \"drag X1 Y1 X2 Y2 [right]\" with whole numbers";
    }
    step.kind = ScriptStep::Kind::kDrag;
  } else if (command == "command") {
    const auto number = args >= 1 ? window_command_named(w[1]) : std::nullopt;
    if (!number) return "expected \"command NAME\" with a name of the window's menu: " + std::string(kCommandNames);
    step.kind = ScriptStep::Kind::kCommand;
    step.command = *number;
    for (std::size_t i = 2; i < w.size(); ++i) step.arguments.emplace_back(w[i]);
  } else if (command == "close") {
    const bool answered = args == 1 && (w[1] == "write" || w[1] == "leave" || w[1] == "cancel");
    if (args != 0 && !answered) return "expected \"close\" alone or \"close write|leave|cancel\"";
    step.kind = ScriptStep::Kind::kClose;
    if (answered) step.arguments.emplace_back(w[1]);
  } else if (command == "replace") {
    if (args != 1 || (w[1] != "yes" && w[1] != "no")) return "expected \"replace yes\" or \"replace no\"";
    step.kind = ScriptStep::Kind::kReplace;
    step.arguments.emplace_back(w[1]);
  } else if (command == "kill") {
    if (args != 0) return "expected \"kill\" alone";
    step.kind = ScriptStep::Kind::kKill;
  } else {
    return "expected key, type, click, pick, move, drag, wheel, pan, close, command, replace or kill, not \"" +
           command + "\"";
  }
  steps.push_back(step);
  return {};
}

// One script line into steps; an error text, empty when the line is good.
std::string parse_script_line(std::string_view line, int line_number, std::vector<ScriptStep>& steps) {
  const auto first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos || line[first] == '#') return {};
  line.remove_prefix(first);
  if (line.substr(0, 4) == "type" && (line.size() == 4 || line[4] == ' ' || line[4] == '\t')) {
    const std::string_view typed = line.size() > 5 ? line.substr(5) : std::string_view{};
    if (typed.empty()) return "expected \"type\" followed by a blank and the text";
    for (const char c : typed)
      steps.push_back({.kind = ScriptStep::Kind::kKey, .key = Key::character(c), .line = line_number});
    return {};
  }
  const auto hash = line.find('#');
  if (hash != std::string_view::npos) line = line.substr(0, hash);
  // Form feeds, vertical tabs and stray carriage returns are white space too.
  if (words(line).empty()) return {};
  return parse_line(line, line_number, steps);
}

}  // namespace

Script parse_script(std::string_view text) {
  Script script;
  int line_number = 0;
  text::for_each_line(text, [&](std::string_view line) {
    ++line_number;
    const std::string problem = parse_script_line(line, line_number, script.steps);
    if (problem.empty()) return true;
    script.steps.clear();
    script.error = ScriptError{line_number, "line " + std::to_string(line_number) + ": " + problem};
    return false;
  });
  return script;
}

}  // namespace plv::host
