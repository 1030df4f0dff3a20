#include "shell/ModeOptionsWindow.h"

#include "i18n/Translation.h"
#include "resources/PackImages.h"
#include "settings/SettingsModel.h"
#include "shell/TimerOptionsPage.h"
#include "ui/TextLayout.h"
#include "ui/UIBox.h"
#include "ui/UIButton.h"
#include "ui/UICheckBox.h"
#include "ui/UILabel.h"
#include "ui/UIPicture.h"
#include "ui/UISlider.h"
#include "ui/UISpinBox.h"

#include <algorithm>

namespace fw {

namespace {

constexpr WideStringView kGroup = u"ModeOptionsWindow";

// The magnifier's ranges as the region options offer them.
constexpr int32_t kMagnifierSizeMax = 2;
constexpr int32_t kMagnifierZoomMax = 30;

WideString titleOf(CaptureMode mode) {
    switch (mode) {
    case CaptureMode::FullScreen:
        return translate(u"Full screen options", kGroup);
    case CaptureMode::Window:
        return translate(u"Window options", kGroup);
    case CaptureMode::Region:
        return translate(u"Region options", kGroup);
    default:
        return translate(u"Timer options", kGroup);
    }
}

struct PictureChoice {
    const char16_t* image;
    const char16_t* text;
};

// Two pictures side by side, each over its toggle button; the toggles are an
// exclusive pair and a click on a picture checks the toggle below it. Returns
// the second toggle, checked when `secondChecked`.
UIButton* addPicturePair(UIBox& page, const PictureChoice (&choices)[2], bool secondChecked) {
    UIBoxLayout* row = page.boxLayout()->addRow();
    row->setSpacing(16);
    UIButton* toggles[2] = {};
    for (int i = 0; i < 2; ++i) {
        UIBoxLayout* column = row->addColumn();
        column->setSpacing(6);
        auto* picture = page.add<UIPicture>(loadPackImage(choices[i].image));
        picture->setName(choices[i].image);
        picture->setClickable(true);
        toggles[i] = page.add<UIButton>(translate(choices[i].text, kGroup));
        toggles[i]->setCheckable(true);
        toggles[i]->setChecked(secondChecked == (i == 1));
        UIButton* toggle = toggles[i];
        picture->onClicked = [toggle] { toggle->setChecked(true); };
        column->addWidget(picture);
        column->addWidget(toggles[i]);
    }
    for (int i = 0; i < 2; ++i) {
        UIButton* self = toggles[i];
        UIButton* other = toggles[1 - i];
        // Checking one unchecks the other; a checked one cannot be unchecked alone.
        self->onToggled = [self, other](bool checked) {
            if (checked) {
                other->setChecked(false);
            } else if (!other->isChecked()) {
                self->setChecked(true);
            }
        };
    }
    return toggles[1];
}

UIBox* makePage(UIWidget& window) {
    auto* page = window.add<UIBox>(Direction::Vertical);
    page->boxLayout()->setMargins(0);
    page->boxLayout()->setSpacing(10);
    return page;
}

std::function<void(SettingsValues&)> buildFullScreenPage(UIBox& page, const SettingsValues& v) {
    UIButton* workArea = addPicturePair(
        page,
        {{u"mode_options_full_area", u"Full area."}, {u"mode_options_work_area", u"Work area."}},
        v.fullScreenModeWorkArea);
    return [workArea](SettingsValues& out) { out.fullScreenModeWorkArea = workArea->isChecked(); };
}

std::function<void(SettingsValues&)> buildWindowPage(UIBox& page, const SettingsValues& v) {
    UIButton* controls =
        addPicturePair(page,
                       {{u"mode_options_windows", u"Windows."},
                        {u"mode_options_windows_and_controls", u"Windows and controls."}},
                       v.windowModeIncludeControls);
    auto* transparency = page.add<UICheckBox>(translate(u"Save transparency.", kGroup));
    transparency->setChecked(v.windowModeSaveTransparency);
    page.boxLayout()->addWidget(transparency);
    return [controls, transparency](SettingsValues& out) {
        out.windowModeIncludeControls = controls->isChecked();
        out.windowModeSaveTransparency = transparency->isChecked();
    };
}

// The value a slider stands for, as wide as its widest text so that the
// slider beside it keeps its length.
class SliderValueLabel : public UILabel {
public:
    SliderValueLabel(std::function<WideString(int32_t)> text, int32_t widest)
        : text_(std::move(text)), widest_(widest) {}
    void showValue(int32_t value) { setText(text_(value)); }
    Size sizeHint() const override {
        Size hint = UILabel::sizeHint();
        hint.width = std::max(hint.width,
                              measureText(text_(widest_), textStyle().font, dpi()).width + px(4));
        return hint;
    }

private:
    std::function<WideString(int32_t)> text_;
    int32_t widest_;
};

// A labelled slider with the value it stands for beside it, in a row of `grid`
// (whose owner is `box`).
UISlider* addSliderRow(UIBox& box, UIGridLayout& grid, int32_t row, const char16_t* text,
                       int32_t maximum, int32_t value, std::function<WideString(int32_t)> shown) {
    grid.addWidget(box.add<UILabel>(translate(text, kGroup)), row, 0);
    auto* slider = box.add<UISlider>();
    slider->setRange(0, maximum);
    slider->setPageStep(maximum > 10 ? 5 : 1);
    slider->setTickPosition(SliderTicks::Below);
    slider->setValue(std::clamp(value, 0, maximum));
    slider->setSizePolicy(SizePolicy::Expanding, SizePolicy::Fixed);
    grid.addWidget(slider, row, 1);
    auto* label = box.add<SliderValueLabel>(std::move(shown), maximum);
    label->showValue(slider->value());
    grid.addWidget(label, row, 2);
    slider->onValueChanged = [label](int32_t now) { label->showValue(now); };
    return slider;
}

std::function<void(SettingsValues&)> buildRegionPage(UIBox& page, const SettingsValues& v) {
    auto* box = page.add<UIBox>();
    auto grid = std::make_unique<UIGridLayout>();
    UIGridLayout& cells = *grid;
    cells.setMargins(0);
    cells.setHorizontalSpacing(12);
    cells.setVerticalSpacing(12);
    cells.setColumnStretch(1, 1);
    box->setLayout(std::move(grid));
    // Sizes 0, 1, 2 are magnifiers of 120, 180 and 240 pixels; zoom z shows a
    // screen pixel as a square of z + 6.
    UISlider* size = addSliderRow(*box, cells, 0, u"Magnifier size:", kMagnifierSizeMax,
                                  v.regionModeMagnifierSize, [](int32_t value) {
                                      const WideString side = toWide(120 + 60 * value);
                                      return side + u" \u00D7 " + side;
                                  });
    UISlider* zoom = addSliderRow(*box, cells, 1, u"Magnifier zoom:", kMagnifierZoomMax,
                                  v.regionModeMagnifierZoom,
                                  [](int32_t value) { return u"\u00D7" + toWide(value + 6); });
    page.boxLayout()->addWidget(box);
    return [size, zoom](SettingsValues& out) {
        out.regionModeMagnifierSize = size->value();
        out.regionModeMagnifierZoom = std::clamp(zoom->value(), 0, kMagnifierZoomMax);
    };
}

} // namespace

ModeOptionsWindow::ModeOptionsWindow(CaptureMode mode, SettingsValues& values, UIWindow* owner)
    : UIWindow(u"UIWindow"), mode_(mode), values_(values) {
    setName(u"modeOptions");
    setOwnerWindow(owner);
    setWindowFlags(WindowSystemMenu);
    setTitle(titleOf(mode));
    auto layout = std::make_unique<UIBoxLayout>(Direction::Vertical);
    layout->setMargins(Margins{18, 16, 18, 14});
    layout->setSpacing(14);
    UIBoxLayout& column = *layout;
    setLayout(std::move(layout));
    if (mode == CaptureMode::Timer) {
        auto* timer = add<TimerOptionsPage>(values);
        page_ = timer;
        write_ = [timer](SettingsValues& out) {
            timer->interval()->commit();
            timer->repeatCount()->commit();
            timer->write(out);
        };
    } else {
        page_ = makePage(*this);
        switch (mode) {
        case CaptureMode::FullScreen:
            write_ = buildFullScreenPage(*page_, values);
            break;
        case CaptureMode::Window:
            write_ = buildWindowPage(*page_, values);
            break;
        default:
            write_ = buildRegionPage(*page_, values);
            break;
        }
    }
    column.addWidget(page_, 1);
    addButtons();
}

ModeOptionsWindow::~ModeOptionsWindow() = default;

void ModeOptionsWindow::addButtons() {
    UIBoxLayout* row = static_cast<UIBoxLayout*>(layout())->addRow();
    row->setSpacing(8);
    row->addStretch(1);
    ok_ = add<UIButton>(translate(u"OK", kGroup));
    ok_->setName(u"ok");
    ok_->setProperty(u"minimumSize", u"84,0");
    ok_->onClicked = [this] { accept(); };
    cancel_ = add<UIButton>(translate(u"Cancel", kGroup));
    cancel_->setName(u"cancel");
    cancel_->setProperty(u"minimumSize", u"84,0");
    cancel_->onClicked = [this] { close(); };
    row->addWidget(ok_);
    row->addWidget(cancel_);
    setDefaultAction([this] { accept(); });
}

void ModeOptionsWindow::accept() {
    write_(values_);
    accepted_ = true;
    close();
}

bool showModeOptions(CaptureMode mode, SettingsValues& values, UIWindow* parent) {
    if (mode < CaptureMode::FullScreen || mode > CaptureMode::Timer) {
        return false;
    }
    ModeOptionsWindow window(mode, values, parent);
    window.exec();
    return window.wasAccepted();
}

} // namespace fw
