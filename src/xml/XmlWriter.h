#pragma once
// Writes an XmlDocument as the program's XML files look: UTF-8 with a
// byte-order mark, the declaration line, one element per line indented by
// `indent` spaces per level, CR LF line ends, childless elements self-closing.
// Attribute values are escaped; names are written as they are; element text
// is not written.
#include "platform/Files.h"
#include "xml/XmlDocument.h"

namespace fw {

class XmlWriter {
public:
    explicit XmlWriter(const XmlDocument& document, int indent = 4)
        : document_(document), indent_(indent) {}

    Bytes toBytes() const;
    // Atomic replace of `path`; false on an empty path or a failed write.
    bool save(WideStringView path) const;

private:
    void writeElement(TextStreamWriter& out, const XmlElement& element, int depth) const;

    const XmlDocument& document_;
    int indent_;
};

} // namespace fw
