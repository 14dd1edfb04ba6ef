#include "core/commands/workspace/UndoRecord.h"

namespace ferrovane::editor {

std::string_view UndoLabelOf(UndoCode code) {
    switch (code) {
    case UndoCode::DEL:
        return "削除";
    case UndoCode::REN:
        return "レール名変更";
    case UndoCode::SET:
        return "レール設置";
    case UndoCode::RCL:
        return "レール色変更";
    case UndoCode::UPR:
        return "高架化";
    case UndoCode::MOV:
        return "全体移動";
    case UndoCode::LYS:
        return "レイアウトサイズ変更";
    case UndoCode::SEL:
        return "レール選択";
    case UndoCode::JNT:
        return "レール接続";
    }
    return {};
}

UndoCode UndoRecord::Code() const {
    return std::visit([](const auto& payload) { return payload.Code; }, Payload);
}

void UndoRecord::TakeBack(app::Workspace& ws, UndoPass& pass) const {
    std::visit([&](const auto& payload) { payload.TakeBack(ws, pass); }, Payload);
}

void UndoRecord::DoAgain(app::Workspace& ws) const {
    std::visit(
        [&](const auto& payload) {
            if constexpr (requires { payload.DoAgain(ws); }) payload.DoAgain(ws);
        },
        Payload);
}

} // namespace ferrovane::editor
