#pragma once
// A style built for one test: skins of chosen frame sizes and a models
// document, written to a temporary folder and made the current style. The
// toolkit is left without a style again afterwards.
#include "platform/Files.h"
#include "resources/StyleResources.h"
#include "resources/TestPack.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fw::test {

struct SkinSpec {
    std::u16string name;
    int frames;
    int width;
    int height;
};

class TestStyle {
public:
    explicit TestStyle(const std::vector<SkinSpec>& skins, const std::string& models = "<models/>")
        : folder_("style") {
        std::string list = "<skins>";
        TestPack pack;
        for (const SkinSpec& skin : skins) {
            const std::string name = toUtf8(skin.name);
            list += "<skin name=\"" + name + "\" count=\"" + std::to_string(skin.frames) +
                    "\" width=\"" + std::to_string(skin.width) + "\" height=\"" +
                    std::to_string(skin.height) + "\" />";
            pack.add(u"skins", skin.name + u".png",
                     std::to_string(skin.width) + "x" + std::to_string(skin.height * skin.frames));
        }
        list += "</skins>";
        pack.add(u"images", u"Focus.png", "12x12")
            .add(u"xml", u"skins.xml", xml(list))
            .add(u"xml", u"models.xml", xml(models))
            .add(u"xml", u"metrics.xml",
                 xml(R"(<metrics><metric name="SmallIconSize" value="16" /></metrics>)"));
        const Bytes bytes = pack.bytes();
        EXPECT_TRUE(
            os::writeFile(joinPath(folder_.path(), u"test.style"), bytes.data(), bytes.size()));
        EXPECT_TRUE(loadStyleResources(u"test", folder_.path(), sizeDecoder));
    }
    ~TestStyle() { loadStyleResources(u"none", folder_.path(), sizeDecoder); }

private:
    TempFolder folder_;
};

} // namespace fw::test
