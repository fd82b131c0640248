#include "host/qt/qt_window_system.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QCursor>
#include <QEventLoop>
#include <QMenuBar>
#include <QMessageBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>
#include <QScreen>
#include <QSessionManager>
#include <cstdio>
#include <stdexcept>

#include "host/qt/canvas.h"
#include "host/qt/export_choices_dialog.h"
#include "host/qt/file_dialogs.h"
#include "host/qt/main_window.h"
#include "host/qt/page_setup_dialog.h"
#include "host/qt/qt_print_job.h"

namespace plv::host {

namespace {

// While drawing goes on without a wait, the window is brought up to date
// this often so the user sees the picture grow.
constexpr auto kShowInterval = std::chrono::milliseconds(100);

QString text_of(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QtWindowSystem::QtWindowSystem(QtWindowOptions options) : options_(options) {}

QtWindowSystem::~QtWindowSystem() { destroy_window(); }

bool QtWindowSystem::create_window(const WindowSpec& window_spec, WindowClient& client) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return false;
  caption_ = window_spec.caption;
  canvas_ = new Canvas([this](const Event& e) { enqueue(e); }, QSize(options_.client_width, options_.client_height));
  MainWindow::Callbacks callbacks{
      .command = [this](Command command) { if (client_) client_->menu_command(command); },
      .close_requested = [this] { if (!client_ || client_->close_confirmed()) enqueue({.type = EventType::kClose}); },
      .minimised = [this] { if (client_) client_->client_resized(0, 0, true); },
  };
  window_ = std::make_unique<MainWindow>(window_spec, canvas_, std::move(callbacks));
  client_ = &client;
  canvas_->attach(client_);
  QObject::connect(qApp, &QGuiApplication::commitDataRequest, window_.get(), [this](QSessionManager& manager) {
    if (client_ && !client_->may_end_session()) manager.cancel();
  });
  show_window(window_spec.place);
  client_->client_resized(canvas_->device_size().width(), canvas_->device_size().height(), false);
  set_cursor(client_->cursor_shape());
  return true;
}

void QtWindowSystem::show_window(const std::optional<WindowPlace>& place) {
  if (!options_.place_as_before) {
    const QSize client(options_.client_width, options_.client_height);
    window_->resize(client + QSize(0, window_->menuBar()->sizeHint().height()));
    window_->show();
    // The menu bar's real height is known once shown; the client keeps its size.
    window_->resize(client + window_->size() - canvas_->size());
  } else if (place) {
    window_->setGeometry(place->left, place->top, place->width, place->height);
    if (place->maximised) window_->showMaximized();
    else window_->show();
  } else {
    // The first time: most of the screen, in its middle.
    const QRect screen = window_->screen()->availableGeometry();
    const QSize size = screen.size() * 0.85;
    window_->setGeometry(QRect(screen.topLeft() + QPoint((screen.width() - size.width()) / 2,
                                                         (screen.height() - size.height()) / 2),
                               size));
    window_->show();
  }
  window_->activateWindow();
  canvas_->setFocus();
}

std::optional<WindowPlace> QtWindowSystem::window_place() const {
  if (!window_) return std::nullopt;
  // A maximised window comes back maximised, over the place it had before.
  const QRect g = window_->isMaximized() ? window_->normalGeometry() : window_->geometry();
  return WindowPlace{g.x(), g.y(), g.width(), g.height(), window_->isMaximized()};
}

void QtWindowSystem::destroy_window() {
  if (canvas_) canvas_->attach(nullptr);
  client_ = nullptr;
  canvas_ = nullptr;
  window_.reset();
}

void QtWindowSystem::enqueue(const Event& event) {
  queue_.push(event);
  if (waiting_loop_) waiting_loop_->quit();
}

Event QtWindowSystem::wait_event() {
  if (waiting_) throw std::logic_error("wait_event() called from inside a wait for input");
  if (!window_) return {.type = EventType::kClose};
  waiting_ = true;
  while (queue_.empty()) {
    QEventLoop loop;
    waiting_loop_ = &loop;
    loop.exec();
    waiting_loop_ = nullptr;
  }
  waiting_ = false;
  return *queue_.pop();
}

bool QtWindowSystem::key_waiting() {
  if (!waiting_) QCoreApplication::processEvents();
  return queue_.key_waiting();
}

void QtWindowSystem::request_close() { enqueue({.type = EventType::kClose}); }

void QtWindowSystem::repaint() {
  if (!canvas_) return;
  canvas_->repaint();
  last_shown_ = std::chrono::steady_clock::now();
}

void QtWindowSystem::present() {
  if (!canvas_) return;
  canvas_->update();
  const auto now = std::chrono::steady_clock::now();
  if (now - last_shown_ >= kShowInterval) {
    canvas_->show_frame_now();
    last_shown_ = now;
  }
}

void QtWindowSystem::set_caption(std::string_view caption) {
  caption_ = caption;
  if (window_) window_->setWindowTitle(text_of(caption));
}

void QtWindowSystem::update_menu(const MenuState& menu) {
  if (window_) window_->apply(menu);
}

void QtWindowSystem::set_cursor(CursorShape shape) {
  if (canvas_) canvas_->set_shape(shape);
}

void QtWindowSystem::warp_pointer(Point client_pixel) {
  if (canvas_) QCursor::setPos(canvas_->mapToGlobal(canvas_->to_logical(client_pixel)));
}

void QtWindowSystem::message_box(std::string_view text, std::string_view title) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(title.size()), title.data(), static_cast<int>(text.size()),
                 text.data());
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, text_of(title), text_of(text), QMessageBox::Ok, window_.get());
  box.exec();
}

