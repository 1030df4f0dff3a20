#include "resources/CursorSet.h"

#include "resources/DataPack.h"
#include "resources/TestPack.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace fw {
namespace {

using test::TestPack;
using test::xml;

// Hands out distinct fake handles and remembers what each was made from.
class FakeCursors : public CursorFactory {
public:
    CursorHandle systemCursor(int32_t id) override { return handle(1000 + id); }
    CursorHandle createCursor(const Image& image, Point hotSpot) override {
        CursorHandle made = handle(next_++);
        created[made] = {image.width(), hotSpot};
        return made;
    }
    void destroyCursor(CursorHandle cursor) override { destroyed.insert(cursor); }

    std::map<CursorHandle, std::pair<int32_t, Point>> created;
    std::set<CursorHandle> destroyed;

private:
    CursorHandle handle(intptr_t value) { return reinterpret_cast<CursorHandle>(value); }
    intptr_t next_ = 1;
};

DataPack cursorPack(const std::string& description) {
    DataPack pack;
    Bytes bytes = TestPack()
                      .add(u"cursors", u"cursors.xml", description)
                      .add(u"cursors", u"hand.png", "5x5")
                      .add(u"cursors", u"split_top_bottom.png", "17x17")
                      .add(u"cursors", u"mystery.png", "3x3")
                      .bytes();
    EXPECT_TRUE(pack.openBytes(bytes));
    return pack;
}

TEST(CursorSetTest, FirstRequestBuildsSystemAndPackCursors) {
    DataPack pack = cursorPack(xml(R"(<cursors>
        <cursor name="hand" hotspotX="2" hotspotY="1" />
        <cursor name="target" hotspotX="15" hotspotY="15" />
        <cursor name="split_top_bottom" hotspotX="8" hotspotY="8" />
        <cursor name="mystery" />
    </cursors>)"));
    FakeCursors factory;
    {
        CursorSet set(factory);
        CursorHandle hand = set.cursor(CursorHand, &pack, test::sizeDecoder);
        ASSERT_EQ(factory.created.count(hand), 1u);
        EXPECT_EQ(factory.created[hand].first, 5);
        EXPECT_EQ(factory.created[hand].second, (Point{2, 1}));
        // 12 system cursors, hand, split_top_bottom and the unknown name; the
        // target without an image is skipped.
        EXPECT_EQ(set.size(), 15u);
        CursorHandle split = set.cursor(CursorSplitTopBottom, &pack, test::sizeDecoder);
        EXPECT_EQ(factory.created[split].first, 17);
        EXPECT_EQ(set.cursor(CursorTarget, &pack, test::sizeDecoder), nullptr);
        // The unknown name went under the arrow's id, where the system arrow wins.
        EXPECT_EQ(set.cursor(CursorArrow, &pack, test::sizeDecoder),
                  reinterpret_cast<CursorHandle>(1001));
        EXPECT_EQ(set.cursor(27, &pack, test::sizeDecoder), reinterpret_cast<CursorHandle>(1027));
        EXPECT_EQ(set.size(), 15u);
    }
    EXPECT_EQ(factory.destroyed.size(), 3u); // owned ones only, system cursors are shared
}

TEST(CursorSetTest, UnreadableDescriptionLeavesSystemCursors) {
    DataPack pack = cursorPack("<cursors><cursor name=\"hand\" /></cursors>"); // no declaration
    FakeCursors factory;
    CursorSet set(factory);
    EXPECT_EQ(set.cursor(CursorHand, &pack, test::sizeDecoder), nullptr);
    EXPECT_EQ(set.size(), 12u);
    CursorSet withoutPack(factory);
    EXPECT_EQ(withoutPack.cursor(CursorCross, nullptr, test::sizeDecoder),
              reinterpret_cast<CursorHandle>(1002));
}

} // namespace
} // namespace fw
