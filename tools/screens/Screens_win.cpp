#include "Screens.h"

#include "i18n/Translation.h"
#include "output/PngEncoder.h"
#include "platform/Files.h"
#include "platform/SystemInfo.h"
#include "platform/Win32.h"
#include "resources/DataPack.h"
#include "resources/StyleResources.h"
#include "ui/Offscreen.h"
#include "ui/TextStyle.h"
#include "ui/UIPainter.h"

#include <cstdio>
#include <string>

namespace fw::screens {

namespace {

std::vector<ScreenEntry>& registry() {
    static std::vector<ScreenEntry> entries;
    return entries;
}

WideString& distStorage() {
    static WideString folder;
    return folder;
}

bool writePng(const WideString& path, const Image& image) {
    std::vector<uint8_t> bytes = encodePng(image, true);
    return !bytes.empty() && os::writeFileAtomic(path, bytes.data(), bytes.size());
}

struct Shot {
    WideString label;
    Image image;
};

// All shots of one run on a neutral background, each under its name.
Image contactSheet(const std::vector<Shot>& shots, int32_t dpi) {
    const int32_t margin = 16 * dpi / 96;
    const int32_t caption = 22 * dpi / 96;
    const int32_t width = 1600 * dpi / 96;
    int32_t x = margin, y = margin, rowHeight = 0, total = margin;
    std::vector<Point> at;
    for (const Shot& shot : shots) {
        if (x > margin && x + shot.image.width() > width) {
            x = margin;
            y += rowHeight + margin;
            rowHeight = 0;
        }
        at.push_back(Point{x, y});
        x += std::max(shot.image.width(), 160) + margin;
        rowHeight = std::max(rowHeight, shot.image.height() + caption);
        total = y + rowHeight + margin;
    }
    FontSpec font = defaultFont();
    font.size = 9.0f;
    return renderOffscreen(Size{width, total}, dpi, [&](UIPainter& painter) {
        painter.fillRect(Rect{0, 0, width, total}, rgb(100, 104, 110));
        for (size_t i = 0; i < shots.size(); ++i) {
            const Image& image = shots[i].image;
            painter.drawText(Rect{at[i].x, at[i].y, width, caption}, shots[i].label, font,
                             rgb(255, 255, 255), AlignLeft | AlignTop);
            painter.drawImage(image, Rect{0, 0, image.width(), image.height()},
                              Rect{at[i].x, at[i].y + caption, image.width(), image.height()});
        }
    });
}

std::vector<WideString> splitList(const WideString& text) {
    std::vector<WideString> parts = split(text, u',', false);
    return parts;
}

} // namespace

ScreenRegistration::ScreenRegistration(const char16_t* name, WindowMaker make) {
    registry().push_back(ScreenEntry{name, std::move(make)});
}

const std::vector<ScreenEntry>& screenEntries() {
    return registry();
}

const WideString& distFolder() {
    return distStorage();
}

} // namespace fw::screens

using namespace fw;

// fw_screens --dist <program folder> --out <folder> [--languages english,german]
//            [--only name,name]
int wmain(int argc, wchar_t** argv) {
    WideString out = u".";
    WideString languages = u"english";
    WideString only;
    for (int i = 1; i + 1 < argc; i += 2) {
        WideString key = fromWide(argv[i]);
        WideString value = fromWide(argv[i + 1]);
        if (key == u"--dist") {
            screens::distStorage() = value;
        } else if (key == u"--out") {
            out = value;
        } else if (key == u"--languages") {
            languages = value;
        } else if (key == u"--only") {
            only = value;
        }
    }
    const WideString& dist = screens::distFolder();
    if (!dataPacks().mount(u"data", dist) || !loadStyleResources(u"default", dist, decodePng)) {
        std::fprintf(stderr, "fw_screens: no program in the --dist folder\n");
        return 1;
    }
    setLanguagesFolder(joinPath(dist, u"languages"));
    os::createFolder(out);
    int failures = 0;
    for (const WideString& language : screens::splitList(languages)) {
        setLanguage(language);
        std::vector<screens::Shot> shots;
        const WideString folder = joinPath(out, language);
        os::createFolder(folder);
        for (const screens::ScreenEntry& entry : screens::screenEntries()) {
            if (!only.empty() && only.find(entry.name) == WideString::npos) {
                continue;
            }
            std::unique_ptr<UIWindow> window = entry.make();
            if (!window) {
                continue;
            }
            if (window->rect().isEmpty()) {
                window->adjustSize();
            }
            window->layoutNow();
            Image image = window->render();
            if (image.isEmpty() ||
                !screens::writePng(joinPath(folder, entry.name + u".png"), image)) {
                std::fprintf(stderr, "fw_screens: %s failed\n", toUtf8(entry.name).c_str());
                ++failures;
                continue;
            }
            shots.push_back(screens::Shot{entry.name, image});
            std::printf("%s/%s\n", toUtf8(language).c_str(), toUtf8(entry.name).c_str());
        }
        Image sheet = screens::contactSheet(shots, os::screenDpi());
        screens::writePng(joinPath(out, u"contact-" + language + u".png"), sheet);
    }
    return failures == 0 ? 0 : 1;
}
