#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/values/model/Layout.h"

namespace ferrovane::testing::layouts {

// A directory of its own under the system's temporary directory, removed afterwards.
class TempDir {
public:
    TempDir() {
        std::random_device rd;
        mPath = std::filesystem::temp_directory_path() /
                ("ferrovane-layout-" + std::to_string(rd()) + "-" + std::to_string(rd()));
        std::filesystem::create_directories(mPath);
    }
    ~TempDir() {
        std::error_code ec;
        // A test may have taken the write permission away.
        std::filesystem::permissions(mPath, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(mPath, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string File(const std::string& name) const { return (mPath / name).string(); }

private:
    std::filesystem::path mPath;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The lines of a text file, without their line ends.
inline std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// A live straight with both ends free, numbered n.
inline model::Rail Straight(int n, float x0, float y0, float length) {
    model::Rail r;
    r.Valid = true;
    r.No = static_cast<std::int16_t>(n);
    // Appended rather than concatenated: GCC 12 warns falsely on "S" + text at -O3.
    r.Name = "S";
    r.Name += std::to_string(static_cast<int>(length));
    r.Kind = model::KindStraight;
    r.Length = length;
    r.X0 = x0;
    r.Y0 = y0;
    r.X1 = x0 + length;
    r.Y1 = y0;
    r.C1X = x0, r.C1Y = y0 - 5, r.C2X = x0, r.C2Y = y0 + 5;
    r.C3X = x0 + length, r.C3Y = y0 + 5, r.C4X = x0 + length, r.C4Y = y0 - 5;
    r.MidX = x0 + length / 2;
    r.MidY = y0;
    r.Angle0 = 90;
    r.Angle1 = 270;
    r.Free0 = r.Free1 = r.Free2 = true;
    model::UpdateCells(r);
    return r;
}

// Joins end e of rail a to end f of rail b, both sides.
inline void Join(model::Layout& layout, int a, int e, int b, int f) {
    model::Rail& ra = layout.Rails[static_cast<std::size_t>(a)];
    model::Rail& rb = layout.Rails[static_cast<std::size_t>(b)];
    ra.Free(e) = false;
    ra.Link(e) = static_cast<std::int16_t>(b);
    ra.LinkEnd(e) = static_cast<std::uint8_t>(f);
    rb.Free(f) = false;
    rb.Link(f) = static_cast<std::int16_t>(a);
    rb.LinkEnd(f) = static_cast<std::uint8_t>(e);
}

// A row of n straights of length 100 along y = 500, each joined to the next.
inline model::Layout StraightRow(int n) {
    model::Layout layout;
    for (int i = 1; i <= n; ++i)
        layout.AppendRail() = Straight(i, 100.0f * static_cast<float>(i), 500, 100);
    for (int i = 1; i < n; ++i)
        Join(layout, i, 1, i + 1, 0);
    return layout;
}

} // namespace ferrovane::testing::layouts
