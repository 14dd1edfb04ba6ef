#include "core/app/board/RailAbout.h"

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <string_view>

#include "core/commands/check/CheckEdits.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/render/TextLabelDrawer.h"
#include "core/values/format/ListDirected.h"
#include "core/values/text/Messages.h"

namespace ferrovane::editor {

namespace {

using text::Msg;
using Id = text::MessageId;

std::string Printf(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    std::string s = buffer;
    if (s == "-0" || s == "-0.0") s.erase(0, 1);
    return s;
}

// Joins the parts by appending: chains of operator+ on literals make GCC 12 warn
// falsely about overlapping copies.
std::string Cat(std::initializer_list<std::string_view> parts) {
    std::string s;
    for (auto p : parts)
        s.append(p);
    return s;
}

std::string General(float v) {
    return document::FormatSingle(v);
}

std::string Point(float x, float y) {
    return Cat({"(", FormatOneDecimal(x), ", ", FormatOneDecimal(y), ")"});
}

std::string Neighbour(text::MessageId head, bool free, std::int16_t link) {
    return Cat({text::Msg(head), free ? std::string(text::Msg(text::MessageId::AboutNoNeighbour))
                                      : std::to_string(link)});
}

} // namespace

std::string FormatOneDecimalAtMost(float value) {
    std::string s = Printf("%.1f", static_cast<double>(value));
    if (s.size() >= 2 && s.compare(s.size() - 2, 2, ".0") == 0) s.resize(s.size() - 2);
    return s;
}

std::string FormatOneDecimal(float value) {
    return Printf("%.1f", static_cast<double>(value));
}

RailAbout RailAboutFor(const model::Rail& r, const std::array<bool, 16>& shown) {
    RailAbout about;
    about.Color = r.Color;
    if (r.Kind == model::KindText) {
        about.Lines = {Cat({Msg(Id::AboutLabelText), render::LabelText(r)}),
                       Cat({Msg(Id::AboutFontSize), General(r.Length)}),
                       Cat({Msg(Id::AboutFontName), render::LabelFontName(r)})};
        return about;
    }
    const std::string lines[11] = {
        Cat({Msg(Id::AboutName), r.Name, " (", std::to_string(r.No), ")"}),
        Cat({Msg(Id::AboutLength), General(r.Length)}),
        Cat({Msg(Id::AboutRadius), General(r.Radius)}),
        Cat({Msg(Id::AboutAngle), FormatOneDecimalAtMost(r.Angle)}),
        Cat({Msg(Id::AboutAngleStart), FormatOneDecimalAtMost(r.Angle0)}),
        Cat({Msg(Id::AboutAngleEnd), FormatOneDecimalAtMost(r.Angle1)}),
        Cat({Msg(Id::AboutCentre), Point(r.MidX, r.MidY)}),
        Cat({Msg(Id::AboutEnd1), Point(r.X0, r.Y0)}),
        Cat({Msg(Id::AboutEnd2), Point(r.X1, r.Y1)}),
        Neighbour(Id::AboutNext1, r.Free0, r.Link0),
        Neighbour(Id::AboutNext2, r.Free1, r.Link1),
    };
    for (int i = 0; i < 11; ++i) {
        if (shown[static_cast<std::size_t>(i)]) about.Lines.push_back(lines[i]);
    }
    return about;
}

std::optional<RailAbout> ShowAbout(const app::Workspace& ws) {
    const int n = ws.Editor.PointedRail;
    if (n <= 0 || n >= static_cast<int>(ws.Layout.Rails.size())) return std::nullopt;
    return RailAboutFor(ws.Layout.Rails[static_cast<std::size_t>(n)], ws.Settings.AboutShowItm);
}

std::optional<RailAbout> GapAbout(const app::Workspace& ws) {
    const auto reading = check::PreviewGapReading(ws);
    if (!reading) return std::nullopt;
    const auto& rail = ws.Layout.Rails[static_cast<std::size_t>(ws.Editor.SnapRail)];
    RailAbout about = RailAboutFor(rail, ws.Settings.AboutShowItm);
    about.Lines.push_back(check::GapReadoutText(*reading));
    return about;
}

} // namespace ferrovane::editor
