#pragma once
// A scroll area shows a content widget larger than itself through a viewport
// (UIScrollAreaViewport), with scroll bars that appear as they are needed and
// a corner piece (UIScrollAreaCorner) where the two meet. The wheel scrolls
// (with Shift, or a tilted wheel, sideways), and so do the arrow and page keys
// that the content leaves unused.
//
// The content is measured by its size hint when it is set or the area is
// resized; after the content changed its size hint, call updateContent().
#include "ui/UILayout.h"
#include "ui/UIWidget.h"

#include <memory>

namespace fw {

class UIScrollBar;

// A widget that only paints its "background"; the parts of a scroll area.
class UIScrollAreaPart : public UIWidget {
public:
    explicit UIScrollAreaPart(WideString className);
    void paint(UIPainter& painter) override;
    void setProperty(WideStringView name, WideStringView value) override;

private:
    Paint background_;
};

class UIScrollAreaViewport : public UIScrollAreaPart {
public:
    UIScrollAreaViewport() : UIScrollAreaPart(u"UIScrollAreaViewport") {}
};

class UIScrollAreaCorner : public UIScrollAreaPart {
public:
    UIScrollAreaCorner() : UIScrollAreaPart(u"UIScrollAreaCorner") {}
};

enum class ScrollBarPolicy : int32_t { AsNeeded = 0, AlwaysOff = 1, AlwaysOn = 2 };

class UIScrollArea : public UIWidget {
public:
    UIScrollArea();

    // The area owns the content; setting another one destroys the first.
    UIWidget* setWidget(std::unique_ptr<UIWidget> content);
    template <typename T, typename... Args> T* emplaceWidget(Args&&... args) {
        return static_cast<T*>(setWidget(std::make_unique<T>(std::forward<Args>(args)...)));
    }
    UIWidget* widget() const { return content_; }
    std::unique_ptr<UIWidget> takeWidget();
    // A resizable content (the default) fills the viewport where its hint is
    // smaller; otherwise it keeps its size hint.
    void setWidgetResizable(bool resizable);
    void setScrollBarPolicy(Direction direction, ScrollBarPolicy policy);
    // Measures the content again and places the scroll bars.
    void updateContent();

    UIScrollBar* horizontalScrollBar() const { return horizontal_; }
    UIScrollBar* verticalScrollBar() const { return vertical_; }
    UIScrollAreaViewport* viewport() const { return viewport_; }
    UIScrollAreaCorner* corner() const { return corner_; }

    // The content's point at the viewport's top-left corner.
    Point scrollPosition() const;
    void setScrollPosition(Point position);
    // Scrolls the least that brings `contentRect` (content coordinates) into
    // view; one larger than the view shows its top-left part.
    void scrollToVisible(const Rect& contentRect);
    // The same for a widget inside the content, with a small margin around it.
    void ensureWidgetVisible(const UIWidget* descendant);

    Size sizeHint() const override;
    Size minimumSizeHint() const override;
    void paint(UIPainter& painter) override;
    void paintOver(UIPainter& painter) override;
    void setProperty(WideStringView name, WideStringView value) override;
    bool onWheel(const WheelEvent& event) override;
    bool onKeyPress(const KeyEvent& event) override;
    void onResize() override;
    void onDpiChanged() override;

private:
    void arrange();
    void placeContent();
    Size contentSize(Size viewportSize) const;

    UIScrollAreaViewport* viewport_;
    UIScrollAreaCorner* corner_;
    UIScrollBar* horizontal_;
    UIScrollBar* vertical_;
    UIWidget* content_ = nullptr;
    Paint background_;
    ScrollBarPolicy horizontalPolicy_ = ScrollBarPolicy::AsNeeded;
    ScrollBarPolicy verticalPolicy_ = ScrollBarPolicy::AsNeeded;
    bool resizable_ = true;
};

} // namespace fw
