#pragma once
// Input scripts for the headless editor built step by step, one script
// line a call: Script().f(9).enter().field("10").pick(100, 200).

#include <string>
#include <string_view>

namespace plv::testing {

class Script {
 public:
  Script& key(std::string_view name) { return line("key ", name); }
  Script& f(int n) { return key("F" + std::to_string(n)); }
  Script& enter() { return key("ENTER"); }
  Script& tab(int times = 1) { return repeat(times, "key TAB"); }
  Script& backtab() { return key("BACKTAB"); }
  Script& esc() { return key("ESC"); }
  Script& clear() { return key("DELETE"); }  // blanks the field from the caret on
  Script& backspace() { return key("BACKSPACE"); }
  Script& up() { return key("UP"); }
  Script& down() { return key("DOWN"); }
  Script& left(int times = 1) { return repeat(times, "key LEFT"); }
  Script& right(int times = 1) { return repeat(times, "key RIGHT"); }
  Script& undo() { return key("CTRL-Z"); }
  Script& redo() { return key("CTRL-Y"); }
  Script& type(std::string_view text) { return line("type ", text); }
  // The field cleared and `value` typed in its place.
  Script& field(std::string_view value) { return clear().type(value); }

  Script& click(int row, int column) { return line("click ", numbers({row, column})); }
  Script& pick(int x, int y) { return line("pick ", numbers({x, y})); }
  Script& pick_right(int x, int y) { return line("pick ", numbers({x, y}) + " right"); }
  // A pick, then the key its marking cross waits for.
  Script& point(int x, int y) { return pick(x, y).enter(); }
  Script& move(int x, int y) { return line("move ", numbers({x, y})); }
  Script& drag(int x1, int y1, int x2, int y2) { return line("drag ", numbers({x1, y1, x2, y2})); }
  // The wheel turned `notches` (negative: towards the user) with the pointer at a plot point.
  Script& wheel(int notches, int x, int y) { return line("wheel ", numbers({notches, x, y})); }
  // A drag with the middle button, which pans the shown picture.
  Script& pan(int x1, int y1, int x2, int y2) { return line("pan ", numbers({x1, y1, x2, y2})); }
  Script& close() { return line("close", ""); }
  // The close asking about unwritten changes answered: "write", "leave" or "cancel".
  Script& close(std::string_view answer) { return line("close ", answer); }
  Script& kill() { return line("kill", ""); }
  // The answer to the next question whether a file may be replaced.
  Script& replace(bool yes) { return line("replace ", yes ? "yes" : "no"); }
  Script& command(std::string_view name_and_arguments) { return line("command ", name_and_arguments); }

  Script& then(const Script& more) {
    text_ += more.text_;
    return *this;
  }
  Script& then(const Script& more, int times) {
    for (int i = 0; i < times; ++i) then(more);
    return *this;
  }
  friend Script operator+(Script a, const Script& b) { return a.then(b); }

  const std::string& text() const { return text_; }
  friend bool operator==(const Script&, const Script&) = default;

 private:
  Script& line(std::string_view head, std::string_view rest) {
    ((text_ += head) += rest) += '\n';
    return *this;
  }
  Script& repeat(int times, std::string_view whole_line) {
    for (int i = 0; i < times; ++i) line(whole_line, "");
    return *this;
  }
  static std::string numbers(std::initializer_list<int> values) {
    std::string out;
    for (const int v : values) out += (out.empty() ? "" : " ") + std::to_string(v);
    return out;
  }

  std::string text_;
};

}  // namespace plv::testing
