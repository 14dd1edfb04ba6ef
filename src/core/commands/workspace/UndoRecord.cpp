#include "core/commands/workspace/UndoRecord.h"
#include "core/values/text/Messages.h"

namespace ferrovane::editor {

std::string_view UndoLabelOf(UndoCode code) {
    switch (code) {
    case UndoCode::DEL:
        return text::Msg(text::MessageId::UndoDelete);
    case UndoCode::REN:
        return text::Msg(text::MessageId::UndoRename);
    case UndoCode::SET:
        return text::Msg(text::MessageId::UndoPlace);
    case UndoCode::RCL:
        return text::Msg(text::MessageId::UndoRecolour);
    case UndoCode::UPR:
        return text::Msg(text::MessageId::UndoElevate);
    case UndoCode::MOV:
        return text::Msg(text::MessageId::UndoMoveAll);
    case UndoCode::LYS:
        return text::Msg(text::MessageId::UndoLayoutSize);
    case UndoCode::SEL:
        return text::Msg(text::MessageId::UndoSelect);
    case UndoCode::JNT:
        return text::Msg(text::MessageId::UndoJoin);
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
