#include "xml/XmlParser.h"

namespace fw {
namespace {

struct NamedEntity {
    std::u16string_view name;
    char16_t value;
};

constexpr NamedEntity kNamedEntities[] = {
    {u"lt", u'<'}, {u"gt", u'>'}, {u"amp", u'&'}, {u"quot", u'"'}, {u"apos", u'\''},
};

// The code point of "#123" or "#x1F"; 0 when it is not a usable reference.
char32_t numericReference(WideStringView body) {
    if (body.size() < 2 || body[0] != u'#') {
        return 0;
    }
    bool hex = body[1] == u'x' || body[1] == u'X';
    WideStringView digits = body.substr(hex ? 2 : 1);
    if (digits.empty() || digits.size() > 8) {
        return 0;
    }
    char32_t value = 0;
    for (char16_t c : digits) {
        int digit = -1;
        if (c >= u'0' && c <= u'9') {
            digit = c - u'0';
        } else if (hex && c >= u'a' && c <= u'f') {
            digit = c - u'a' + 10;
        } else if (hex && c >= u'A' && c <= u'F') {
            digit = c - u'A' + 10;
        }
        if (digit < 0) {
            return 0;
        }
        value = value * (hex ? 16 : 10) + static_cast<char32_t>(digit);
    }
    bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    return surrogate || value > 0x10FFFF ? 0 : value;
}

// Appends the decoded form of "&body;"; false when the body names nothing.
bool appendReference(WideStringView body, WideString& out) {
    for (const NamedEntity& entity : kNamedEntities) {
        if (body == entity.name) {
            out.push_back(entity.value);
            return true;
        }
    }
    char32_t code = numericReference(body);
    if (code == 0) {
        return false;
    }
    if (code < 0x10000) {
        out.push_back(static_cast<char16_t>(code));
    } else {
        code -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
    }
    return true;
}

} // namespace

WideString decodeXmlEntities(WideStringView text) {
    if (text.find(u'&') == WideStringView::npos) {
        return WideString(text);
    }
    WideString out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == u'&') {
            // References are short, so the ";" is looked for only nearby: a
            // long run of bare "&" (as in "Tom & Jerry") stays linear.
            size_t end = text.substr(i + 1, 11).find(u';');
            if (end != WideStringView::npos && appendReference(text.substr(i + 1, end), out)) {
                i += end + 2;
                continue;
            }
        }
        out.push_back(text[i++]);
    }
    return out;
}

WideString escapeXmlAttribute(WideStringView value) {
    WideString out;
    out.reserve(value.size());
    for (char16_t c : value) {
        switch (c) {
        case u'&':
            out.append(u"&amp;");
            break;
        case u'<':
            out.append(u"&lt;");
            break;
        case u'>':
            out.append(u"&gt;");
            break;
        case u'"':
            out.append(u"&quot;");
            break;
        default:
            out.push_back(c);
        }
    }
    return out;
}

} // namespace fw
