#pragma once
// Answers, from a thread of its own, every message box that one process shows (this one
// unless told otherwise), pressing OK, and records each box's title and text in order: a
// test sees the boxes the setup shows and none blocks the run.

#include <windows.h>

#include <atomic>
#include <mutex>
#include <ostream>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace qv::setup::testing {

struct SeenBox {
    std::wstring title;
    std::wstring text;
    bool operator==(const SeenBox& other) const {
        return title == other.title && text == other.text;
    }
};

// For readable test failures.
void PrintTo(const SeenBox& box, std::ostream* out);

class BoxAnswerer {
  public:
    explicit BoxAnswerer(DWORD process = GetCurrentProcessId());
    ~BoxAnswerer();
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    std::vector<SeenBox> seen();

  private:
    void watch();
    static BOOL CALLBACK visit(HWND window, LPARAM self);

    const DWORD process_;
    std::atomic<bool> stopping_{false};
    std::mutex mutex_;
    std::vector<SeenBox> seen_;
    std::set<HWND> answered_;
    std::thread thread_;
};

}  // namespace qv::setup::testing
