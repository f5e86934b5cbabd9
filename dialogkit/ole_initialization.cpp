#include "dialogkit/ole_initialization.h"

#include <ole2.h>

namespace dialogkit {

OleInitialization::OleInitialization()
    : result_(OleInitialize(nullptr)), ready_(SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE) {}

OleInitialization::~OleInitialization() {
    if (SUCCEEDED(result_)) OleUninitialize();
}

}  // namespace dialogkit
