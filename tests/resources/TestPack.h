#pragma once
// Pack bytes built in memory for the resource tests, and a stand-in image
// decoder: an entry whose bytes read "WxH" decodes to an opaque image of that
// size, anything else fails.
#include "capture/Image.h"
#include "platform/ByteOrder.h"
#include "platform/Files.h"

#include <cstdio>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace fw::test {

class TestPack {
public:
    TestPack& add(const std::u16string& group, const std::u16string& entry, std::string data) {
        for (auto& [name, entries] : groups_) {
            if (name == group) {
                entries.emplace_back(entry, std::move(data));
                return *this;
            }
        }
        groups_.push_back({group, {{entry, std::move(data)}}});
        return *this;
    }

    Bytes bytes() const {
        Bytes out{'F', 'A', 0, 0};
        appendInt(out, 0);
        appendInt(out, 0);
        appendInt(out, static_cast<int32_t>(groups_.size()));
        appendInt(out, 0);
        for (const auto& [group, entries] : groups_) {
            appendInt(out, static_cast<int32_t>(group.size() * 2));
            out.insert(out.end(), 40, 0);
            appendInt(out, static_cast<int32_t>(entries.size()));
            appendName(out, group);
            for (const auto& [entry, data] : entries) {
                appendInt(out, static_cast<int32_t>(entry.size() * 2));
                out.insert(out.end(), 40, 0);
                appendInt(out, static_cast<int32_t>(data.size()));
                appendInt(out, 0);
                appendName(out, entry);
                out.insert(out.end(), data.begin(), data.end());
            }
        }
        return out;
    }

private:
    static void appendInt(Bytes& out, int32_t v) { appendLittle32(out, static_cast<uint32_t>(v)); }
    static void appendName(Bytes& out, const std::u16string& name) {
        for (char16_t c : name) {
            appendLittle16(out, c);
        }
    }
    std::vector<std::pair<std::u16string, std::vector<std::pair<std::u16string, std::string>>>>
        groups_;
};

inline Image sizeDecoder(std::span<const uint8_t> bytes) {
    int width = 0;
    int height = 0;
    std::string text(bytes.begin(), bytes.end());
    if (std::sscanf(text.c_str(), "%dx%d", &width, &height) != 2) {
        return Image();
    }
    return Image(true, width, height);
}

inline std::string xml(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n" + body;
}

} // namespace fw::test
