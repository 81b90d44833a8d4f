// The user's regional settings.
#pragma once

#include <string>

namespace np72 {

class Locale {
 public:
  // The decimal separator, UTF-8: "," under Russian settings, "." under English ones.
  virtual std::string DecimalSeparator() const = 0;

 protected:
  ~Locale() = default;
};

}  // namespace np72
