#include "resources/DataPack.h"
#include "platform/ByteOrder.h"
#include "platform/Files.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace fw {
namespace {

// Builds pack bytes the way the pack writer does (header values zero).
class PackBuilder {
public:
    PackBuilder& group(const std::u16string& name, int32_t entryCount) {
        groups_++;
        appendInt(static_cast<int32_t>(name.size() * 2));
        body_.insert(body_.end(), 40, 0);
        appendInt(entryCount);
        appendName(name);
        return *this;
    }
    PackBuilder& entry(const std::u16string& name, const std::string& data) {
        appendInt(static_cast<int32_t>(name.size() * 2));
        body_.insert(body_.end(), 40, 0);
        appendInt(static_cast<int32_t>(data.size()));
        appendInt(0);
        appendName(name);
        body_.insert(body_.end(), data.begin(), data.end());
        return *this;
    }
    Bytes bytes(char second = 'A') const {
        Bytes out{'F', static_cast<uint8_t>(second), 0xAB, 0xCD};
        for (int32_t v : {7, 9, groups_, 0}) {
            appendLittle32(out, static_cast<uint32_t>(v));
        }
        out.insert(out.end(), body_.begin(), body_.end());
        return out;
    }

private:
    void appendInt(int32_t v) { appendLittle32(body_, static_cast<uint32_t>(v)); }
    void appendName(const std::u16string& name) {
        for (char16_t c : name) {
            appendLittle16(body_, c);
        }
    }
    int32_t groups_ = 0;
    Bytes body_;
};

Bytes samplePack() {
    return PackBuilder()
        .group(u"images", 2)
        .entry(u"DialogHelpButton.png", "PNGDATA")
        .entry(u"empty.bin", "")
        .group(u"xml", 1)
        .entry(u"skins.xml", "<skins/>")
        .bytes();
}

TEST(DataPackTest, FindsGroupsAndEntriesByExactName) {
    DataPack pack;
    Bytes bytes = samplePack();
    ASSERT_TRUE(pack.openBytes(bytes));
    EXPECT_EQ(pack.headerValue1(), 7);
    EXPECT_EQ(pack.headerValue2(), 9);
    ASSERT_EQ(pack.groups().size(), 2u);
    EXPECT_EQ(pack.groups()[0]->entries.size(), 2u);
    const DataPackEntry* png = pack.find(u"images", u"DialogHelpButton.png");
    ASSERT_NE(png, nullptr);
    EXPECT_EQ(std::string(png->data.begin(), png->data.end()), "PNGDATA");
    EXPECT_EQ(pack.findPath(u"xml/skins.xml"), pack.find(u"xml", u"skins.xml"));
    EXPECT_EQ(pack.findPath(u"images\\empty.bin")->bytes().size(), 0u);
    EXPECT_EQ(pack.find(u"Images", u"DialogHelpButton.png"), nullptr);
    EXPECT_EQ(pack.find(u"images", u"missing.png"), nullptr);
    EXPECT_TRUE(DataPack().openBytes(PackBuilder().bytes()));
}

TEST(DataPackTest, RefusesForeignShortTruncatedAndOversizedInput) {
    Bytes good = samplePack();
    DataPack pack;
    EXPECT_FALSE(pack.openBytes(PackBuilder().bytes('B')));
    EXPECT_FALSE(pack.openBytes(Bytes(good.begin(), good.begin() + 19)));
    // Every cut inside the groups is refused, never read past the end.
    for (size_t cut = 20; cut < good.size(); ++cut) {
        EXPECT_FALSE(pack.openBytes(Bytes(good.begin(), good.begin() + cut))) << cut;
    }
    Bytes negativeCount = good;
    negativeCount[15] = 0x80;
    EXPECT_FALSE(pack.openBytes(negativeCount));
    Bytes hugeCount = PackBuilder().group(u"g", 0x7FFFFFFF).bytes();
    EXPECT_FALSE(pack.openBytes(hugeCount));
    // A name longer than the reader's 512-byte buffer is refused, 510 bytes fit.
    EXPECT_FALSE(pack.openBytes(PackBuilder().group(std::u16string(256, u'n'), 0).bytes()));
    EXPECT_TRUE(pack.openBytes(PackBuilder().group(std::u16string(255, u'n'), 0).bytes()));
}

TEST(DataPackTest, MountPrefersPackBesideTheExecutableThenDataFolder) {
    TempFolder temp("pack");
    WideString exeFolder = temp.path();
    ASSERT_TRUE(os::createFolder(joinPath(exeFolder, u"data")));
    Bytes inner = PackBuilder().group(u"inner", 0).bytes();
    Bytes beside = PackBuilder().group(u"beside", 0).bytes();
    WideString innerPath = joinPath(exeFolder, u"data\\data.pak");
    WideString besidePath = joinPath(exeFolder, u"data.pak");
    ASSERT_TRUE(os::writeFile(innerPath, inner.data(), inner.size()));
    os::deleteFile(besidePath);

    DataPackList list;
    ASSERT_TRUE(list.mount(u"data", exeFolder));
    EXPECT_NE(list.find(u"data")->findGroup(u"inner"), nullptr);

    ASSERT_TRUE(os::writeFile(besidePath, beside.data(), beside.size()));
    DataPackList second;
    ASSERT_TRUE(second.mount(u"data", exeFolder));
    EXPECT_NE(second.find(u"data")->findGroup(u"beside"), nullptr);
    // A name with a backslash is a path, used as it stands.
    EXPECT_TRUE(second.mount(innerPath, u"ignored"));
    EXPECT_FALSE(second.mount(joinPath(exeFolder, u"data"), u"ignored"));
    EXPECT_FALSE(second.mount(u"other", exeFolder));
    EXPECT_EQ(second.find(u"other"), nullptr);
    os::deleteFile(innerPath);
    os::deleteFile(besidePath);
}

} // namespace
} // namespace fw
