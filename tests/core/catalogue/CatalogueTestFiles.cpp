#include "core/catalogue/CatalogueTestFiles.h"

#include <atomic>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

#include "core/values/format/TextCodec.h"

namespace ferrovane::testing {

std::string CatalogueBytes(const std::vector<std::string>& utf8Lines) {
    std::string text;
    for (const auto& line : utf8Lines)
        text += line + "\r\n";
    auto sjis = platform::Utf8ToShiftJis(text);
    if (!sjis) throw std::runtime_error("test text not representable in Shift_JIS");
    return *sjis;
}

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    mDir = std::filesystem::temp_directory_path() /
           ("ferrovane-cat-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(mDir);
    std::filesystem::create_directories(mDir);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(mDir, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(mDir, ec);
}

std::string TempDir::Write(const std::string& name, const std::string& bytes) const {
    const std::string path = Path(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace ferrovane::testing
