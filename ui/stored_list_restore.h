#pragma once
// StoredListRestore: reads the chromatogram list stored in the profile back into the sample set a part at a
// time, each part a turn of the host's message loop, so that the dialog shows at once and answers while a
// long list is read. The window it was started for hands it its messages.

#include "ui/assay_loading.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class SampleSet;

class StoredListRestore {
public:
    // Called once when the restore has ended, with what the load met; stopped says that an exception ended it
    // before all was read.
    using Ended = std::function<void(const AssayLoad& load, bool stopped)>;

    StoredListRestore(SampleSet& sampleSet, Ended ended);
    StoredListRestore(const StoredListRestore&) = delete;
    StoredListRestore& operator=(const StoredListRestore&) = delete;

    // Reads ids into the set, the first part at the window's next turn; no ids, no restore. A restore still
    // running is dropped without ending.
    void Start(HWND window, std::vector<uint32_t> ids);
    // The stored list is still being read.
    bool Running() const { return queue_.has_value(); }
    // Reads what is left at once: every command works on the whole restored list.
    void Finish();
    // The window's message: true when it was the restore's own (its posted message or its timer).
    bool OnMessage(UINT message, WPARAM wParam);

private:
    void Schedule();
    void Continue();
    // Reads until enough says so or all is read; true when the restore has ended.
    bool Read(const std::function<bool()>& enough);
    void End(bool stopped);

    SampleSet& sampleSet_;
    Ended ended_;
    HWND window_ = nullptr;
    // The part of the stored list not read yet; none once the restore ended.
    std::optional<AssayQueue> queue_;
};
