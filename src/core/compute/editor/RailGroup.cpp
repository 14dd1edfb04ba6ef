#include "core/compute/editor/RailGroup.h"

#include "core/values/model/Layout.h"

namespace ferrovane::editor {

namespace {
bool IsMember(const model::Rail& r) {
    return r.Kind == model::KindBoxMemberStraight || r.Kind == model::KindBoxMemberCurve;
}
} // namespace

bool IsGroupHead(const model::Layout& layout, int rail) {
    if (rail < 1 || rail > layout.RailCount) return false;
    const auto kind = layout.Rails[rail].Kind;
    return kind == model::KindBoxHeadStraight || kind == model::KindBoxHeadCurve;
}

int GroupLast(const model::Layout& layout, int rail) {
    if (!IsGroupHead(layout, rail)) return rail;
    int last = rail;
    while (last < layout.RailCount && IsMember(layout.Rails[last + 1]))
        ++last;
    return last;
}

} // namespace ferrovane::editor
