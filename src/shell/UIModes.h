#pragma once
// The main window's bar of capture modes: one entry per mode, its picture
// above its name, one entry chosen. A click on an entry chooses it; a click on
// the entry already chosen captures in that mode. From the keyboard Left and
// Right choose the neighbouring mode, Space and Enter capture.
#include "ui/ScaledArt.h"
#include "ui/TextStyle.h"
#include "ui/UIWidget.h"

#include <functional>
#include <vector>

namespace fw {

class UIModes : public UIWidget {
public:
    UIModes();

    void addEntry(int32_t mode, Image picture, WideString label, WideString toolTip);
    // New texts after a change of language.
    void setEntryTexts(int32_t mode, WideString label, WideString toolTip);
    int32_t count() const { return static_cast<int32_t>(entries_.size()); }
    // The chosen entry's mode; 0 while none is chosen.
    int32_t currentMode() const;
    // Chooses without running onModeChosen (a mode read from the settings).
    void setCurrentMode(int32_t mode);

    // An entry was chosen by the user.
    std::function<void(int32_t)> onModeChosen;
    // The chosen entry was clicked again, or Space or Enter pressed.
    std::function<void(int32_t)> onCaptureRequested;

    // Entries in local coordinates, and the entry under a point (-1 for none).
    Rect entryRect(int32_t index) const;
    int32_t entryAt(Point local) const;

    Size sizeHint() const override;
    Size minimumSizeHint() const override;
    void paint(UIPainter& painter) override;
    void setProperty(WideStringView name, WideStringView value) override;
    WideString toolTipAt(Point local, Rect& area) const override;

    bool onMousePress(const MouseEvent& event) override;
    bool onMouseRelease(const MouseEvent& event) override;
    bool onMouseMove(const MouseEvent& event) override;
    void onMouseLeave() override;
    bool onKeyPress(const KeyEvent& event) override;
    void onCaptureLost() override;

private:
    struct Entry {
        int32_t mode = 0;
        ScaledImage picture;
        WideString label;
        WideString toolTip;
    };
    Size entrySize() const;
    int32_t indexOf(int32_t mode) const;
    void choose(int32_t index);
    void capture();

    std::vector<Entry> entries_;
    int32_t chosen_ = -1;
    int32_t hovered_ = -1;
    int32_t pressed_ = -1;
    TextStyle textStyle_;
    Paint chosenBackground_ = Paint::solid(theme::kRaised);
    Paint hoveredBackground_ = Paint::solid(rgb(52, 52, 52));
    Color accent_ = theme::kAccent;
    Margins padding_{8, 6, 8, 5};
    int32_t pictureAndTextSpacing_ = 4;
};

} // namespace fw
