// The application object and its message boxes.
#pragma once

#include <string_view>

namespace np72 {

class Dialogs {
 public:
  // A box with one OK button, captioned "NP72 Viewer", no icon; returns when closed.
  virtual void ShowMessage(std::string_view text) = 0;
  // The same box with an error icon.
  virtual void ShowError(std::string_view text) = 0;

 protected:
  ~Dialogs() = default;
};

class Application {
 public:
  // Posts a quit request and returns at once.
  virtual void Terminate() = 0;

 protected:
  ~Application() = default;
};

}  // namespace np72
