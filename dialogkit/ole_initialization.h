#pragma once
// OLE on the calling thread for as long as the object lives (COM for MSXML, OLE Automation for dates). The
// host's thread may have initialised it already; each successful OleInitialize is balanced by one
// OleUninitialize, and a thread the host made multithreaded still has COM, only not OLE's extras.

#include <windows.h>

namespace dialogkit {

class OleInitialization {
public:
    OleInitialization();
    ~OleInitialization();
    OleInitialization(const OleInitialization&) = delete;
    OleInitialization& operator=(const OleInitialization&) = delete;

    // COM can be used on this thread.
    bool IsReady() const noexcept { return ready_; }
    HRESULT Result() const noexcept { return result_; }

private:
    HRESULT result_;
    bool ready_;
};

}  // namespace dialogkit
