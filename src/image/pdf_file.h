#pragma once
// A one-page PDF file written as its page is drawn: the content's operators
// go through deflate to the sink in blocks, so a page of any number of
// shapes is made in the same small memory. The objects that name what the
// page holds (the page, its resources, the cross-reference table) follow
// the content, at the end. Every PDF page plivet makes is made here.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "image/pixels.h"
#include "image/vector_page.h"

namespace plv::image {

// `value` written as short as it can be with at most `decimals` decimals.
void append_number(std::string& out, double value, int decimals = 6);
// Each value and a space after it.
void append_numbers(std::string& out, std::initializer_list<double> values);
// `text` (single bytes) as a PDF literal string, brackets and all.
std::string pdf_literal(std::string_view text);

class Deflater;

// A font the page carries whole: its program and what a reader needs to
// set it without it, in thousandths of the font's size.
struct PdfFont {
  enum class Program { kCompactType1, kTrueType };
  Program program = Program::kCompactType1;
  std::string bytes;  // the font program
  std::string postscript_name;
  int flags = 32;  // 1 fixed pitch, 2 serifs, 32 the standard Latin letters
  double bbox[4] = {0, 0, 0, 0};
  double ascent = 0, descent = 0, cap_height = 0;
  std::vector<double> widths;  // of bytes 32 to 255, in the Windows Latin-1 encoding
};

class PdfFile {
 public:
  // A page `width` x `height` points, titled `title` (UTF-8).
  PdfFile(PageSink sink, std::string_view title, double width, double height);
  ~PdfFile();
  PdfFile(const PdfFile&) = delete;
  PdfFile& operator=(const PdfFile&) = delete;

  // The content's operators wait here; `drawn` after each shape hands
  // them on once a block has gathered.
  std::string& ops() { return ops_; }
  void drawn();

  // The name to paint `pixels` by ("/Im5"): the picture is written at once,
  // between two pieces of content.
  std::string picture(const Pixels& pixels);
  // The name to set letters in `font` by ("/F1"), the same for the same
  // font; it is written with the page.
  std::string font(std::shared_ptr<const PdfFont> font);
  // Inverting works against what lies beneath: the page becomes a group.
  void group_for_inverting() { inverting_ = true; }

  // Ends the page and the file; nothing more is taken after it.
  void finish();
  bool finished() const { return finished_; }

 private:
  void put(std::string_view bytes);
  int new_object();
  void begin_object(int number);
  int begin_stream(const std::string& dictionary);
  void stream_bytes(std::string_view bytes, bool last = false);
  void end_stream();
  void begin_content();
  void end_content();
  void write_page();

  PageSink sink_;
  std::string title_;
  double width_, height_;
  std::size_t offset_ = 0;
  std::vector<std::size_t> offsets_;
  std::vector<int> contents_, pictures_;
  void write_font(const PdfFont& font, int number);
  std::vector<std::shared_ptr<const PdfFont>> fonts_;
  std::unique_ptr<Deflater> deflater_;
  int stream_length_object_ = 0;
  std::size_t stream_start_ = 0;
  std::string ops_;
  bool inverting_ = false;
  bool finished_ = false;
};

}  // namespace plv::image
