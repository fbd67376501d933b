#include "RuntimeError.h"

namespace qv::setup {

RuntimeError objectNotSet() {
    return RuntimeError(91, L"Object variable or With block variable not set");
}

}  // namespace qv::setup