std::optional<std::string> QtWindowSystem::open_file_dialog(const FileDialogRequest& request) {
  return run_open_dialog(window_.get(), request);
}

std::optional<std::string> QtWindowSystem::save_file_dialog(const FileDialogRequest& request) {
  return run_save_dialog(window_.get(), request);
}

bool QtWindowSystem::page_setup_dialog(PageSetup& values) {
  PageSetupDialog dialog(values, window_.get());
  return dialog.exec() == QDialog::Accepted;
}

SmoothSurface* QtWindowSystem::smooth_surface() { return canvas_ ? &canvas_->smooth() : nullptr; }

bool QtWindowSystem::export_choices_dialog(ExportChoices& choices) {
  ExportChoicesDialog dialog(choices, window_.get());
  return dialog.exec() == QDialog::Accepted;
}

bool QtWindowSystem::pen_width_dialog(PenWidths& values) {
  PenWidthDialog dialog(values, window_.get());
  return dialog.exec() == QDialog::Accepted;
}

void QtWindowSystem::about_box(const AboutText& about, std::string_view title) {
  QString text = "<b>" + text_of(about.heading).toHtmlEscaped() + "</b><p>";
  for (const std::string& line : about.notice) text += text_of(line).toHtmlEscaped() + "<br>";
  text += "<p>Qt " + QString(qVersion()) + " (built with Qt " + QT_VERSION_STR + ")";
  QMessageBox::about(window_.get(), "About " + text_of(title), text);
}

void QtWindowSystem::set_status(const StatusLine& status) {
  if (window_) window_->show_status(text_of(status.text), text_of(status.position));
}

bool QtWindowSystem::ask_to_replace(std::string_view path, std::string_view title) {
  return QMessageBox::question(window_.get(), text_of(title),
                               text_of(path).toHtmlEscaped() + " already exists. Replace it?",
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

CloseAnswer QtWindowSystem::ask_unwritten_changes(std::string_view name, std::string_view title) {
  QMessageBox box(QMessageBox::Warning, text_of(title),
                  "The drawing " + text_of(name).toHtmlEscaped() + " has changes its file does not hold yet.",
                  QMessageBox::NoButton, window_.get());
  box.setInformativeText("Write them before closing? Leaving without writing keeps them in the recovery copy, "
                         "which is offered when the drawing is opened again.");
  QPushButton* write = box.addButton("&Write", QMessageBox::AcceptRole);
  QPushButton* leave = box.addButton("&Leave without writing", QMessageBox::DestructiveRole);
  box.addButton(QMessageBox::Cancel);
  box.setDefaultButton(write);
  box.exec();
  if (box.clickedButton() == write) return CloseAnswer::kWrite;
  if (box.clickedButton() == leave) return CloseAnswer::kLeave;
  return CloseAnswer::kCancel;
}

void QtWindowSystem::show_text(std::string_view text, std::string_view title) {
  QDialog dialog(window_.get());
  dialog.setWindowTitle(text_of(title));
  auto* view = new QPlainTextEdit(text_of(text));
  view->setReadOnly(true);
  view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  view->setMinimumSize(view->fontMetrics().horizontalAdvance(QString(84, 'M')), view->fontMetrics().height() * 30);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(view);
  layout->addWidget(buttons);
  dialog.exec();
}

// The installed page; from a build, the one beside the sources.
void QtWindowSystem::show_manual(std::string_view title) {
  const QString here = QCoreApplication::applicationDirPath();
  QStringList tries = {"plivet"};
  for (const QString& page : {here + "/../share/man/man1/plivet.1", here + "/../packaging/plivet.1"})
    if (QFileInfo::exists(page)) tries.push_back(page);
  for (const QString& page : tries) {
    QProcess man;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("MANWIDTH", "80");
    environment.insert("MANPAGER", "cat");
    man.setProcessEnvironment(environment);
    man.start("man", page.endsWith(".1") ? QStringList{"-l", page} : QStringList{page});
    if (man.waitForFinished(10000) && man.exitCode() == 0) {
      const QString text = QString::fromLocal8Bit(man.readAllStandardOutput());
      if (!text.trimmed().isEmpty()) return show_text(text.toStdString(), title);
    }
  }
  message_box("The manual page could not be found: it comes with the installed program (man plivet).", title);
}

bool QtWindowSystem::choose_printer(bool ask_user) {
  if (ask_user) {
    auto printer = printer_ ? std::move(printer_) : std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), window_.get());
    // One picture, one page: there is nothing to choose a part of.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    const bool chosen = dialog.exec() == QDialog::Accepted;
    printer_ = std::move(printer);
    return chosen;
  }
  if (!printer_) {
    const QPrinterInfo fallback = QPrinterInfo::defaultPrinter();
    if (fallback.isNull()) return false;
    printer_ = std::make_unique<QPrinter>(fallback, QPrinter::HighResolution);
  }
  return true;
}

void QtWindowSystem::print_to_pdf_file(const QString& path) {
  printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer_->setOutputFormat(QPrinter::PdfFormat);
  printer_->setOutputFileName(path);
  printer_->setColorMode(QPrinter::Color);
}

std::unique_ptr<PrintJob> QtWindowSystem::start_print_job(std::string_view document_name) {
  if (!printer_) return nullptr;
  return QtPrintJob::start(*printer_, document_name);
}

void QtWindowSystem::copy_to_clipboard(const Frame& frame) {
  // What the window shows: the text screen as painted, the picture as its
  // exact raster even when the window smooths it.
  if (!canvas_) return;
  Frame exact = frame;
  exact.smooth = false;
  QImage copy;
  canvas_->render(exact, copy);
  QGuiApplication::clipboard()->setImage(copy);
}

}  // namespace plv::host
