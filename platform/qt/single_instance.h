// Only one copy of the program runs per user: the first takes a lock file in
// the user's runtime folder and holds it until it ends. A later copy started
// with a file hands the file's path to the first over a local socket beside
// the lock, and ends.
#pragma once

#include <QLockFile>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;

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

// The first copy's end of the hand-over: every path a later copy sends is
// given to `open` on the thread of the event loop.
class FileHandOverServer {
  public:
    explicit FileHandOverServer(std::function<void(const QString& path)> open);
    ~FileHandOverServer();

  private:
    std::unique_ptr<QLocalServer> server_;
    std::function<void(const QString&)> open_;
};

// A later copy's end: sends the absolute `path` to the first copy; false when
// none listens.
bool handOverFile(const QString& path);

}  // namespace ga
