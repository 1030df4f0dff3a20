#include "shell/TimerOptionsPage.h"

#include "capture/TimerMode.h"
#include "i18n/Translation.h"
#include "settings/SettingsModel.h"
#include "ui/UIButton.h"
#include "ui/UICheckBox.h"
#include "ui/UILabel.h"
#include "ui/UILayout.h"
#include "ui/UISpinBox.h"

namespace fw {

namespace {

constexpr WideStringView kGroup = u"ModeOptionsWindow";

// A square toggle that shows, by a mark inside it, the place of the screen it
// stands for.
class PositionButton : public UIButton {
public:
    explicit PositionButton(int32_t position) : position_(position) {
        setCheckable(true);
        setProperty(u"minimumSize", u"30,24");
        setSizePolicy(SizePolicy::Fixed, SizePolicy::Fixed);
    }
    Size sizeHint() const override { return px(Size{30, 24}); }
    void paint(UIPainter& painter) override {
        UIButton::paint(painter);
        const Rect mark = placeByAlignment(rect(), px(Size{8, 6}), position_, px(5));
        const Color colour = !isEnabled()  ? theme::kDisabledText
                             : isChecked() ? theme::kAccent
                                           : theme::kDimText;
        painter.fillRoundedRect(mark, px(1), colour);
    }

private:
    int32_t position_;
};

UISpinBox* makeSpinBox(UIWidget& parent, int32_t value, int32_t minimum, int32_t maximum) {
    auto* spin = parent.add<UISpinBox>();
    spin->setRange(minimum, maximum);
    spin->setValue(value);
    return spin;
}

} // namespace

TimerOptionsPage::TimerOptionsPage(const SettingsValues& values) : UIBox(Direction::Vertical) {
    setName(u"timerOptions");
    UIBoxLayout* column = boxLayout();
    column->setMargins(0);
    addIntervalRows(values);
    tickingSound_ = add<UICheckBox>(translate(u"Ticking sound.", kGroup));
    tickingSound_->setChecked(values.timerModeTickingSound);
    showCounter_ = add<UICheckBox>(translate(u"Show counter.", kGroup));
    showCounter_->setChecked(values.timerModeShowCounter);
    column->addSpacing(6);
    column->addWidget(tickingSound_);
    column->addWidget(showCounter_);
    addPositionGrid(values.timerModeCounterPosition);
    showCounter_->onToggled = [this](bool shown) {
        for (UIButton* button : positions_) {
            button->setEnabled(shown);
        }
    };
    showCounter_->onToggled(showCounter_->isChecked());
    updateDuration();
}

void TimerOptionsPage::addIntervalRows(const SettingsValues& values) {
    auto* box = add<UIBox>();
    auto grid = std::make_unique<UIGridLayout>();
    UIGridLayout& cells = *grid;
    cells.setMargins(0);
    cells.setHorizontalSpacing(10);
    cells.setVerticalSpacing(8);
    cells.setColumnStretch(3, 1);
    box->setLayout(std::move(grid));

    cells.addWidget(box->add<UILabel>(translate(u"Interval:", kGroup)), 0, 0);
    interval_ = makeSpinBox(*box, values.timerModeInterval, kTimerIntervalMin, kTimerIntervalMax);
    cells.addWidget(interval_, 0, 1);
    // The two units are a group of their own among the box's children.
    seconds_ = box->add<UIRadioButton>(translate(u"Seconds", kGroup));
    minutes_ = box->add<UIRadioButton>(translate(u"Minutes", kGroup));
    (values.timerModeIntervalType == kTimerUnitMinutes ? minutes_ : seconds_)->setChecked(true);
    cells.addWidget(seconds_, 0, 2);
    cells.addWidget(minutes_, 0, 3);

    cells.addWidget(box->add<UILabel>(translate(u"Repeat count:", kGroup)), 1, 0);
    repeatCount_ = makeSpinBox(*box, values.timerModeRepeatCount, kTimerRepeatMin, kTimerRepeatMax);
    cells.addWidget(repeatCount_, 1, 1);

    cells.addWidget(box->add<UILabel>(translate(u"Duration:", kGroup)), 2, 0);
    duration_ = box->add<UILabel>(u"0 : 0 : 0");
    duration_->setName(u"duration");
    cells.addWidget(duration_, 2, 1);
    auto* units = box->add<UILabel>(translate(u"hours : minutes : seconds", kGroup));
    units->setProperty(u"foreground", u"153,153,153");
    cells.addWidget(units, 2, 2, 1, 2);

    boxLayout()->addWidget(box);
    interval_->onValueChanged = [this](int32_t) { updateDuration(); };
    repeatCount_->onValueChanged = [this](int32_t) { updateDuration(); };
    minutes_->onToggled = [this](bool) { updateDuration(); };
}

void TimerOptionsPage::addPositionGrid(int32_t position) {
    UIBoxLayout* row = boxLayout()->addRow();
    row->addWidget(add<UILabel>(translate(u"Counter position:", kGroup)), 0, AlignTop);
    row->addSpacing(10);
    // The grid keeps its size in a box of its own; the row's stretch takes the rest.
    auto* box = add<UIBox>();
    auto grid = std::make_unique<UIGridLayout>();
    UIGridLayout& cells = *grid;
    cells.setMargins(0);
    cells.setHorizontalSpacing(4);
    cells.setVerticalSpacing(4);
    box->setLayout(std::move(grid));
    for (size_t i = 0; i < kCounterPositions.size(); ++i) {
        auto* button = box->add<PositionButton>(kCounterPositions[i]);
        button->setName(u"position" + toWide(kCounterPositions[i]));
        button->setChecked(kCounterPositions[i] == position);
        button->onClicked = [this, button] { checkPosition(button); };
        positions_[i] = button;
        cells.addWidget(button, static_cast<int32_t>(i / 3), static_cast<int32_t>(i % 3));
    }
    row->addWidget(box);
    row->addStretch(1);
}

void TimerOptionsPage::checkPosition(UIButton* chosen) {
    // Exclusive: the clicked one stays checked, whatever it was before.
    for (UIButton* button : positions_) {
        button->setChecked(button == chosen);
    }
}

int32_t TimerOptionsPage::checkedPosition() const {
    for (size_t i = 0; i + 1 < positions_.size(); ++i) {
        if (positions_[i]->isChecked()) {
            return kCounterPositions[i];
        }
    }
    return kDefaultCounterPosition;
}

void TimerOptionsPage::updateDuration() {
    duration_->setText(formatSeriesDuration(
        interval_->value(), minutes_->isChecked() ? kTimerUnitMinutes : kTimerUnitSeconds,
        repeatCount_->value()));
}

void TimerOptionsPage::write(SettingsValues& values) const {
    values.timerModeInterval = interval_->value();
    values.timerModeIntervalType = minutes_->isChecked() ? kTimerUnitMinutes : kTimerUnitSeconds;
    values.timerModeRepeatCount = repeatCount_->value();
    values.timerModeTickingSound = tickingSound_->isChecked();
    values.timerModeShowCounter = showCounter_->isChecked();
    values.timerModeCounterPosition = checkedPosition();
}

} // namespace fw
