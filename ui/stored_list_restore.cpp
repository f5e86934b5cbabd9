#include "ui/stored_list_restore.h"

#include "ui/wait_cursor.h"

#include <chrono>
#include <utility>

namespace {

// The message and the timer that ask for the next part.
constexpr UINT kContinueMessage = WM_APP + 1;
constexpr UINT_PTR kContinueTimer = 1;
// Stored chromatograms are read for this long in one turn of the message loop.
constexpr std::chrono::milliseconds kPart{50};
// Windows drawn in one pause; a window that never validates must not hold the restore up.
constexpr int kMostPaintsPerPause = 64;

// Windows of this thread that wait to be drawn are drawn now. The next part's posted message is taken before
// any WM_PAINT, so without this neither the dialog nor the host's windows would be drawn until the whole list
// is read; the timer alone would draw them but wait at least USER_TIMER_MINIMUM per part. A WM_PAINT asks for
// no translation nor any filter of the host's loop: dispatching it here is what that loop would do with it.
void PaintWaitingWindows() {
    MSG msg;
    for (int i = 0; i < kMostPaintsPerPause && ::PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); ++i)
        ::DispatchMessageW(&msg);
}

}  // namespace

StoredListRestore::StoredListRestore(SampleSet& sampleSet, Ended ended)
    : sampleSet_(sampleSet), ended_(std::move(ended)) {}

void StoredListRestore::Start(HWND window, std::vector<uint32_t> ids) {
    window_ = window;
    queue_.reset();
    if (ids.empty()) return;
    queue_.emplace(std::move(ids));
    Schedule();
}

bool StoredListRestore::OnMessage(UINT message, WPARAM wParam) {
    if (message != kContinueMessage && !(message == WM_TIMER && wParam == kContinueTimer)) return false;
    Continue();
    return true;
}

void StoredListRestore::Schedule() {
    // A posted message comes before the analyst's keys and clicks; a timer's comes after them. So the next
    // part follows at once unless a key or a click waits for an answer. Mouse moves alone do not count: the
    // system makes them whenever a window appears under the pointer, and they ask nothing of the dialog.
    if (HIWORD(::GetQueueStatus(QS_KEY | QS_MOUSEBUTTON)) != 0)
        ::SetTimer(window_, kContinueTimer, USER_TIMER_MINIMUM, nullptr);
    else
        ::PostMessageW(window_, kContinueMessage, 0, 0);
}

void StoredListRestore::Continue() {
    ::KillTimer(window_, kContinueTimer);
    if (!queue_) return;
    const auto until = std::chrono::steady_clock::now() + kPart;
    if (Read([until] { return std::chrono::steady_clock::now() >= until; })) return;
    PaintWaitingWindows();
    Schedule();
}

void StoredListRestore::Finish() {
    if (!queue_) return;
    WaitCursor wait;
    Read([] { return false; });
}

bool StoredListRestore::Read(const std::function<bool()>& enough) {
    try {
        LoadAssays(sampleSet_, *queue_, enough);
    } catch (...) {
        // What was read is shown; the exception goes on to the window's own handler, which tells the analyst.
        End(true);
        throw;
    }
    if (!queue_->done()) return false;
    End(false);
    return true;
}

void StoredListRestore::End(bool stopped) {
    ::KillTimer(window_, kContinueTimer);
    const AssayLoad load = std::move(queue_->load);
    queue_.reset();
    ended_(load, stopped);
}
