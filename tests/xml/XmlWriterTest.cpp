#include "xml/XmlDocument.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace fw {
namespace {

std::string asString(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

TEST(XmlWriterTest, WritesTheFileLayout) {
    XmlDocument doc;
    XmlElement& groups = doc.root().addChild(u"groups");
    groups.setText(u"never written");
    XmlElement& group = groups.addChild(u"group");
    group.addAttribute(u"name", u"general");
    XmlElement& item = group.addChild(u"item");
    item.addAttribute(u"name", u"language");
    item.addAttribute(u"value", u"english");
    doc.root().addChild(u"empty");
    EXPECT_EQ(asString(doc.toBytes()), "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
                                       "<groups>\r\n"
                                       "    <group name=\"general\">\r\n"
                                       "        <item name=\"language\" value=\"english\" />\r\n"
                                       "    </group>\r\n"
                                       "</groups>\r\n"
                                       "<empty />\r\n");
}

TEST(XmlWriterTest, EveryPrintableCharacterRoundTrips) {
    WideString all;
    for (char16_t c = 0x20; c < 0x7F; ++c) {
        all.push_back(c);
    }
    all += u"&amp; &#65; &bogus; \u00e9\u20ac\U0001F600 ' \"\" \t";
    XmlDocument doc;
    doc.root().addChild(u"a").addAttribute(u"v", all);
    XmlDocument back;
    ASSERT_TRUE(back.parseUtf8(doc.toBytes()));
    EXPECT_EQ(back.root().find(u"a")->attribute(u"v"), all);
}

TEST(XmlWriterTest, SaveReplacesTheFileAndLoadReadsItBack) {
    std::string dir = testing::TempDir() + "xml_writer_test";
    std::remove((dir + ".xml").c_str());
    WideString path = replaceAll(fromUtf8(dir + ".xml"), u"/", u"\\");
    XmlDocument doc;
    doc.root().addChild(u"first");
    ASSERT_TRUE(doc.save(path));
    doc.root().clear();
    doc.root().addChild(u"second").addChild(u"inner").addAttribute(u"k", u"v");
    ASSERT_TRUE(doc.save(path));
    XmlDocument back;
    ASSERT_TRUE(back.load(path, TextEncoding::Utf8));
    ASSERT_EQ(back.root().children().size(), 1u);
    EXPECT_EQ(back.root().find(u"second/inner")->attribute(u"k"), u"v");
    EXPECT_FALSE(doc.save(u""));
    // A file too large to decode to an accepted text is refused before it is read,
    // even when a zero would end its text early.
    Bytes huge = back.toBytes();
    huge.resize(3 * kMaxTextLength + 4, 0);
    ASSERT_TRUE(os::writeFile(path, huge.data(), huge.size()));
    EXPECT_FALSE(back.load(path, TextEncoding::Utf8));
    huge.pop_back();
    ASSERT_TRUE(os::writeFile(path, huge.data(), huge.size()));
    EXPECT_TRUE(back.load(path, TextEncoding::Utf8));
    std::remove((dir + ".xml").c_str());
}

} // namespace
} // namespace fw
