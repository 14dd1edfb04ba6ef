#include "core/commands/render/AutoScroll.h"

#include <cmath>

#include "core/commands/render/ScreenRenderer.h"
#include "core/commands/workspace/Workspace.h"
#include "core/values/platform/UiHost.h"
#include "core/values/text/Messages.h"

namespace ferrovane::render {

const char* AutoScrollReadyText() {
    return text::Msg(text::MessageId::AutoScrollReadyText);
}
const char* AutoScrollRunningText() {
    return text::Msg(text::MessageId::AutoScrollRunningText);
}

void CheckAutoScroll(View& view, const app::Settings& settings, int layoutWidth, int layoutHeight,
                     float mouseX, float mouseY, float x, float y) {
    if (!settings.DoAutoScroll) {
        view.AutoScrollState = AutoScrollNone;
        return;
    }
    const float sw = settings.ScrollWidth;
    const float sh = settings.ScrollHeight;
    const TScreen& s = view.Screen;
    auto set = [&view](const ScrollBar& bar, AutoScrollZone zone) {
        if (bar.Enabled) view.AutoScrollState = zone;
    };
    if (x <= sw / 2 && mouseX >= sw) {
        set(view.HScroll, AutoScrollLeft);
    } else if (y <= sh / 2 && mouseY >= sh) {
        set(view.VScroll, AutoScrollTop);
    } else if (s.Width - sw / 2 < x &&
               x<s.Width&& static_cast<float>(layoutWidth) - mouseX> sw / 2) {
        set(view.HScroll, AutoScrollRight);
    } else if (s.Height - sh / 2 < y &&
               y<s.Height&& static_cast<float>(layoutHeight) - mouseY> sh / 2) {
        set(view.VScroll, AutoScrollBottom);
    } else {
        view.AutoScrollState = AutoScrollNone;
    }
}

int AutoScrollStep(const ScrollBar& bar, int zone, const app::Settings& settings) {
    double delta = 0;
    switch (zone) {
    case AutoScrollActive + AutoScrollLeft:
        delta = -settings.ScrollWidth / 4.0;
        break;
    case AutoScrollActive + AutoScrollTop:
        delta = -settings.ScrollHeight / 4.0;
        break;
    case AutoScrollActive + AutoScrollRight:
        delta = settings.ScrollWidth / 4.0;
        break;
    case AutoScrollActive + AutoScrollBottom:
        delta = settings.ScrollHeight / 4.0;
        break;
    default:
        return bar.Value;
    }
    const double next = std::nearbyint(bar.Value + delta);
    if (next < bar.Min || next > bar.Max) return bar.Value;
    return static_cast<int>(next);
}

AutoScrollPointer SetAutoScroll(app::Workspace& ws, ScreenRenderer& renderer) {
    ws.Changed.Mark(app::Change::View);
    View& view = ws.View;
    const int state = view.AutoScrollState;
    if (state >= AutoScrollLeft && state <= AutoScrollBottom) {
        ws.Host->SetStatusText(AutoScrollReadyText());
    } else if (state > AutoScrollActive && state <= AutoScrollActive + AutoScrollBottom) {
        const bool horizontal = state == AutoScrollActive + AutoScrollLeft ||
                                state == AutoScrollActive + AutoScrollRight;
        ScrollBar& bar = horizontal ? view.HScroll : view.VScroll;
        for (int i = 0; i < AutoScrollSteps; ++i) {
            const int next = AutoScrollStep(bar, state, ws.Settings);
            if (next == bar.Value) continue;
            bar.Value = next;
            renderer.SetScroll();
        }
        ws.Host->SetStatusText(AutoScrollRunningText());
    }
    switch (state % AutoScrollActive) {
    case AutoScrollLeft:
        return AutoScrollPointer::Left;
    case AutoScrollTop:
        return AutoScrollPointer::Up;
    case AutoScrollRight:
        return AutoScrollPointer::Right;
    case AutoScrollBottom:
        return AutoScrollPointer::Down;
    default:
        return AutoScrollPointer::Cross;
    }
}

} // namespace ferrovane::render
