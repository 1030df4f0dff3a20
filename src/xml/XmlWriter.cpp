#include "xml/XmlWriter.h"

#include "xml/XmlParser.h"

namespace fw {

Bytes XmlWriter::toBytes() const {
    Bytes bytes;
    TextStreamWriter out(bytes, TextEncoding::Utf8);
    out.write(u"<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n");
    for (const auto& child : document_.root().children()) {
        writeElement(out, *child, 0);
    }
    return bytes;
}

bool XmlWriter::save(WideStringView path) const {
    if (path.empty()) {
        return false;
    }
    Bytes bytes = toBytes();
    return os::writeFileAtomic(path, bytes.data(), bytes.size());
}

void XmlWriter::writeElement(TextStreamWriter& out, const XmlElement& element, int depth) const {
    WideString indent(static_cast<size_t>(indent_ * depth), u' ');
    WideString line = indent + u"<" + element.name();
    for (const XmlAttribute& attribute : element.attributes()) {
        line += u" " + attribute.name + u"=\"" + escapeXmlAttribute(attribute.value) + u"\"";
    }
    if (element.children().empty()) {
        out.write(line + u" />\r\n");
        return;
    }
    out.write(line + u">\r\n");
    for (const auto& child : element.children()) {
        writeElement(out, *child, depth + 1);
    }
    out.write(indent + u"</" + element.name() + u">\r\n");
}

} // namespace fw
