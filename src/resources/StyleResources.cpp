#include "resources/StyleResources.h"

#include "capture/ImageOps.h"
#include "platform/Files.h"
#include "platform/KnownFolders.h"
#include "resources/DataPack.h"

#include <array>

namespace fw {

namespace {

constexpr std::array<WideStringView, kStandardImageCount> kStandardImageNames = {
    u"DialogHelpButton",     u"DirectoryBig",      u"DirectorySmall", u"InformationBig",
    u"QuestionBig",          u"WarningBig",        u"CriticalBig",    u"InformationMedium",
    u"QuestionMedium",       u"WarningMedium",     u"CriticalMedium", u"InformationSmall",
    u"QuestionSmall",        u"WarningSmall",      u"CriticalSmall",  u"WindowMinimizeButton",
    u"WindowMaximizeButton", u"WindowCloseButton", u"Focus",
};

constexpr std::array<WideStringView, 12> kMetricNames = {
    u"LayoutLeftMargin",   u"LayoutTopMargin",         u"LayoutRightMargin",
    u"LayoutBottomMargin", u"LayoutHorizontalSpacing", u"LayoutVerticalSpacing",
    u"SmallIconSize",      u"MediumIconSize",          u"LargeIconSize",
    u"TextCursorWidth",    u"MessageBoxIconSize",      u"WindowDesktopPadding",
};

bool parseEntry(const DataPack& pack, WideStringView group, WideStringView entry,
                XmlDocument& document) {
    const DataPackEntry* found = pack.find(group, entry);
    return found && document.parseUtf8(found->data.data(), found->data.size());
}

Image decodeEntry(const DataPack& pack, WideStringView group, const WideString& name,
                  ImageDecoder decode) {
    const DataPackEntry* found = pack.find(group, name + u".png");
    return found ? decode(found->bytes()) : Image();
}

std::unique_ptr<StyleResources>& currentStyle() {
    static std::unique_ptr<StyleResources> style;
    return style;
}

} // namespace

WideStringView standardImageName(StandardImage image) {
    auto index = static_cast<size_t>(image);
    return index < kStandardImageNames.size() ? kStandardImageNames[index] : WideStringView();
}

MetricId metricIdFromName(WideStringView name) {
    for (size_t i = 0; i < kMetricNames.size(); ++i) {
        if (kMetricNames[i] == name) {
            return static_cast<MetricId>(i + 1);
        }
    }
    return MetricId::Unknown;
}

StyleResources::StyleResources(WideString path, StyleSourceKind kind)
    : path_(std::move(path)), kind_(kind) {}

bool StyleResources::load(ImageDecoder decode) {
    if (kind_ == StyleSourceKind::Undecided && os::fileExists(path_)) {
        kind_ = StyleSourceKind::PackFile;
    }
    if (kind_ != StyleSourceKind::PackFile) {
        return false;
    }
    // The pack lives only for the load: everything needed is copied or decoded.
    DataPack pack;
    return pack.open(path_) && loadFrom(pack, decode);
}

bool StyleResources::loadFrom(const DataPack& pack, ImageDecoder decode) {
    loadStandardImages(pack, decode);
    if (!loadSkins(pack, decode) || !loadModels(pack) || !loadMetrics(pack)) {
        return false;
    }
    return !path_.empty() && !metrics_.empty() && !standardImages_.empty() && !skins_.empty();
}

bool StyleResources::loadStandardImages(const DataPack& pack, ImageDecoder decode) {
    for (int32_t i = 0; i < kStandardImageCount; ++i) {
        auto id = static_cast<StandardImage>(i);
        Image image = decodeEntry(pack, u"images", WideString(standardImageName(id)), decode);
        // A missing or broken image leaves its slot empty, as if never defined.
        if (!image.isEmpty()) {
            standardImages_[id] = std::move(image);
        }
    }
    return !standardImages_.empty();
}

bool StyleResources::loadSkins(const DataPack& pack, ImageDecoder decode) {
    XmlDocument document;
    if (!parseEntry(pack, u"xml", u"skins.xml", document)) {
        return false;
    }
    const XmlElement* list = document.root().child(u"skins");
    if (!list || list->children().empty()) {
        return false;
    }
    for (const auto& element : list->children()) {
        SkinDescription description;
        if (!readSkinDescription(*element, description)) {
            continue;
        }
        Image sheet = decodeEntry(pack, u"skins", description.name, decode);
        if (sheet.isEmpty()) {
            return false;
        }
        // Skins are only ever drawn, and drawing wants premultiplied pixels.
        premultiply(sheet);
        skins_.try_emplace(description.name, description, std::move(sheet));
    }
    return true;
}

bool StyleResources::loadModels(const DataPack& pack) {
    return parseEntry(pack, u"xml", u"models.xml", models_);
}

bool StyleResources::loadMetrics(const DataPack& pack) {
    XmlDocument document;
    if (!parseEntry(pack, u"xml", u"metrics.xml", document)) {
        return false;
    }
    const XmlElement* list = document.root().child(u"metrics");
    if (!list) {
        return true;
    }
    for (const auto& element : list->children()) {
        if (element->name() == u"metric" && !element->attributes().empty()) {
            metrics_.try_emplace(metricIdFromName(element->attribute(u"name")),
                                 parseResourceInt(element->attribute(u"value")));
        }
    }
    return true;
}

const Image& StyleResources::standardImage(StandardImage id) const {
    static const Image empty;
    auto found = standardImages_.find(id);
    return found == standardImages_.end() ? empty : found->second;
}

const Skin* StyleResources::skin(WideStringView name) const {
    auto found = skins_.find(name);
    return found == skins_.end() ? nullptr : &found->second;
}

int32_t StyleResources::metric(MetricId id) const {
    auto found = metrics_.find(id);
    return found == metrics_.end() ? 0 : found->second;
}

const XmlElement* StyleResources::findModel(WideStringView name) const {
    const XmlElement* models = models_.root().child(u"models");
    if (!models || name == u"models") {
        return models;
    }
    for (const auto& model : models->children()) {
        if (model->attribute(u"name") == name) {
            return model.get();
        }
    }
    return nullptr;
}

WideString findStylePath(WideStringView name, WideStringView executableFolder) {
    if (name.find(u'\\') != WideStringView::npos) {
        return os::fileExists(name) ? WideString(name) : WideString();
    }
    WideString fileName = WideString(name) + u".style";
    WideString beside = joinPath(executableFolder, fileName);
    if (os::fileExists(beside)) {
        return beside;
    }
    WideString inStyles = joinPath(joinPath(executableFolder, u"styles"), fileName);
    return os::fileExists(inStyles) ? inStyles : WideString();
}

bool loadStyleResources(WideStringView name, WideStringView executableFolder, ImageDecoder decode) {
    currentStyle().reset();
    WideString path = findStylePath(name, executableFolder);
    if (path.empty()) {
        return false;
    }
    auto style = std::make_unique<StyleResources>(std::move(path), StyleSourceKind::PackFile);
    if (!style->load(decode)) {
        return false;
    }
    currentStyle() = std::move(style);
    return true;
}

bool loadStyleResources(WideStringView name) {
    return loadStyleResources(name, parentFolder(os::executablePath()), decodePng);
}

const StyleResources* currentStyleResources() {
    return currentStyle().get();
}

} // namespace fw
