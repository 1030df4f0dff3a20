#pragma once
// The program's XML: a tree of elements with attributes and text, read from
// and written to UTF-8 files.
//
// Reading: XmlDocument::load(path) or parseUtf8(bytes) expect an XML
// declaration ("<?xml ...?>") first and allow only whitespace between
// elements. The five predefined entities and numeric character references are
// decoded in attribute values and text; any other "&" is kept as it is.
// Comments are skipped; CDATA, DOCTYPE and processing instructions fail.
//
//     XmlDocument doc;
//     if (doc.load(path, TextEncoding::Utf8)) {
//         if (const XmlElement* group = doc.root().find(u"groups/group")) {
//             WideString name = group->attribute(u"name");
//         }
//     }
//
// Writing: build under root() and save(path) (atomic replace) or toBytes().
// The root element itself is never written; its children are the file's
// top-level elements. Element text is not written.
//
//     XmlDocument doc;
//     XmlElement& groups = doc.root().addChild(u"groups");
//     groups.addChild(u"group").addAttribute(u"name", u"general");
//     doc.save(path);
#include "platform/Files.h"
#include "platform/WideString.h"
#include "xml/TextFile.h"

#include <memory>
#include <vector>

namespace fw {

struct XmlAttribute {
    WideString name;
    WideString value;
};

class XmlElement {
public:
    XmlElement() = default;
    explicit XmlElement(WideString name) : name_(std::move(name)) {}
    XmlElement(const XmlElement&) = delete;
    XmlElement& operator=(const XmlElement&) = delete;
    XmlElement(XmlElement&&) = default;
    XmlElement& operator=(XmlElement&&) = default;

    const WideString& name() const { return name_; }
    void setName(WideString name) { name_ = std::move(name); }
    // Character data inside the element, its segments joined without separator.
    const WideString& text() const { return text_; }
    void setText(WideString text) { text_ = std::move(text); }
    void appendText(WideStringView text) { text_.append(text); }

    // In file (or append) order; duplicate names are kept.
    const std::vector<XmlAttribute>& attributes() const { return attributes_; }
    void addAttribute(WideString name, WideString value);
    // The first attribute's value; empty when missing (same as an empty value).
    WideString attribute(WideStringView name) const;

    const std::vector<std::unique_ptr<XmlElement>>& children() const { return children_; }
    // Appends a child and returns it; the reference stays valid while this
    // element lives (children are never moved).
    XmlElement& addChild(WideString name);
    XmlElement& addChild(std::unique_ptr<XmlElement> child);
    // The first child with that name, or null.
    const XmlElement* child(WideStringView name) const;
    XmlElement* child(WideStringView name);
    // Follows "a/b/c" one first-matching child at a time; empty parts are
    // ignored. Null as soon as a step finds nothing.
    const XmlElement* find(WideStringView path) const;

    // Removes children and attributes (the text stays).
    void clear();

private:
    WideString name_;
    WideString text_;
    std::vector<XmlAttribute> attributes_;
    std::vector<std::unique_ptr<XmlElement>> children_;
};

class XmlDocument {
public:
    XmlDocument() : root_(u"ROOT") {}

    XmlElement& root() { return root_; }
    const XmlElement& root() const { return root_; }

    // Reads the whole file in `encoding` (the program always uses Utf8) and
    // parses it with the declaration required. False on an empty path, an
    // unreadable or empty file, or a parse error; the tree is then unusable.
    bool load(WideStringView path, TextEncoding encoding = TextEncoding::Utf8);
    // UTF-8 bytes with an optional byte-order mark, declaration required.
    bool parseUtf8(const uint8_t* data, size_t size);
    bool parseUtf8(const Bytes& bytes) { return parseUtf8(bytes.data(), bytes.size()); }
    // Parses decoded text. Not lenient: the text must hold the end of an XML
    // declaration and only whitespace may stand outside elements. Lenient:
    // parsing starts at the first character and text between elements joins
    // the enclosing element's text.
    bool parse(WideStringView text, bool lenient = false);

    // The file's bytes: UTF-8 with byte-order mark, CR LF, 4-space indentation.
    Bytes toBytes() const;
    // Writes toBytes() with an atomic replace; false on an empty path or a
    // failed write (the old file is then untouched).
    bool save(WideStringView path) const;

private:
    XmlElement root_;
};

} // namespace fw
