#pragma once
// A style: the standard images, skins, layout metrics and item lists (models)
// of one ".style" pack, decoded into memory when the style is loaded. The pack
// itself is closed again once everything is copied out of it.
#include "capture/Image.h"
#include "resources/PngDecoder.h"
#include "resources/Skin.h"
#include "xml/XmlDocument.h"

#include <map>
#include <memory>
#include <vector>

namespace fw {

class DataPack;

enum class StandardImage : int32_t {
    DialogHelpButton = 0,
    DirectoryBig,
    DirectorySmall,
    InformationBig,
    QuestionBig,
    WarningBig,
    CriticalBig,
    InformationMedium,
    QuestionMedium,
    WarningMedium,
    CriticalMedium,
    InformationSmall,
    QuestionSmall,
    WarningSmall,
    CriticalSmall,
    WindowMinimizeButton,
    WindowMaximizeButton,
    WindowCloseButton,
    Focus,
};
constexpr int32_t kStandardImageCount = 19;
// The entry name without ".png", e.g. "DialogHelpButton".
WideStringView standardImageName(StandardImage image);

enum class MetricId : int32_t {
    Unknown = 0,
    LayoutLeftMargin = 1,
    LayoutTopMargin,
    LayoutRightMargin,
    LayoutBottomMargin,
    LayoutHorizontalSpacing,
    LayoutVerticalSpacing,
    SmallIconSize,
    MediumIconSize,
    LargeIconSize,
    TextCursorWidth,
    MessageBoxIconSize,
    WindowDesktopPadding,
};
// The id of a metric name of metrics.xml; Unknown for any other name.
MetricId metricIdFromName(WideStringView name);

// Where a style's resources come from.
enum class StyleSourceKind : int32_t { Undecided = 0, PackFile = 2 };

class StyleResources {
public:
    explicit StyleResources(WideString path, StyleSourceKind kind = StyleSourceKind::PackFile);

    // Opens the style file and decodes everything. False when the file cannot
    // be opened, skins.xml, models.xml or metrics.xml is missing or does not
    // parse, a skin's sheet is missing or cannot be decoded, or the style
    // yields no metric, no standard image or no skin.
    bool load(ImageDecoder decode = decodePng);
    // The same from a pack already open (tests, embedded styles).
    bool loadFrom(const DataPack& pack, ImageDecoder decode);

    const WideString& path() const { return path_; }
    StyleSourceKind kind() const { return kind_; }
    // The empty image when the style has none with that id.
    const Image& standardImage(StandardImage id) const;
    // Null when the style has no skin of that name.
    const Skin* skin(WideStringView name) const;
    const std::map<WideString, Skin, std::less<>>& skins() const { return skins_; }
    // The first value given for `id` in file order; 0 when there is none.
    int32_t metric(MetricId id) const;
    const XmlDocument& models() const { return models_; }
    // The element whose children are the items of model `name`: the first child
    // of "models" with that "name", or "models" itself for the name "models".
    const XmlElement* findModel(WideStringView name) const;

private:
    bool loadStandardImages(const DataPack& pack, ImageDecoder decode);
    bool loadSkins(const DataPack& pack, ImageDecoder decode);
    bool loadModels(const DataPack& pack);
    bool loadMetrics(const DataPack& pack);

    WideString path_;
    StyleSourceKind kind_;
    std::map<StandardImage, Image> standardImages_;
    std::map<WideString, Skin, std::less<>> skins_;
    std::map<MetricId, int32_t> metrics_;
    XmlDocument models_;
};

// The style file for `name`: `name` itself when it holds a backslash (it must
// exist), else `folder\name.style`, else `folder\styles\name.style`; empty
// when none exists.
WideString findStylePath(WideStringView name, WideStringView executableFolder);

// Finds the style beside the running executable and loads it. On success it
// becomes the current style; on failure there is no current style.
bool loadStyleResources(WideStringView name);
bool loadStyleResources(WideStringView name, WideStringView executableFolder, ImageDecoder decode);
// Null while no style is loaded.
const StyleResources* currentStyleResources();

} // namespace fw
