#include "core/values/format/TextCodec.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <vector>

namespace ferrovane::platform {

namespace {

std::optional<std::string> Convert(const char* to, const char* from, std::string_view in) {
    if (IsAscii(in)) return std::string(in);
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out;
    std::vector<char> buffer(in.size() * 2 + 16);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    bool ok = true;
    while (srcLeft > 0) {
        char* dst = buffer.data();
        std::size_t dstLeft = buffer.size();
        const std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer.data(), buffer.size() - dstLeft);
        if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
            ok = false;
            break;
        }
    }
    if (ok) {
        char* dst = buffer.data();
        std::size_t dstLeft = buffer.size();
        iconv(cd, nullptr, nullptr, &dst, &dstLeft);
        out.append(buffer.data(), buffer.size() - dstLeft);
    }
    iconv_close(cd);
    if (!ok) return std::nullopt;
    return out;
}

} // namespace

bool IsAscii(std::string_view text) {
    for (unsigned char c : text)
        if (c >= 0x80) return false;
    return true;
}

std::size_t Utf8Length(std::string_view utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::optional<std::string> ShiftJisToUtf8(std::string_view sjis) {
    return Convert("UTF-8", "CP932", sjis);
}

std::optional<std::string> Utf8ToShiftJis(std::string_view utf8) {
    return Convert("CP932", "UTF-8", utf8);
}

} // namespace ferrovane::platform

namespace ferrovane::platform {

std::string Utf8ToShiftJisLossy(std::string_view utf8) {
    std::string out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        std::size_t len = 1;
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0xF0)
            len = 4;
        else if (c >= 0xE0)
            len = 3;
        else if (c >= 0xC0)
            len = 2;
        len = std::min(len, utf8.size() - i);
        if (auto one = Utf8ToShiftJis(utf8.substr(i, len)))
            out += *one;
        else
            out += '?';
        i += len;
    }
    return out;
}

} // namespace ferrovane::platform
