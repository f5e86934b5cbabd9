#include "plugin/module_state.h"

ModuleState& State() {
    static ModuleState state;
    return state;
}
