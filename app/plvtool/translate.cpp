#include "translate.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "drawing/setup_line.h"
#include "publish/translation.h"

namespace plv::tool {
namespace {

std::optional<double> number(const std::string& text) {
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0') return std::nullopt;
  return v;
}

}  // namespace

TranslateArguments parse_translate_arguments(const std::vector<std::string>& args) {
  TranslateArguments a;
  TranslateRequest& r = a.request;
  std::vector<std::string> operands;
  for (size_t i = 1; i < args.size() && a.error.empty(); ++i) {
    const std::string& arg = args[i];
    const bool has_value = i + 1 < args.size();
    if (arg == "-o" && has_value) r.output = args[++i];
    else if (arg == "--width-cm" && has_value) {
      r.width_cm = number(args[++i]);
      if (!r.width_cm || !accepted_drawing_width(*r.width_cm))
        a.error = "--width-cm takes a width in centimetres of at least 0.01 and below 10000000, as the setup menu does";
    } else if (arg == "--line-width" && has_value) {
      r.line_width = number(args[++i]);
      if (!r.line_width || !accepted_line_width(*r.line_width))
        a.error = "--line-width takes a factor of at least 0.001 and below 1000000, as the setup menu does";
    } else if (arg == "--font" && has_value) {
      const std::string& f = args[++i];
      if (f.size() != 1 || !accepted_font(f[0])) a.error = "--font takes D, C, H or T";
      else r.font = f[0];
    } else if (arg == "--mono") r.colour = 'M';
    else if (arg == "--colour" || arg == "--color") r.colour = 'C';
    else if (arg == "--landscape") r.orientation = 'L';
    else if (arg == "--portrait") r.orientation = 'P';
    else if (arg.starts_with("-")) a.error = "unknown option " + arg;
    else operands.push_back(arg);
  }
  if (!a.error.empty()) return a;
  if (operands.size() != 1 || r.output.empty()) a.error = "translate takes one drawing and -o OUT";
  else if (!publish::format_for_path(r.output)) a.error = r.output + ": the page can be written as .pdf, .eps, .ps or .svg";
  else r.input = operands[0];
  return a;
}

int translate(const TranslateRequest& request, const RecordStore& drawing, const std::string& setup_line) {
  publish::TranslationRequest t;
  t.setup = parse_setup_line(setup_line);
  if (request.width_cm) t.setup.drawing_width = *request.width_cm;
  if (request.line_width) t.setup.line_width = *request.line_width;
  if (request.font) t.setup.font = *request.font;
  if (request.colour) t.setup.colour = *request.colour;
  if (request.orientation) t.setup.orientation = *request.orientation;
  t.format = *publish::format_for_path(request.output);
  t.title = request.input;
  const publish::TranslationOutcome outcome = publish::translate_to_file(drawing, RenderState{}, t, request.output);
  for (const std::string& note : outcome.notes) std::cerr << request.input << ": " << note << "\n";
  if (!outcome.written.ok()) {
    std::cerr << outcome.written.error << "\n";
    return 1;
  }
  constexpr double kCm = publish::kPointsPerCentimetre;
  std::printf("%s: %.2f cm x %.2f cm, %s, %s, letters in %s\n", request.output.c_str(), outcome.frame.width / kCm,
              outcome.frame.height / kCm, t.setup.orientation == 'L' ? "landscape" : "portrait",
              t.setup.colour == 'C' ? "colour" : "mono", outcome.lettering.c_str());
  return 0;
}

}  // namespace plv::tool
