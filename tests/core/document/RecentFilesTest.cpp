#include <array>
#include <string>

#include <gtest/gtest.h>

#include "core/compute/document/RecentFiles.h"
#include "core/values/model/Layout.h"

using ferrovane::document::AddRecentFile;
using ferrovane::model::Layout;
using List = std::array<std::string, 5>;

TEST(AddRecentFile, NewestFirstNoDuplicatesFiveKept) {
    const struct {
        List before;
        std::string path;
        List after;
    } cases[] = {
        {{}, "/a.fvl", {"/a.fvl"}},
        {{"/a.fvl"}, "", {"/a.fvl"}},
        {{"/a.fvl", "/b.fvl"}, "/a.fvl", {"/a.fvl", "/b.fvl"}},
        // Already present further down: it does not move to the top.
        {{"/a.fvl", "/b.fvl"}, "/b.fvl", {"/a.fvl", "/b.fvl"}},
        {{"/1", "/2", "/3", "/4", "/5"}, "/6", {"/6", "/1", "/2", "/3", "/4"}},
        // File names are case-sensitive here: both are kept, as given.
        {{"/Plan/A.fvl"}, "/plan/a.fvl", {"/plan/a.fvl", "/Plan/A.fvl"}},
    };
    for (const auto& c : cases) {
        Layout layout;
        layout.RecentFiles = c.before;
        AddRecentFile(layout, c.path);
        EXPECT_EQ(layout.RecentFiles, c.after) << c.path;
    }
}
