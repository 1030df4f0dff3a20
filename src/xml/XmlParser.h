#pragma once
// The reader's state machine, used by XmlDocument.
#include "platform/WideString.h"
#include "xml/XmlDocument.h"

namespace fw {

// Deeper nesting fails the parse, so that no input can exhaust the stack of
// the recursive code that walks and destroys the tree.
constexpr size_t kMaxXmlDepth = 1000;

// Parses `text` into `root` (which should be empty). Not lenient: parsing
// starts after the first "?>" outside a comment, and only whitespace may stand
// outside elements.
bool parseXml(WideStringView text, bool lenient, XmlElement& root);

// Decodes &lt; &gt; &amp; &quot; &apos; and &#N; / &#xH; references; any other
// "&" sequence is kept as it is.
WideString decodeXmlEntities(WideStringView text);

// Escapes &, <, > and " for a double-quoted attribute value.
WideString escapeXmlAttribute(WideStringView value);

} // namespace fw
