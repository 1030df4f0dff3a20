#include "ui/UIStack.h"

#include "ui/UIWindow.h"

#include <algorithm>

namespace fw {

class UIStack::StackLayout : public UILayout {
public:
    explicit StackLayout(const UIStack& stack) : stack_(stack) {}

    Size sizeHint() const override {
        return measure([](const UIWidget& page) { return page.effectiveSizeHint(); });
    }
    Size minimumSize() const override {
        return measure([](const UIWidget& page) { return page.effectiveMinimumSize(); });
    }
    // Every page gets the whole area, so that switching needs no new layout.
    void arrange(const Rect& area) override {
        for (UIStackPage* page : stack_.pages_) {
            page->setGeometry(area);
        }
    }

private:
    template <typename Measure> Size measure(Measure sizeOf) const {
        if (!stack_.uniform_) {
            const UIStackPage* current = stack_.currentPage();
            return current ? sizeOf(*current) : Size{};
        }
        Size largest;
        for (const UIStackPage* page : stack_.pages_) {
            Size s = sizeOf(*page);
            largest = Size{std::max(largest.width, s.width), std::max(largest.height, s.height)};
        }
        return largest;
    }

    const UIStack& stack_;
};

UIStackPage::UIStackPage() : UIWidget(u"UIStackPage") {}

UIBoxLayout* UIStackPage::setBoxLayout(Direction direction) {
    auto layout = std::make_unique<UIBoxLayout>(direction);
    UIBoxLayout* made = layout.get();
    setLayout(std::move(layout));
    return made;
}

UIStack::UIStack() : UIWidget(u"UIStack") {
    setLayout(std::make_unique<StackLayout>(*this));
}

UIStackPage* UIStack::addPage() {
    return addPage(std::make_unique<UIStackPage>());
}

UIStackPage* UIStack::addPage(std::unique_ptr<UIStackPage> page) {
    page->setVisible(pages_.empty());
    auto* added = static_cast<UIStackPage*>(addChild(std::move(page)));
    added->setGeometry(rect());
    pages_.push_back(added);
    if (current_ < 0) {
        current_ = 0;
    }
    return added;
}

UIStackPage* UIStack::page(int32_t index) const {
    if (index < 0 || index >= count()) {
        return nullptr;
    }
    return pages_[static_cast<size_t>(index)];
}

int32_t UIStack::indexOf(const UIWidget* page) const {
    auto found = std::find(pages_.begin(), pages_.end(), page);
    return found == pages_.end() ? -1 : static_cast<int32_t>(found - pages_.begin());
}

UIWidget* firstTabStopIn(const UIWidget& root) {
    for (const auto& child : root.children()) {
        if (!child->isVisibleFlag() || !child->isEnabledFlag()) {
            continue;
        }
        if (child->acceptsTabFocus()) {
            return child.get();
        }
        if (UIWidget* inner = firstTabStopIn(*child)) {
            return inner;
        }
    }
    return nullptr;
}

void UIStack::setCurrentIndex(int32_t index) {
    UIStackPage* next = page(index);
    if (!next || index == current_) {
        return;
    }
    UIStackPage* old = currentPage();
    UIWindow* w = window();
    const bool focusWasOnOld = w && old && old->isAncestorOf(w->focusWidget());
    current_ = index;
    // The new page is shown before the old one hides, so that the focus has
    // somewhere to go and the window never paints an empty stack.
    next->setGeometry(rect());
    next->relayout();
    next->setVisible(true);
    if (old) {
        old->setVisible(false);
    }
    if (focusWasOnOld) {
        if (UIWidget* first = firstTabStopIn(*next)) {
            first->setFocus();
        }
    }
    updateGeometry();
    if (onCurrentChanged) {
        auto changed = onCurrentChanged;
        changed(index);
    }
}

void UIStack::setUniformSize(bool uniform) {
    uniform_ = uniform;
    updateGeometry();
}

bool UIStack::onKeyPress(const KeyEvent& event) {
    if (!(event.modifiers & ModifierControl) || (event.modifiers & ModifierAlt) || count() < 2) {
        return false;
    }
    int32_t step = 0;
    if (event.key == KeyTab) {
        step = (event.modifiers & ModifierShift) ? -1 : 1;
    } else if (event.key == KeyPageDown && !(event.modifiers & ModifierShift)) {
        step = 1;
    } else if (event.key == KeyPageUp && !(event.modifiers & ModifierShift)) {
        step = -1;
    } else {
        return false;
    }
    setCurrentIndex((current_ + step + count()) % count());
    return true;
}

} // namespace fw
