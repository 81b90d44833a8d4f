#include "tool_rig.h"

#include <unistd.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

#include "control_text.h"
#include "sim/hex_text.h"
#include "sim/host_commands.h"

namespace np72::stress {

namespace {

std::string OwnGuardName() {
  static int rigs = 0;
  return qt::GuardName("np72-stress") + "." + std::to_string(getpid()) + "." + std::to_string(++rigs);
}

}  // namespace

ToolRig::ToolRig() : guard_(OwnGuardName()) {
  front_ = std::make_unique<qt::FrontEnd>(qt::Host{serial_, hotplug_, hotplug_, guard_, dialogs_});
  hotplug_.SetReceiver([this](const DeviceChange& event) { front_->DeviceChanged(event); });
}

ToolRig::~ToolRig() {
  front_->window().close();
  front_.reset();
  sim_.reset();
}

bool ToolRig::StartSensor() {
  sim_ = std::make_unique<SimPty>();
  return sim_->Start(QStringLiteral(NP72_SIM_PTY));
}

void ToolRig::StopSensor() { sim_.reset(); }

void ToolRig::ShowWindow() {
  front_->Start();
  QVERIFY(QTest::qWaitForWindowExposed(&front_->window()));
}

void ToolRig::PlugIn() {
  plugged_ = sim_->SlavePath();
  source_.Inject(SensorTty("add", plugged_));
}

void ToolRig::Unplug() { source_.Inject(SensorTty("remove", plugged_)); }

QString ToolRig::Text(Control control) { return TextOf(front_->window().widget(control)); }

void ToolRig::ClearShown(Control control) {
  static_cast<QLineEdit*>(front_->window().widget(control))->clear();
}

bool ToolRig::ActiveLook() {
  return Text(Control::Label10) == QStringLiteral("Устройство активно") &&
         front_->window().widget(Control::Panel2)->isVisible() &&
         front_->window().widget(Control::GroupBox4)->isVisible();
}

bool ToolRig::WaitingLook() {
  return Text(Control::Label10) == QStringLiteral("Устройство не определено") &&
         !front_->window().widget(Control::Panel2)->isVisible() &&
         !front_->window().widget(Control::GroupBox4)->isVisible();
}

QStringList ToolRig::Log() {
  const QString text = Text(Control::LogMemo);
  return text.isEmpty() ? QStringList{} : text.split('\n');
}

void ToolRig::ClearLog() { static_cast<QAbstractButton*>(front_->window().widget(Control::Button11))->click(); }

int ToolRig::Polls() {
  static const QString poll = QString::fromStdString(sim::HexText(sim::ShortCommand(CmdPollCurrent)));
  return sim_->Count(poll);
}

}  // namespace np72::stress
