#include "core/compute/render/RedrawTarget.h"

namespace ferrovane::render {

RedrawTarget& NullRedrawTarget() {
    static RedrawTarget target;
    return target;
}

} // namespace ferrovane::render
