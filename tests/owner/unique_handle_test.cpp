#include "owner/unique_handle.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

std::vector<int> released;

void Release(int handle) {
    released.push_back(handle);
}

using Owner = UniqueHandle<int, &Release>;

// Each handle is released exactly once, by whichever owner holds it last; a handle given up and no handle
// are never released.
TEST(UniqueHandle, ReleasesEachHandleOnceByItsLastOwner) {
    released.clear();
    {
        const Owner empty;
        Owner first(1);
        Owner second(std::move(first));
        first.reset(2);
        second = std::move(first);
        EXPECT_EQ(released, std::vector<int>{1});
        Owner given(3);
        EXPECT_EQ(given.release(), 3);
        second.reset(4);
        EXPECT_FALSE(first);
        EXPECT_EQ(second.get(), 4);
    }
    EXPECT_EQ(released, (std::vector<int>{1, 2, 4}));
}

}  // namespace
