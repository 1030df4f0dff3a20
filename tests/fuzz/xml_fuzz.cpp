// Any bytes must parse or fail without a fault; whatever parses must be
// written and read back to the same tree (text aside, which is not written).
#include "xml/XmlDocument.h"

#include <cstdint>
#include <cstdlib>

namespace {

bool sameTree(const fw::XmlElement& a, const fw::XmlElement& b) {
    if (a.name() != b.name() || a.attributes().size() != b.attributes().size() ||
        a.children().size() != b.children().size()) {
        return false;
    }
    for (size_t i = 0; i < a.attributes().size(); ++i) {
        if (a.attributes()[i].name != b.attributes()[i].name ||
            a.attributes()[i].value != b.attributes()[i].value) {
            return false;
        }
    }
    for (size_t i = 0; i < a.children().size(); ++i) {
        if (!sameTree(*a.children()[i], *b.children()[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fw::XmlDocument document;
    if (document.parseUtf8(data, size)) {
        fw::XmlDocument reread;
        if (!reread.parseUtf8(document.toBytes()) || !sameTree(document.root(), reread.root())) {
            std::abort();
        }
    }
    fw::XmlDocument lenient;
    lenient.parse(fw::TextFileReader::decode(data, size, fw::TextEncoding::Utf8), true);
    return 0;
}
