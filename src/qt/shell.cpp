#include "qt/shell.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMessageBox>
#include <cstdio>

#include "app/error_box.h"

namespace np72::qt {

namespace {

void Show(QMessageBox::Icon icon, std::string_view text) {
  const QString message = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  // Also on stderr, where a session log or a terminal keeps it.
  std::fprintf(stderr, "%s: %s\n", kApplicationTitle, message.toUtf8().constData());
  QMessageBox box(icon, QString::fromUtf8(kApplicationTitle), message, QMessageBox::Ok);
  box.exec();
}

}  // namespace

void QtDialogs::ShowMessage(std::string_view text) {
  Show(QMessageBox::NoIcon, text);
}

void QtDialogs::ShowError(std::string_view text) {
  Show(QMessageBox::Critical, text);
}

void QtApplication::Terminate() {
  QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
}

std::string QtLocale::DecimalSeparator() const {
  return QLocale::system().decimalPoint().toStdString();
}

QtTickSource::QtTickSource(std::function<void()> onTick) {
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, std::move(onTick));
}

void QtTickSource::Start(int interval_ms) {
  timer_.start(interval_ms);
}

void QtTickSource::Stop() {
  timer_.stop();
}

}  // namespace np72::qt
