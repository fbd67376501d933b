#pragma once
// Answers message boxes from a thread of its own, pressing OK, and records their title and
// text in order: a test sees each box the code under test shows and none blocks the run.
// It watches this process, one given process, or every process.

#include <windows.h>

#include <atomic>
#include <ostream>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace qv::testing {

struct SeenMessage {
    std::wstring title;
    std::wstring text;
    bool operator==(const SeenMessage& other) const {
        return title == other.title && text == other.text;
    }
};

// For readable test failures.
void PrintTo(const SeenMessage& message, std::ostream* out);

class MessageBoxWatcher {
  public:
    enum class Scope { ThisProcess, AnyProcess };

    explicit MessageBoxWatcher(Scope scope = Scope::ThisProcess);
    explicit MessageBoxWatcher(DWORD process);
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    std::vector<SeenMessage> seen();

  private:
    void watch();
    static BOOL CALLBACK visit(HWND window, LPARAM self);
    void answer(HWND dialog);

    const DWORD process_;  // 0: any process
    std::atomic<bool> stopping_{false};
    std::mutex mutex_;
    std::vector<SeenMessage> seen_;
    std::set<HWND> answered_;
    std::thread thread_;
};

}  // namespace qv::testing
