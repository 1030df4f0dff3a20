#include "xml/XmlDocument.h"
#include "xml/XmlParser.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

const WideString kDecl = u"<?xml version=\"1.0\"?>";

struct ParseCase {
    const char16_t* text;
    bool lenient;
    bool ok;
};

TEST(XmlReaderTest, AcceptsAndRefusesWhatTheFilesMayHold) {
    const ParseCase cases[] = {
        {u"<?xml?><a x='1' y=\"2\"/>", false, true},
        {u"<a/>", false, false},                  // no declaration
        {u"<!-- ?> --><?xml?><a/>", false, true}, // "?>" inside a comment is not the end
        {u"<?xml?><!-- c --><b/>", false, true},  // comment then element
        {u"<?xml?><a></b>", false, true},         // end tag names are not compared
        {u"<?xml?><a/></a>", false, false},       // more end tags than start tags
        {u"<?xml?></x>", false, false},           // end tag with only the root open
        {u"<?xml?><a>", false, false},            // end of text inside content
        {u"<?xml?><a><?pi?></a>", false, false},  // processing instruction
        {u"<?xml?><a><![CDATA[x]]></a>", false, false},
        {u"<?xml?><!DOCTYPE html><a/>", false, false},
        {u"<?xml?><a x=1/>", false, false},    // unquoted value
        {u"<?xml?><a x\"1\"/>", false, false}, // quote before "="
        {u"<?xml?><a x='say \"hi\"'/>", false, true},
        {u"<?xml?><a/>text", false, false}, // text outside elements
        {u"<?xml?><a/> \r\n\t", false, true},
        {u"<?xml?>", false, true},
        {u"", true, false},
        {u"<?xml?><a/>", true, false}, // a lenient parse does not skip the declaration
        {u"lead<a/>tail", true, true},
        {u"<?xml?><a><b/>c</a>", false, false},
        {u"<?xml?><a><!-- x -->y</a>", false, false},
    };
    for (const ParseCase& c : cases) {
        XmlDocument doc;
        EXPECT_EQ(doc.parse(c.text, c.lenient), c.ok) << toUtf8(c.text);
    }
}

TEST(XmlReaderTest, BuildsTheTreeInFileOrder) {
    XmlDocument doc;
    ASSERT_TRUE(doc.parse(kDecl + u"<a x='1' y=\"2\" x='3'/><b><c/><d k='v'/></b>"));
    const auto& top = doc.root().children();
    ASSERT_EQ(top.size(), 2u);
    const XmlElement& a = *top[0];
    EXPECT_EQ(a.name(), u"a");
    EXPECT_EQ(a.text(), u"");
    ASSERT_EQ(a.attributes().size(), 3u);
    EXPECT_EQ(a.attribute(u"x"), u"1"); // first of duplicates
    EXPECT_EQ(a.attribute(u"y"), u"2");
    EXPECT_EQ(a.attribute(u"missing"), u"");
    EXPECT_EQ(doc.root().find(u"b/d")->attribute(u"k"), u"v");
    EXPECT_EQ(doc.root().find(u"/b//c/"), doc.root().find(u"b/c"));
    EXPECT_EQ(doc.root().find(u"b/x"), nullptr);
    EXPECT_EQ(doc.root().child(u"b"), doc.root().find(u"b"));
}

TEST(XmlReaderTest, TextSegmentsLenientAndNot) {
    XmlDocument doc;
    EXPECT_FALSE(doc.parse(kDecl + u"<a>  hello <b/> tail</a>"));
    ASSERT_TRUE(doc.parse(kDecl + u"<a>  hello <b/>  </a>"));
    EXPECT_EQ(doc.root().find(u"a")->text(), u"  hello ");
    ASSERT_TRUE(doc.parse(u"<a>  hello <b/>  tail</a>", true));
    EXPECT_EQ(doc.root().find(u"a")->text(), u"  hello   tail");
    ASSERT_TRUE(doc.parse(u"<a>x<!-- c -->y<b>z</b>w</a>", true));
    EXPECT_EQ(doc.root().find(u"a")->text(), u"xyw");
    EXPECT_EQ(doc.root().find(u"a/b")->text(), u"z");
}

