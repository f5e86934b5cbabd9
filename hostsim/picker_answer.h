#pragma once
// What the assay picker hands back to the plug-in: ids written into its buffer, never beyond its capacity.

#include <cstdint>
#include <vector>

#include "host/host_interface.h"

// Writes the leading ids that fit into the buffer; answers how many were written (0 for a null buffer,
// null array or a capacity below 1).
int32_t WriteIds(const IdBuffer* buffer, const std::vector<uint32_t>& ids);
