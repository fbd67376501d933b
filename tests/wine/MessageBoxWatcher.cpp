#include "MessageBoxWatcher.h"

#include <chrono>

namespace qv::testing {
namespace {

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

constexpr int kMessageTextControl = 0xFFFF;

std::string printable(const std::wstring& text) {
    std::string bytes;
    for (wchar_t c : text) bytes += c == L'\r' ? '|' : (c < 128 ? static_cast<char>(c) : '?');
    return bytes;
}

}  // namespace

void PrintTo(const SeenMessage& message, std::ostream* out) {
    *out << "[" << printable(message.title) << "] " << printable(message.text);
}

MessageBoxWatcher::MessageBoxWatcher(Scope scope)
    : MessageBoxWatcher(scope == Scope::ThisProcess ? GetCurrentProcessId() : 0) {}

MessageBoxWatcher::MessageBoxWatcher(DWORD process)
    : process_(process), thread_([this] { watch(); }) {}

MessageBoxWatcher::~MessageBoxWatcher() {
    stopping_ = true;
    thread_.join();
}

std::vector<SeenMessage> MessageBoxWatcher::seen() {
    // One more sweep first, so that a box shown just before the call is counted.
    EnumWindows(visit, reinterpret_cast<LPARAM>(this));
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
}

void MessageBoxWatcher::watch() {
    while (!stopping_) {
        EnumWindows(visit, reinterpret_cast<LPARAM>(this));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

BOOL CALLBACK MessageBoxWatcher::visit(HWND window, LPARAM self) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    auto* watcher = reinterpret_cast<MessageBoxWatcher*>(self);
    const bool watched = watcher->process_ == 0 || process == watcher->process_;
    // A box counts once it is visible: by then its text control holds the message.
    if (watched && std::wstring(className) == L"#32770" && IsWindowVisible(window))
        watcher->answer(window);
    return TRUE;
}

void MessageBoxWatcher::answer(HWND dialog) {
    HWND textControl = GetDlgItem(dialog, kMessageTextControl);
    if (!textControl) return;  // not yet filled in
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!answered_.insert(dialog).second) return;
        seen_.push_back({windowText(dialog), windowText(textControl)});
    }
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

}  // namespace qv::testing
