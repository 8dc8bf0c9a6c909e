// Only one copy of the program runs per user: the first takes a lock file in
// the user's runtime folder and holds it until it ends.
#pragma once

#include <QLockFile>
#include <memory>

namespace ga {

class SingleInstanceGuard {
  public:
    // Tries for a short moment to take the lock. Needs a QCoreApplication.
    SingleInstanceGuard();

    // False when another copy of this user holds the lock: this copy should
    // end at once, silently.
    bool isFirstInstance() const { return firstInstance_; }

  private:
    std::unique_ptr<QLockFile> lock_;
    bool firstInstance_ = true;
};

}  // namespace ga
