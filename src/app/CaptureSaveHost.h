#pragma once
// The save step's view of the settings model: output folder, format, name
// pattern and the statistics counters.
#include "output/SaveStep.h"

#include <functional>

namespace fw {

class SettingsModel;

class CaptureSaveHost : public SaveHost {
public:
    using MessageFunction = std::function<void(WideStringView)>;
    CaptureSaveHost(SettingsModel& model, MessageFunction showMessage);

    WideString outputFolder() const override;
    int32_t outputFormat() const override;
    bool autoCopyToClipboard() const override;
    NamePattern& namePattern() override;
    void countScreenshot() override;
    void addToHistory(const SavedScreenshot& shot) override;
    void showMessage(WideStringView text) override;

private:
    SettingsModel& model_;
    MessageFunction showMessage_;
};

} // namespace fw
