#include "host/assay_services.h"

#include "host/host_interface.h"
#include "host/host_link.h"

namespace AssayServices {

bool CanPick() {
    return HostLink::ServiceExists(HostService::OpenAssayIdDlgEx);
}

std::vector<uint32_t> Pick(HWND owner) {
    std::vector<uint32_t> buffer(static_cast<std::size_t>(kIdBufferCapacity), 0);
    IdBuffer ids{buffer.data(), kIdBufferCapacity};
    const HostValue count = HostLink::CallService(HostService::OpenAssayIdDlgEx, &ids, owner);
    if (count <= 0 || count > kIdBufferCapacity) return {};
    buffer.resize(static_cast<std::size_t>(count));
    return buffer;
}

bool CanOpenFile() {
    return HostLink::ServiceExists(HostService::OpenAssayFile);
}

void OpenFile(const std::wstring& fileName) {
    HostLink::CallService(HostService::OpenAssayFile, nullptr, fileName.c_str());
}

}  // namespace AssayServices
