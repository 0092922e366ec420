// Keeps the user's locale out of a test's messages and figures: the C locale writes
// "1000.00" and has no thousands separator of its own.
#pragma once
#include <cstdlib>
#include <string>

namespace testing_support {

class ScopedCLocale {
 public:
  ScopedCLocale() {
    if (const char* old = getenv("LC_ALL")) saved_ = old;
    setenv("LC_ALL", "C", 1);
  }
  ~ScopedCLocale() {
    if (saved_.empty()) unsetenv("LC_ALL");
    else setenv("LC_ALL", saved_.c_str(), 1);
  }

 private:
  std::string saved_;
};

}  // namespace testing_support
