// Lists and scroll bars: the screenshot list in icon mode as the main window
// styles it, a list in list mode, an empty list and a scroll area.
#include "Screens.h"
#include "support/WidgetGallery.h"

#include "resources/PackImages.h"
#include "shell/ScreenshotList.h"
#include "ui/UILabel.h"
#include "ui/UILayout.h"
#include "ui/UIList.h"
#include "ui/UIScrollArea.h"
#include "ui/UIScrollBar.h"

namespace fw::screens {

namespace {

std::unique_ptr<UIWindow> windowOf(Size logical) {
    auto window = std::make_unique<UIWindow>();
    const int32_t dpi = window->windowDpi();
    window->setGeometry(Rect{0, 0, logical.width * dpi / 96, logical.height * dpi / 96});
    return window;
}

UIList* fill(UIWindow& window, int32_t margin) {
    auto layout = std::make_unique<UIBoxLayout>(Direction::Vertical);
    layout->setMargins(margin);
    UIList* list = window.add<UIList>();
    layout->addWidget(list);
    window.setLayout(std::move(layout));
    return list;
}

std::unique_ptr<UIWindow> iconList() {
    auto window = windowOf(Size{660, 440});
    UIList* list = fill(*window, 0);
    applyScreenshotListLook(*list);
    const char16_t* captions[] = {u"Today", u"Today", u"Yesterday", u"03 March 2025"};
    for (int32_t i = 0; i < 23; ++i) {
        const int32_t height = i % 4 == 3 ? 180 : 101 + i % 3 * 10;
        list->addItem(u"ScreenShot-" + toWidePadded(23 - i, 2) + (i == 1 ? u" (long name)" : u""),
                      captions[std::min(i / 3, 3)], galleryThumbnail(i, 180, height));
    }
    list->setSelectedIndex(1);
    list->setFocus();
    return window;
}

std::unique_ptr<UIWindow> rowList() {
    auto window = windowOf(Size{420, 300});
    UIList* list = fill(*window, 12);
    list->setProperties({{u"alternateItemBackground", u"60,60,60"},
                         {u"listModeItemHeight", u"34"},
                         {u"isDrawGrid", u"1"},
                         {u"gridColor", u"66,66,66"}});
    const char16_t* modes[] = {u"Region", u"Full screen", u"Window", u"Timer"};
    for (int32_t i = 0; i < 14; ++i) {
        list->addItem(u"ScreenShot-" + toWidePadded(14 - i, 2), modes[i % 4],
                      galleryThumbnail(i, 48, 30));
    }
    list->setSelectedIndex(2);
    list->setFocus();
    window->layoutNow();
    list->verticalScrollBar()->setValue(20);
    return window;
}

std::unique_ptr<UIWindow> emptyList() {
    auto window = windowOf(Size{320, 200});
    UIList* list = fill(*window, 12);
    list->setViewMode(UIList::ViewMode::Icon);
    list->setBlankText(u"No screenshots yet.\nPress PrintScreen to take one.");
    list->setProperty(u"shadowBlankForeground", u"30,30,30");
    list->setBackgroundPicture(loadPackImage(u"preview_background_logo"));
    return window;
}

// A page of labels too large for its area: both bars and the corner.
std::unique_ptr<UIWindow> scrollArea() {
    auto window = windowOf(Size{320, 220});
    auto layout = std::make_unique<UIBoxLayout>(Direction::Vertical);
    layout->setMargins(12);
    auto* area = window->add<UIScrollArea>();
    layout->addWidget(area);
    window->setLayout(std::move(layout));
    auto content = std::make_unique<UIWidget>();
    auto column = std::make_unique<UIBoxLayout>(Direction::Vertical);
    for (int32_t i = 1; i <= 14; ++i) {
        auto* label = content->add<UILabel>(u"Line " + toWide(i) +
                                            u" of a page wider and taller than its window");
        column->addWidget(label);
    }
    content->setLayout(std::move(column));
    area->setWidget(std::move(content));
    area->setWidgetResizable(false);
    window->layoutNow();
    area->setScrollPosition(Point{0, area->verticalScrollBar()->maximum() / 3});
    return window;
}

const ScreenRegistration iconListScreen(u"list-icons", iconList);
const ScreenRegistration rowListScreen(u"list-rows", rowList);
const ScreenRegistration emptyListScreen(u"list-empty", emptyList);
const ScreenRegistration scrollAreaScreen(u"scroll-area", scrollArea);

} // namespace

} // namespace fw::screens
