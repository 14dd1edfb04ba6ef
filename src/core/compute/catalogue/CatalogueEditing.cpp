#include "core/compute/catalogue/CatalogueEditing.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "core/values/format/Blanks.h"
#include "core/values/format/ListDirected.h"
#include "core/values/format/TextCodec.h"
#include "core/values/model/Layout.h"
#include "core/values/platform/UiHost.h"
#include "core/values/text/Messages.h"

namespace ferrovane::catalogue {

namespace {

using platform::Answer;
using platform::Message;
using platform::MessageButtons;
using platform::MessageIcon;

bool AskYesNo(platform::UiHost& host, const std::string& text, const std::string& title) {
    return platform::ShowModal(host, Message{text, title, MessageIcon::Question,
                                             MessageButtons::YesNo}) == Answer::Yes;
}

using document::TrimBlanks;

// The array of a kind with its highest index, made consistent: an array shorter than
// its maximum claims is grown so that 0..Max can always be indexed.
std::vector<RType>* Entries(Catalogue& c, int kind, std::int32_t*& max) {
    auto* types = TypesOf(c, kind);
    max = TypeMaxOf(c, kind);
    if (!types || !max) return nullptr;
    if (*max < 0) *max = 0;
    if (static_cast<std::int64_t>(types->size()) < *max + 1)
        types->resize(static_cast<std::size_t>(*max) + 1);
    return types;
}

} // namespace

std::vector<RType>* TypesOf(Catalogue& c, int kind) {
    switch (kind) {
    case 0:
        return &c.StraightTypes;
    case 1:
        return &c.CurveTypes;
    case 2:
        return &c.PointTypes;
    default:
        return nullptr;
    }
}

std::int32_t* TypeMaxOf(Catalogue& c, int kind) {
    switch (kind) {
    case 0:
        return &c.StraightTypeMax;
    case 1:
        return &c.CurveTypeMax;
    case 2:
        return &c.PointTypeMax;
    default:
        return nullptr;
    }
}

const std::vector<RType>* TypesOf(const Catalogue& c, int kind) {
    return TypesOf(const_cast<Catalogue&>(c), kind);
}

const std::int32_t* TypeMaxOf(const Catalogue& c, int kind) {
    return TypeMaxOf(const_cast<Catalogue&>(c), kind);
}

bool RegisterRType(Catalogue& c, int kind, int index, const RTypeFields& f) {
    std::int32_t* max = nullptr;
    auto* types = Entries(c, kind, max);
    if (!types || index < 0 || index > *max) return false;
    RType& t = (*types)[static_cast<std::size_t>(index)];
    SetShape(t, kind, f);
    t.Color = f.Color;
    t.Level = f.Level;
    return true;
}

int AddRType(Catalogue& c, int kind) {
    std::int32_t* max = nullptr;
    auto* types = Entries(c, kind, max);
    if (!types) return -1;
    const int added = *max;
    ++*max;
    types->resize(static_cast<std::size_t>(*max) + 1);
    // The user-rail entry moves one up with its colour; the slot it left becomes the
    // new rail, keeping the rest of what the slot held.
    RType& user = (*types)[static_cast<std::size_t>(*max)];
    user = (*types)[static_cast<std::size_t>(added)];
    user.Name = UserRailName;
    user.IsUserRail = -1;
    user.Kind = static_cast<std::int16_t>(kind);
    RType& fresh = (*types)[static_cast<std::size_t>(added)];
    fresh.Name = NewRailName;
    fresh.IsUserRail = 0;
    fresh.Kind = static_cast<std::int16_t>(kind);
    if (kind == model::KindStraight)
        fresh.Length = 100;
    else
        fresh.Radius = 100;
    return added;
}

bool DeleteRType(platform::UiHost& host, Catalogue& c, int kind, int index) {
    std::int32_t* max = nullptr;
    auto* types = Entries(c, kind, max);
    if (!types || index < 0 || index >= *max) return false;
    if (!AskYesNo(host, text::Msg(text::MessageId::ConfirmDeleteRail),
                  text::Msg(text::MessageId::DeleteRailTitle)))
        return false;
    types->erase(types->begin() + index);
    --*max;
    types->resize(static_cast<std::size_t>(*max) + 1);
    return true;
}

bool RenameRType(platform::UiHost& host, Catalogue& c, int kind, int index) {
    std::int32_t* max = nullptr;
    auto* types = Entries(c, kind, max);
    if (!types || index < 0 || index > *max) return false;
    RType& t = (*types)[static_cast<std::size_t>(index)];
    const auto answer = host.InputText(text::Msg(text::MessageId::RenameRTypeQuestion, {t.Name}),
                                       text::Msg(text::MessageId::RenameRailTitle), t.Name);
    if (!answer || answer->empty()) return false;
    // Stored as the file will hold it, so what is shown is what is read back.
    std::string name = document::SanitizeFileText(*answer);
    if (platform::Utf8Length(name) > MaxRTypeNameLength) {
        platform::ShowModal(host, Message{text::Msg(text::MessageId::RailNameTooLong,
                                                    {std::to_string(MaxRTypeNameLength)}),
                                          text::Msg(text::MessageId::ErrorTitle),
                                          MessageIcon::Exclamation, MessageButtons::Ok});
        return false;
    }
    t.Name = std::move(name);
    t.IsUserRail = t.Name == UserRailName ? -1 : 0;
    return true;
}

bool AutoColourRTypes(platform::UiHost& host, Catalogue& c, int kind) {
    std::int32_t* max = nullptr;
    auto* types = Entries(c, kind, max);
    if (!types) return false;
    if (!AskYesNo(host, text::Msg(text::MessageId::AutoColourQuestion),
                  text::Msg(text::MessageId::AutoColourTitle)))
        return false;
    for (int i = 0; i <= *max; ++i)
        (*types)[static_cast<std::size_t>(i)].Color =
            StandardPalette[static_cast<std::size_t>(i) % 16];
    return true;
}

int ApplyCatalogueColours(platform::UiHost& host, const Catalogue& c, model::Layout& layout,
                          bool ask) {
    if (ask && !AskYesNo(host, text::Msg(text::MessageId::ApplyColoursQuestion),
                         text::Msg(text::MessageId::ApplyColoursTitle)))
        return 0;
    // Trimmed name -> colour per kind; a later entry of the same name overwrites.
    std::array<std::unordered_map<std::string, std::int32_t>, 3> colours;
    const std::array<const std::vector<RType>*, 3> arrays = {&c.StraightTypes, &c.CurveTypes,
                                                             &c.PointTypes};
    const std::array<std::int32_t, 3> maxima = {c.StraightTypeMax, c.CurveTypeMax, c.PointTypeMax};
    for (std::size_t k = 0; k < 3; ++k) {
        const auto last =
            std::min<std::int64_t>(maxima[k], static_cast<std::int64_t>(arrays[k]->size()) - 1);
        for (std::int64_t i = 0; i <= last; ++i) {
            const RType& t = (*arrays[k])[static_cast<std::size_t>(i)];
            colours[k][TrimBlanks(t.Name)] = t.Color;
        }
    }
    int changed = 0;
    for (int n = 1; n <= layout.RailCount; ++n) {
        model::Rail& r = layout.Rails[n];
        if (r.Kind > model::KindPoint) continue;
        const auto it = colours[r.Kind].find(TrimBlanks(r.Name));
        if (it == colours[r.Kind].end() || r.Color == it->second) continue;
        r.Color = it->second;
        ++changed;
    }
    if (changed > 0) layout.Modified = true;
    return changed;
}

void RenameUserRailSlots(Catalogue& c) {
    for (int kind = model::KindStraight; kind <= model::KindPoint; ++kind) {
        std::int32_t* max = nullptr;
        auto* types = Entries(c, kind, max);
        RType& user = (*types)[static_cast<std::size_t>(*max)];
        user.Name = UserRailName;
        user.IsUserRail = -1;
        user.Kind = static_cast<std::int16_t>(kind);
    }
}

} // namespace ferrovane::catalogue