TEST(XmlReaderTest, DecodesEntitiesAndKeepsBareAmpersands) {
    XmlDocument doc;
    ASSERT_TRUE(doc.parse(kDecl + u"<a v='&lt;&gt;&amp;&quot;&apos;&#65;&#x42;&#x1F600;'>"
                                  u"R&amp;D &amp;amp;</a>"));
    const XmlElement& a = *doc.root().find(u"a");
    EXPECT_EQ(a.attribute(u"v"), u"<>&\"'AB\U0001F600");
    EXPECT_EQ(a.text(), u"R&D &amp;");
    // Values written without escaping read as they always did.
    ASSERT_TRUE(doc.parse(kDecl + u"<a v='C:\\Tom & Jerry\\&x; &#; &#0; &#xD800; &#99999999;"
                                  u" &amp' />"));
    EXPECT_EQ(doc.root().find(u"a")->attribute(u"v"),
              u"C:\\Tom & Jerry\\&x; &#; &#0; &#xD800; &#99999999; &amp");
    EXPECT_EQ(decodeXmlEntities(u"&#x0010FFFF; &#x00010FFFF;"), u"\U0010FFFF &#x00010FFFF;");
    // A long run of bare "&" is kept as it is (its cost is bench/xml_entities).
    const WideString ampersands(400000, u'&');
    EXPECT_EQ(decodeXmlEntities(ampersands + u"&lt;"), ampersands + u"<");
}

TEST(XmlReaderTest, DeepNestingFailsInsteadOfOverflowing) {
    for (size_t depth : {kMaxXmlDepth, kMaxXmlDepth + 1}) {
        WideString text = kDecl;
        for (size_t i = 0; i < depth; ++i) {
            text += u"<a>";
        }
        for (size_t i = 0; i < depth; ++i) {
            text += u"</a>";
        }
        XmlDocument doc;
        EXPECT_EQ(doc.parse(text), depth == kMaxXmlDepth);
    }
}

TEST(XmlReaderTest, Utf8WithAndWithoutByteOrderMark) {
    std::string body = "<?xml version=\"1.0\"?><t n=\"\xC3\xA9\xE2\x82\xAC\"/>";
    Bytes plain(body.begin(), body.end());
    Bytes marked{0xEF, 0xBB, 0xBF};
    marked.insert(marked.end(), plain.begin(), plain.end());
    for (const Bytes& bytes : {plain, marked}) {
        XmlDocument doc;
        ASSERT_TRUE(doc.parseUtf8(bytes));
        EXPECT_EQ(doc.root().find(u"t")->attribute(u"n"), u"\u00e9\u20ac");
    }
    XmlDocument doc;
    EXPECT_FALSE(doc.parseUtf8(Bytes{0xEF, 0xBB, 0xBF}));
    EXPECT_FALSE(doc.load(u""));
    EXPECT_FALSE(doc.load(u"\\no\\such\\file.xml"));
}

TEST(XmlReaderTest, DecodesTheThreeEncodings) {
    const uint8_t utf16[] = {0xFF, 0xFE, 'h', 0, 'i', 0x04, 0, 0, 'x', 0};
    EXPECT_EQ(TextFileReader::decode(utf16, sizeof utf16, TextEncoding::Utf16), u"h\u0469");
    const uint8_t ansi[] = {'a', 0xE9, 0, 'b'};
    EXPECT_EQ(TextFileReader::decode(ansi, sizeof ansi, TextEncoding::Ansi).size(), 2u);
    const uint8_t utf8[] = {'a', 0, 'b'};
    EXPECT_EQ(TextFileReader::decode(utf8, sizeof utf8, TextEncoding::Utf8), u"a");
    EXPECT_EQ(TextFileReader::decode(utf16, 2, TextEncoding::Utf16), u"");
}

} // namespace
} // namespace fw
