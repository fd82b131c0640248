#pragma once
// The open drawing and everything that belongs to it: its records and the
// buffer's, the changes that can be taken back and made again, the copy of
// them kept on disc, its names and its translation setup. Whoever holds
// something worked out from the records (record numbers, the last element
// made) listens here, and hears of every change that can make it wrong.

#include <span>
#include <string>
#include <vector>

#include "drawing/change_journal.h"
#include "drawing/record_store.h"
#include "drawing/recovery_copy.h"
#include "drawing/translation_setup.h"

namespace plv {

inline constexpr int kDrawingNameLength = 14;
inline constexpr int kDirectoryLength = 66;
inline constexpr int kDrawingPathLength = 80;

// Holds record numbers or records of the drawing.
class RecordsListener {
 public:
  // Records put in between others: the graphics after them moved up.
  virtual void records_inserted(std::span<const PlacedRecord> inserted) = 0;
  // An action taken back or made again, or another drawing: no number or
  // record remembered from before can be trusted.
  virtual void records_replaced() = 0;

 protected:
  ~RecordsListener() = default;
};

class Document {
 public:
  Document() { drawing.watch(&journal); }
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  RecordStore drawing;
  // The drawing's changes since it was opened, by action, to take back
  // and make again.
  ChangeJournal journal;
  // The same changes kept on disc until the drawing is written.
  RecoveryCopy recovery{journal};
  RecordStore buffer;

  bool file_open = false;
  // The last attempt to write the drawing failed, and none has succeeded
  // since: the program then ends with a non-zero status.
  bool last_write_failed = false;
  std::string setup_line{kDefaultSetupLine};

  // The open drawing: name with extension, directory, and the two joined.
  std::string drawing_name = std::string(kDrawingNameLength, ' ');
  std::string directory = std::string(kDirectoryLength, ' ');
  std::string drawing_path = std::string(kDrawingPathLength, ' ');
  std::string extension = "plv";
  std::string date;  // today, 9 characters

  // The last layer record of the drawing (blank: none), and the colour
  // record in force after its last record.
  Record layer_at_end() const;
  Record colour_at_end() const;

  // The records are as the drawing's file holds them: just read, started
  // or written.
  void mark_written() { written_at_ = journal.changes(); }
  // The open drawing changed since it was read or last written.
  bool unwritten_changes() const { return file_open && journal.changes() != written_at_; }

  // Takes the last action back, or makes it again: false when there is
  // none or the drawing no longer holds what it left (nothing changed).
  bool undo();
  bool redo();
  // Puts the records in between others, as one step of the action.
  void insert(std::span<const PlacedRecord> records);
  // The records were all replaced: another drawing, or the same read again.
  void replaced();

  // `listener` hears of changes until it is taken off; it must be taken
  // off before it is gone.
  void listen(RecordsListener& listener);
  void stop_listening(RecordsListener& listener);

 private:
  std::vector<RecordsListener*> listeners_;
  long written_at_ = 0;
};

// Listens to a document for as long as it lives.
class Listening {
 public:
  Listening(Document& document, RecordsListener& listener) : document_(document), listener_(listener) {
    document_.listen(listener_);
  }
  ~Listening() { document_.stop_listening(listener_); }
  Listening(const Listening&) = delete;
  Listening& operator=(const Listening&) = delete;

 private:
  Document& document_;
  RecordsListener& listener_;
};

}  // namespace plv
