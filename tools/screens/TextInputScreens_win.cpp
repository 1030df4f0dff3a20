// The text fields in their states: line edits, a text edit, hotkey fields and
// a spin box.
#include "Screens.h"

#include "shell/UIHotKey.h"
#include "ui/UILabel.h"
#include "ui/UILayout.h"
#include "ui/UILineEdit.h"
#include "ui/UISpinBox.h"
#include "ui/UITextEdit.h"

namespace fw::screens {

namespace {

// One row of the form: what the field shows, and the field.
template <typename Field>
Field* addRow(UIWindow& window, UIGridLayout& grid, int32_t row, const char16_t* caption) {
    auto* label = window.add<UILabel>(caption);
    grid.addWidget(label, row, 0);
    auto* field = window.add<Field>();
    grid.addWidget(field, row, 1);
    return field;
}

std::unique_ptr<UIWindow> textFields() {
    auto window = std::make_unique<UIWindow>();
    auto grid = std::make_unique<UIGridLayout>();
    grid->setColumnStretch(1, 1);

    addRow<UILineEdit>(*window, *grid, 0, u"Normal")->setText(u"ScreenShot-[COUNTER]");
    auto* focused = addRow<UILineEdit>(*window, *grid, 1, u"Focused");
    focused->setText(u"C:\\Users\\Anna\\Pictures\\Screenshots");
    focused->setFocus();
    focused->setSelection(9, 13);
    addRow<UILineEdit>(*window, *grid, 2, u"Blank")->setBlankText(u"Search screenshots");
    auto* readOnly = addRow<UILineEdit>(*window, *grid, 3, u"Read-only");
    readOnly->setText(u"1920 x 1080");
    readOnly->setReadOnly(true);
    auto* disabled = addRow<UILineEdit>(*window, *grid, 4, u"Disabled");
    disabled->setText(u"mspaint.exe");
    disabled->setEnabled(false);
    addRow<UIHotKey>(*window, *grid, 5, u"Hotkey");
    addRow<UIHotKey>(*window, *grid, 6, u"Recorded")->setValue(0x74, kModControl | kModShift);
    auto* spin = addRow<UISpinBox>(*window, *grid, 7, u"Spin box");
    spin->setRange(0, 100);
    spin->setValue(85);
    window->setLayout(std::move(grid));
    window->setGeometry(Rect{0, 0, window->px(420), window->sizeHint().height});
    return window;
}

std::unique_ptr<UIWindow> textEdit() {
    auto window = std::make_unique<UIWindow>();
    auto layout = std::make_unique<UIBoxLayout>(Direction::Vertical);
    auto* edit = window->add<UITextEdit>();
    edit->setText(u"Framewing keeps every screenshot in its history, grouped by day.\n\n"
                  u"Double-click a word to select it, or drag across several lines; the "
                  u"text wraps at the edge of the field.");
    edit->setFocus();
    edit->setSelection(22, 90);
    layout->addWidget(edit);
    auto* blank = window->add<UITextEdit>();
    blank->setBlankText(u"A note for this screenshot");
    layout->addWidget(blank);
    window->setLayout(std::move(layout));
    window->setGeometry(Rect{0, 0, window->px(360), window->px(260)});
    return window;
}

const ScreenRegistration textFieldsScreen(u"text-fields", textFields);
const ScreenRegistration textEditScreen(u"text-edit", textEdit);

} // namespace

} // namespace fw::screens
