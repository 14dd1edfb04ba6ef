#pragma once

#include <cctype>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace ferrovane::testing {

// An element of a parsed XML document: its text is the character data directly inside
// it with the references resolved.
struct XmlElement {
    std::string Name;
    std::map<std::string, std::string> Attributes;
    std::string Text;
    std::vector<XmlElement> Children;

    std::vector<const XmlElement*> All(const std::string& name) const {
        std::vector<const XmlElement*> found;
        for (const XmlElement& child : Children)
            if (child.Name == name) found.push_back(&child);
        return found;
    }
};

// A strict reader of the XML subset drawings use: a declaration, comments, one root
// element, attributes in quotes, the five named references and character references.
// Anything not well formed (an unclosed or crossed tag, a bare '&' or '<', a repeated
// attribute, text after the root) gives nullopt and the reason.
class XmlReader {
public:
    static std::optional<XmlElement> Parse(const std::string& text, std::string& problem) {
        XmlReader reader(text);
        reader.SkipMisc();
        XmlElement root;
        if (!reader.Element(root)) {
            problem = reader.mProblem + " at " + std::to_string(reader.mAt);
            return std::nullopt;
        }
        reader.SkipMisc();
        if (reader.mAt != text.size()) {
            problem = "content after the root element at " + std::to_string(reader.mAt);
            return std::nullopt;
        }
        return root;
    }

private:
    explicit XmlReader(const std::string& text) : mText(text) {}

    bool Fail(const std::string& why) {
        mProblem = why;
        return false;
    }
    bool At(const char* s) const {
        return mText.compare(mAt, std::char_traits<char>::length(s), s) == 0;
    }
    void SkipSpace() {
        while (mAt < mText.size() && std::isspace(static_cast<unsigned char>(mText[mAt])))
            ++mAt;
    }
    // Blanks, the declaration and comments between elements.
    void SkipMisc() {
        for (;;) {
            SkipSpace();
            const char* close = At("<?") ? "?>" : At("<!--") ? "-->" : nullptr;
            if (!close) return;
            const std::size_t end = mText.find(close, mAt);
            mAt = end == std::string::npos ? mText.size()
                                           : end + std::char_traits<char>::length(close);
        }
    }
    std::string Name() {
        const std::size_t from = mAt;
        while (mAt < mText.size() && (std::isalnum(static_cast<unsigned char>(mText[mAt])) ||
                                      mText[mAt] == '-' || mText[mAt] == ':' || mText[mAt] == '_'))
            ++mAt;
        return mText.substr(from, mAt - from);
    }
    // Character data up to `stop`, references resolved.
    bool Chars(char stop, std::string& out) {
        while (mAt < mText.size() && mText[mAt] != stop) {
            const char ch = mText[mAt];
            if (ch == '<') return Fail("bare '<'");
            if (ch != '&') {
                out += ch, ++mAt;
                continue;
            }
            const std::size_t end = mText.find(';', mAt);
            if (end == std::string::npos) return Fail("unterminated reference");
            const std::string ref = mText.substr(mAt + 1, end - mAt - 1);
            static const std::map<std::string, char> named = {
                {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
            if (named.count(ref)) {
                out += named.at(ref);
            } else if (ref.size() > 1 && ref[0] == '#' &&
                       ref.find_first_not_of("0123456789", 1) == std::string::npos) {
                out += '?'; // a character reference: well formed, its value unused here
            } else {
                return Fail("bad reference &" + ref + ";");
            }
            mAt = end + 1;
        }
        return true;
    }
    bool Element(XmlElement& element) {
        if (!At("<")) return Fail("expected an element");
        ++mAt;
        element.Name = Name();
        if (element.Name.empty()) return Fail("element without a name");
        for (;;) {
            SkipSpace();
            if (At("/>")) {
                mAt += 2;
                return true;
            }
            if (At(">")) break;
            const std::string key = Name();
            if (key.empty()) return Fail("bad attribute");
            SkipSpace();
            if (!At("=")) return Fail("attribute without a value");
            ++mAt;
            SkipSpace();
            if (mAt >= mText.size() || (mText[mAt] != '"' && mText[mAt] != '\''))
                return Fail("unquoted attribute value");
            const char quote = mText[mAt++];
            std::string value;
            if (!Chars(quote, value)) return false;
            if (mAt >= mText.size()) return Fail("unterminated attribute value");
            ++mAt;
            if (!element.Attributes.emplace(key, value).second) return Fail("repeated " + key);
        }
        ++mAt;
        for (;;) {
            if (!Chars('<', element.Text)) return false;
            if (mAt >= mText.size()) return Fail("unclosed <" + element.Name + ">");
            if (At("<!--")) {
                SkipMisc();
                continue;
            }
            if (At("</")) {
                mAt += 2;
                if (Name() != element.Name) return Fail("crossed tags in <" + element.Name + ">");
                SkipSpace();
                if (!At(">")) return Fail("bad end tag");
                ++mAt;
                return true;
            }
            element.Children.emplace_back();
            if (!Element(element.Children.back())) return false;
        }
    }

    const std::string& mText;
    std::size_t mAt = 0;
    std::string mProblem;
};

} // namespace ferrovane::testing
