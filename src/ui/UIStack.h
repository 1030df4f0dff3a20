#pragma once
// Pages of which one is shown (the options window's five pages, switched from
// its tool bar). Only the current page is visible: it alone paints, takes the
// mouse and is reached with Tab. Ctrl+Tab and Ctrl+Page Down (with Shift, or
// Ctrl+Page Up, backwards) move to the next page while the focus is inside.
#include "ui/UILayout.h"
#include "ui/UIWidget.h"

#include <functional>
#include <memory>
#include <vector>

namespace fw {

class UIStackPage : public UIWidget {
public:
    UIStackPage();
    // Gives the page a row or a column and returns it.
    UIBoxLayout* setBoxLayout(Direction direction);
};

class UIStack : public UIWidget {
public:
    UIStack();

    // Adds a page at the end; the first page becomes the current one.
    UIStackPage* addPage();
    UIStackPage* addPage(std::unique_ptr<UIStackPage> page);
    int32_t count() const { return static_cast<int32_t>(pages_.size()); }
    // Null for an index out of range.
    UIStackPage* page(int32_t index) const;
    int32_t indexOf(const UIWidget* page) const;

    // -1 while there is no page.
    int32_t currentIndex() const { return current_; }
    UIStackPage* currentPage() const { return page(current_); }
    // Shows page `index` (an index out of range changes nothing). When the
    // focus was on the page that goes, it moves to the first control of the
    // new one. onCurrentChanged runs when the page changes.
    void setCurrentIndex(int32_t index);
    std::function<void(int32_t)> onCurrentChanged;

    // By default the stack asks for the size of its current page; uniform, it
    // asks for the largest page's, so that switching pages never resizes.
    void setUniformSize(bool uniform);
    bool isUniformSize() const { return uniform_; }

    bool onKeyPress(const KeyEvent& event) override;

private:
    class StackLayout;

    std::vector<UIStackPage*> pages_;
    int32_t current_ = -1;
    bool uniform_ = false;
};

// The first widget in Tab order inside `root` (not `root` itself), or null.
UIWidget* firstTabStopIn(const UIWidget& root);

} // namespace fw
