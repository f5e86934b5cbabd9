#include "hostsim/picker_answer.h"

#include <algorithm>

int32_t WriteIds(const IdBuffer* buffer, const std::vector<uint32_t>& ids) {
    if (!buffer || !buffer->ids || buffer->capacity < 1) return 0;
    const size_t count = std::min(static_cast<size_t>(buffer->capacity), ids.size());
    std::copy_n(ids.begin(), count, buffer->ids);
    return static_cast<int32_t>(count);
}
