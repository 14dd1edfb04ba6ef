#pragma once

namespace ferrovane::model {
struct Layout;
}

namespace ferrovane::editor {

// True for the head of a rail-box group (kinds 50, 51).
bool IsGroupHead(const model::Layout& layout, int rail);

// The last rail of the group headed by rail: the members (kinds 60, 61) follow their
// head directly. The rail itself when it heads no group or has no members.
int GroupLast(const model::Layout& layout, int rail);

} // namespace ferrovane::editor
