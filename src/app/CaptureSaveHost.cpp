#include "app/CaptureSaveHost.h"

#include "settings/SettingsModel.h"

namespace fw {

CaptureSaveHost::CaptureSaveHost(SettingsModel& model, MessageFunction showMessage)
    : model_(model), showMessage_(std::move(showMessage)) {}

WideString CaptureSaveHost::outputFolder() const {
    return model_.values.outputFolder;
}

int32_t CaptureSaveHost::outputFormat() const {
    return model_.values.outputFileFormat;
}

bool CaptureSaveHost::autoCopyToClipboard() const {
    return model_.values.autoCopyToClipboard;
}

NamePattern& CaptureSaveHost::namePattern() {
    return model_.namePattern;
}

void CaptureSaveHost::countScreenshot() {
    model_.statistics.countScreenshot();
}

void CaptureSaveHost::addToHistory(const SavedScreenshot& shot) {
    model_.history.add(historyEntryOf(shot));
}

void CaptureSaveHost::showMessage(WideStringView text) {
    showMessage_(text);
}

} // namespace fw
