#include "core/commands/placement/TextLabel.h"

#include <cmath>

#include "core/commands/placement/RailCapacity.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/geometry/IndexUpkeep.h"
#include "core/compute/output/PartsList.h"
#include "core/compute/render/TextLabelDrawer.h"
#include "core/values/format/ListDirected.h"

namespace ferrovane::geometry {

namespace {

// The label text as stored and shown: quotes and line breaks as the file holds them,
// no blanks around it (the drawer trims them).
std::string StoredText(const std::string& text) {
    const std::string clean = document::SanitizeFileText(text);
    const std::size_t first = clean.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return clean.substr(first, clean.find_last_not_of(' ') - first + 1);
}

int CodePoints(const std::string& utf8) {
    int count = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

} // namespace

int HalfWidthLength(const std::string& utf8) {
    // The same columns as the parts list counts: what a half-width limit means in the
    // file's character set.
    return static_cast<int>(output::DisplayWidth(utf8));
}

bool LabelTextFits(const std::string& text) {
    const std::string stored = StoredText(text);
    return !stored.empty() && HalfWidthLength(stored) <= LabelTextLimit;
}

model::Rail MakeTextLabel(float x, float y, const std::string& text, const LabelStyle& style,
                          const TextMeasure& measure) {
    const std::string fontName = document::SanitizeFileText(style.FontName);
    model::Rail r;
    r.Valid = true;
    r.Kind = model::KindText;
    r.Name = fontName + StoredText(text);
    r.Radius = static_cast<float>(CodePoints(fontName));
    r.Length = style.Size;
    r.Free0 = style.Bold;
    r.Free1 = style.Italic;
    r.Color = style.Color;
    // Measured exactly as the drawer will write it.
    render::TextExtent extent;
    if (measure) extent = measure(render::LabelFont(r), render::LabelText(r));
    r.C1X = x, r.C1Y = y;
    r.C2X = x + extent.Width, r.C2Y = y;
    r.C3X = x + extent.Width, r.C3Y = y + extent.Height;
    r.C4X = x, r.C4Y = y + extent.Height;
    r.MidX = x + extent.Width / 2;
    r.MidY = y + extent.Height / 2;
    model::UpdateCells(r);
    return r;
}

bool AddTextLabel(app::Workspace& ws, float x, float y, const std::string& text,
                  const LabelStyle& style, const TextMeasure& measure) {
    // A size that is no number would be written to the file as such.
    const bool sized = style.Size > 0 && std::isfinite(style.Size);
    if (!sized || !LabelTextFits(text) || !RoomForRails(ws, 1)) return false;
    model::Layout& layout = ws.Layout;
    const model::Rail label = MakeTextLabel(x, y, text, style, measure);
    model::Rail& r = layout.AppendRail();
    r = label;
    const int n = layout.RailCount;
    r.No = static_cast<std::int16_t>(n);
    IndexNewRails(layout, n);
    layout.Modified = true;
    ws.Undo.Record(editor::RailPlaced{n});
    // The newest rail is drawn last anyway: drawing it over the off-screen image gives
    // the picture a full redraw would, without visiting every rail.
    ws.Redraw->DrawRailOnBackScreen(n);
    ws.Redraw->RefreshMainPicture();
    return true;
}

} // namespace ferrovane::geometry
