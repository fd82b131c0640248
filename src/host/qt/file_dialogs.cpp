#include "host/qt/file_dialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QRegularExpression>
#include <QStringList>

namespace plv::host {

QString dialog_filter(const std::string& description, const std::string& patterns) {
  QStringList list = QString::fromStdString(patterns).split(QLatin1Char(';'), Qt::SkipEmptyParts);
  for (QString& pattern : list) {
    if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
  }
  QString text = QString::fromStdString(description);
  const qsizetype open = text.lastIndexOf(QLatin1Char('('));
  if (open >= 0 && text.endsWith(QLatin1Char(')'))) text.truncate(open);
  return text.trimmed() + QStringLiteral(" (") + list.join(QLatin1Char(' ')) + QLatin1Char(')');
}

namespace {

std::optional<std::string> run_dialog(QWidget* parent, const FileDialogRequest& request, bool open) {
  QFileDialog dialog(parent, QString::fromStdString(request.title), QString::fromStdString(request.directory));
  dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  QStringList filters;
  for (const auto& [description, patterns] : request.filters) filters << dialog_filter(description, patterns);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    const int index = request.filter_index - 1;
    if (index >= 0 && index < filters.size()) dialog.selectNameFilter(filters[index]);
  }
  if (!request.default_extension.empty()) {
    dialog.setDefaultSuffix(QString::fromStdString(request.default_extension));
    // A name typed without an extension takes the chosen filter's.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
      const qsizetype star = filter.indexOf(QStringLiteral("*."));
      if (star < 0) return;
      const QString suffix = filter.mid(star + 2).section(QRegularExpression(QStringLiteral("[ );]")), 0, 0);
      if (!suffix.isEmpty() && suffix != QStringLiteral("*")) dialog.setDefaultSuffix(suffix);
    });
  }
  if (!request.file_name.empty()) dialog.selectFile(QString::fromStdString(request.file_name));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}

}  // namespace

std::optional<std::string> run_open_dialog(QWidget* parent, const FileDialogRequest& request) {
  return run_dialog(parent, request, true);
}

std::optional<std::string> run_save_dialog(QWidget* parent, const FileDialogRequest& request) {
  return run_dialog(parent, request, false);
}

}  // namespace plv::host
