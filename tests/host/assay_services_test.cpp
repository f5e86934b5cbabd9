// The host's picker and file viewer through their typed calls: the count the picker answers decides which of
// the ids it wrote come back; a host without the services is asked nothing.

#include "host/assay_services.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "host/host_link.h"
#include "tests/host/recording_host.h"

namespace {

class AssayServicesTest : public testing::Test {
protected:
    void SetUp() override { HostLink::Attach(host.Interface()); }
    void TearDown() override { HostLink::Attach(nullptr); }

    RecordingHost host;
};

TEST_F(AssayServicesTest, ThePickersCountSaysWhichIdsComeBack) {
    const struct {
        HostValue count;
        std::vector<uint32_t> ids;
    } cases[] = {
        {0, {}},
        {-1, {}},
        {INT_MIN, {}},
        {257, {}},
        {1, {7}},
        {3, {7, 0xFFFFFFFFu, 0x80000000u}},
        // The whole buffer: what the host did not write is zero.
        {256,
         [] {
             std::vector<uint32_t> all(256, 0);
             all[0] = 7, all[1] = 0xFFFFFFFFu, all[2] = 0x80000000u;
             return all;
         }()},
    };
    for (const auto& c : cases) {
        host.Offer(HostService::OpenAssayIdDlgEx, [&c](HostValue a, HostValue) {
            auto* buffer = reinterpret_cast<IdBuffer*>(a);
            EXPECT_EQ(buffer->capacity, kIdBufferCapacity);
            const uint32_t written[] = {7, 0xFFFFFFFFu, 0x80000000u};
            for (size_t i = 0; i < 3; ++i) buffer->ids[i] = written[i];
            return c.count;
        });
        EXPECT_TRUE(AssayServices::CanPick());
        EXPECT_EQ(AssayServices::Pick(nullptr), c.ids) << c.count;
    }
}

TEST_F(AssayServicesTest, AHostWithoutTheServicesIsAskedWhetherItHasThemOnly) {
    EXPECT_FALSE(AssayServices::CanPick());
    EXPECT_FALSE(AssayServices::CanOpenFile());
    EXPECT_EQ(host.CallNames(),
              (std::vector<std::string>{"ServiceExists Main/OpenAssayIdDlgEx", "ServiceExists Main/OpenAssayFile"}));
}

TEST_F(AssayServicesTest, TheFileToOpenIsTheSecondArgument) {
    std::wstring opened;
    host.Offer(HostService::OpenAssayFile, [&opened](HostValue a, HostValue b) -> HostValue {
        EXPECT_EQ(a, 0);
        opened = reinterpret_cast<const wchar_t*>(b);
        return 0;
    });
    EXPECT_TRUE(AssayServices::CanOpenFile());
    AssayServices::OpenFile(L"C:\\Данные\\assay5.stg");
    EXPECT_EQ(opened, L"C:\\Данные\\assay5.stg");
}

}  // namespace
