#include "drawing/converted_window.h"

#include <algorithm>
#include <exception>
#include <system_error>
#include <thread>

namespace plv {

namespace {
// Below this a second thread costs more than it saves.
constexpr long kRecordsWorthAThread = 4096;
}  // namespace

struct ConvertedWindow::Part {
  long from, to;  // records
  std::string text;
  std::vector<std::pair<size_t, size_t>> spans;  // of each record's line in `text`
  std::exception_ptr failure;
};

const ConvertedLine& ConvertedWindow::at(long n) {
  if (n < first_ || n >= end_) convert_from(n);
  return lines_[static_cast<size_t>(n - first_)];
}

void ConvertedWindow::convert_from(long first) {
  first_ = first;
  end_ = std::min(store_.count() + 1, first + kRecords);
  const long count = end_ - first_;
  lines_.assign(static_cast<size_t>(count), ConvertedLine{});
  const long threads = count < kRecordsWorthAThread
                           ? 1
                           : std::max(1L, std::min(static_cast<long>(std::thread::hardware_concurrency()), 8L));
  std::vector<Part> parts(static_cast<size_t>(threads));
  for (long t = 0; t < threads; ++t) parts[static_cast<size_t>(t)] = {first_ + count * t / threads, first_ + count * (t + 1) / threads, {}, {}, nullptr};

  auto convert = [this](Part& part) {
    try {
      part.spans.resize(static_cast<size_t>(part.to - part.from));
      for (long n = part.from; n < part.to; ++n) {
        const Record& record = store_.read(n);
        if (!wanted_(record)) continue;
        const FileConversion c = forms_.to_file(record);
        ConvertedLine& line = lines_[static_cast<size_t>(n - first_)];
        line.kind = c.kind;
        if (!c.ok()) {
          line.problem = c.problem;
          continue;
        }
        const std::string_view text = c.line.trimmed();
        line.reads_back = reread_ && forms_.to_stored(text).record == record;
        part.spans[static_cast<size_t>(n - part.from)] = {part.text.size(), text.size()};
        part.text.append(text);
      }
    } catch (...) {
      part.failure = std::current_exception();
    }
  };
  std::vector<std::thread> helpers;
  size_t started = 1;
  try {
    for (; started < parts.size(); ++started) helpers.emplace_back(convert, std::ref(parts[started]));
  } catch (const std::system_error&) {
    // No more threads to be had: this one does the rest.
  }
  convert(parts[0]);
  for (size_t t = started; t < parts.size(); ++t) convert(parts[t]);
  for (std::thread& helper : helpers) helper.join();

  texts_.clear();
  for (Part& part : parts) {
    if (part.failure) std::rethrow_exception(part.failure);
    texts_.push_back(std::move(part.text));
  }
  for (size_t t = 0; t < parts.size(); ++t) {
    const std::string_view text = texts_[t];
    for (long n = parts[t].from; n < parts[t].to; ++n) {
      const auto [at, length] = parts[t].spans[static_cast<size_t>(n - parts[t].from)];
      lines_[static_cast<size_t>(n - first_)].text = text.substr(at, length);
    }
  }
}

}  // namespace plv
