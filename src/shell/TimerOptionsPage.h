#pragma once
// The timer mode's options: interval and unit, repeat count, the duration of
// the whole series, the ticking sound, and whether and where the counter shows.
#include "ui/UIBox.h"

#include <array>

namespace fw {

class UIButton;
class UICheckBox;
class UILabel;
class UIRadioButton;
class UISpinBox;
struct SettingsValues;

class TimerOptionsPage : public UIBox {
public:
    explicit TimerOptionsPage(const SettingsValues& values);

    // Writes every value of the page, in the order of the settings table.
    void write(SettingsValues& values) const;

    UISpinBox* interval() const { return interval_; }
    UIRadioButton* seconds() const { return seconds_; }
    UIRadioButton* minutes() const { return minutes_; }
    UISpinBox* repeatCount() const { return repeatCount_; }
    UILabel* duration() const { return duration_; }
    UICheckBox* tickingSound() const { return tickingSound_; }
    UICheckBox* showCounter() const { return showCounter_; }
    // Row by row from the top left, as the counter positions.
    UIButton* positionButton(size_t index) const { return positions_[index]; }
    // The position value of the checked button; 10 when none of the others is.
    int32_t checkedPosition() const;

private:
    void addIntervalRows(const SettingsValues& values);
    void addPositionGrid(int32_t position);
    void checkPosition(UIButton* chosen);
    void updateDuration();

    UISpinBox* interval_ = nullptr;
    UIRadioButton* seconds_ = nullptr;
    UIRadioButton* minutes_ = nullptr;
    UISpinBox* repeatCount_ = nullptr;
    UILabel* duration_ = nullptr;
    UICheckBox* tickingSound_ = nullptr;
    UICheckBox* showCounter_ = nullptr;
    std::array<UIButton*, 9> positions_{};
};

} // namespace fw
