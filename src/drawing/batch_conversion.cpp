#include "drawing/batch_conversion.h"

#include <algorithm>
#include <exception>
#include <new>
#include <system_error>
#include <thread>
#include <utility>

#include "drawing/record_layout.h"
#include "text/fixed_text.h"

namespace plv {
namespace {

// Below this a second thread costs more than it saves.
constexpr size_t kLinesWorthAThread = 4096;

using Part = BatchConverter::Part;

void convert_part(const LineBatch& batch, const RecordForms& forms, BatchConversion& out, Part& part) {
  try {
    for (size_t i = part.from; i < part.to; ++i) {
      const std::string_view line = batch.line(i);
      StoredConversion c = forms.to_stored(line);
      if (!c.ok()) {
        RecordStore::keep(Record(), part.kept);
        out.outcomes[i] = LineOutcome::kUnread;
        part.unread.push_back(std::move(c.problem));
        continue;
      }
      RecordStore::keep(c.record, part.kept);
      out.outcomes[i] = !c.record.blank_in(layout::kCode) ? LineOutcome::kRecord
                        : text::is_blank(line)             ? LineOutcome::kBlank
                                                          : LineOutcome::kUnknown;
    }
  } catch (...) {
    part.failure = std::current_exception();
  }
}

}  // namespace

void LineBatch::add(std::string_view line, long number) {
  bytes_.append(line);
  ends_.push_back(bytes_.size());
  numbers_.push_back(number);
}

std::string_view LineBatch::line(size_t i) const {
  const size_t begin = i == 0 ? 0 : ends_[i - 1];
  return std::string_view(bytes_).substr(begin, ends_[i] - begin);
}

void LineBatch::clear() {
  bytes_.clear();
  ends_.clear();
  numbers_.clear();
}

BatchConversion BatchConverter::convert(const LineBatch& batch, RecordStore& store, const RecordForms& forms) {
  BatchConversion out;
  const size_t count = batch.size();
  out.first = store.count() + 1;
  out.outcomes.resize(count);
  const size_t threads = count < kLinesWorthAThread ? 1 : std::max(1u, std::min(std::thread::hardware_concurrency(), 8u));
  std::vector<Part>& parts = parts_;
  parts.resize(threads);
  for (size_t t = 0; t < threads; ++t) {
    parts[t].from = count * t / threads;
    parts[t].to = count * (t + 1) / threads;
    parts[t].kept.clear();
    parts[t].unread.clear();
    parts[t].failure = nullptr;
  }
  std::vector<std::thread> helpers;
  size_t started = 1;
  try {
    for (; started < threads; ++started)
      helpers.emplace_back(convert_part, std::cref(batch), std::cref(forms), std::ref(out), std::ref(parts[started]));
  } catch (const std::system_error&) {
    // No more threads to be had: this one does the rest.
  }
  convert_part(batch, forms, out, parts[0]);
  for (size_t t = started; t < threads; ++t) convert_part(batch, forms, out, parts[t]);
  for (std::thread& helper : helpers) helper.join();
  for (Part& part : parts) {
    if (part.failure) std::rethrow_exception(part.failure);
    store.append_read(part.kept);
    for (std::string& problem : part.unread) out.problems.push_back(std::move(problem));
  }
  return out;
}

}  // namespace plv
