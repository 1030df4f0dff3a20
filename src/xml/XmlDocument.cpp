#include "xml/XmlDocument.h"

#include "xml/XmlParser.h"
#include "xml/XmlWriter.h"

namespace fw {

void XmlElement::addAttribute(WideString name, WideString value) {
    attributes_.push_back(XmlAttribute{std::move(name), std::move(value)});
}

WideString XmlElement::attribute(WideStringView name) const {
    for (const XmlAttribute& item : attributes_) {
        if (item.name == name) {
            return item.value;
        }
    }
    return WideString();
}

XmlElement& XmlElement::addChild(WideString name) {
    return addChild(std::make_unique<XmlElement>(std::move(name)));
}

XmlElement& XmlElement::addChild(std::unique_ptr<XmlElement> child) {
    children_.push_back(std::move(child));
    return *children_.back();
}

const XmlElement* XmlElement::child(WideStringView name) const {
    for (const auto& item : children_) {
        if (item->name() == name) {
            return item.get();
        }
    }
    return nullptr;
}

XmlElement* XmlElement::child(WideStringView name) {
    return const_cast<XmlElement*>(static_cast<const XmlElement*>(this)->child(name));
}

const XmlElement* XmlElement::find(WideStringView path) const {
    const XmlElement* at = this;
    for (const WideString& step : split(path, u'/', false)) {
        at = at->child(step);
        if (!at) {
            return nullptr;
        }
    }
    return at;
}

void XmlElement::clear() {
    children_.clear();
    attributes_.clear();
}

bool XmlDocument::load(WideStringView path, TextEncoding encoding) {
    return parse(TextFileReader::readAll(path, encoding), false);
}

bool XmlDocument::parseUtf8(const uint8_t* data, size_t size) {
    return parse(TextFileReader::decode(data, size, TextEncoding::Utf8), false);
}

bool XmlDocument::parse(WideStringView text, bool lenient) {
    root_.clear();
    root_.setText(WideString());
    return parseXml(text, lenient, root_);
}

Bytes XmlDocument::toBytes() const {
    return XmlWriter(*this).toBytes();
}

bool XmlDocument::save(WideStringView path) const {
    return XmlWriter(*this).save(path);
}

} // namespace fw
