#include "ui/UIMessageBox.h"

#include "i18n/Translation.h"
#include "resources/StyleResources.h"
#include "ui/ScaledArt.h"
#include "ui/TextStyle.h"
#include "ui/UIButton.h"
#include "ui/UICheckBox.h"
#include "ui/UILabel.h"
#include "ui/UILayout.h"
#include "ui/UIPainter.h"

#include <algorithm>

namespace fw {

namespace {

constexpr WideStringView kGroup = u"UserInterface/UIMessageBox";

struct ButtonName {
    uint32_t flag;
    const char16_t* text;
};

// The order in which present buttons are shown.
constexpr ButtonName kButtonOrder[] = {
    {MessageBoxYes, u"Yes"},
    {MessageBoxOk, u"OK"},
    {MessageBoxOpen, u"Open"},
    {MessageBoxSave, u"Save"},
    {MessageBoxCancel, u"Cancel"},
    {MessageBoxClose, u"Close"},
    {MessageBoxApply, u"Applay"},
    {MessageBoxReset, u"Reset"},
    {MessageBoxRestoreDefaults, u"Restore Defaults"},
    {MessageBoxHelp, u"Help"},
    {MessageBoxSaveAll, u"Save All"},
    {MessageBoxNo, u"No"},
    {MessageBoxNoToAll, u"No To All"},
    {MessageBoxYesToAll, u"Yes To All"},
    {MessageBoxAbort, u"Abort"},
    {MessageBoxRetry, u"Retry"},
    {MessageBoxIgnore, u"Ignore"},
};

// The message's icon at the style's message-box size: the smallest standard
// size that is large enough, scaled when none matches.
class MessageIconView : public UIWidget {
public:
    explicit MessageIconView(MessageIcon icon) : icon_(icon) {}

    Size sizeHint() const override {
        int32_t size = iconSize();
        return Size{size, size};
    }

    void paint(UIPainter& painter) override {
        const Image& image = pick();
        if (image.isEmpty()) {
            return;
        }
        int32_t size = iconSize();
        Rect at = alignedRect(rect(), Size{size, size}, AlignHCenter | AlignTop);
        painter.drawImage(image, Rect{0, 0, image.width(), image.height()}, at);
    }

private:
    int32_t iconSize() const {
        if (icon_ == MessageIcon::None) {
            return 0;
        }
        int32_t logical = 32;
        if (const StyleResources* style = currentStyleResources()) {
            logical = std::max(16, style->metric(MetricId::MessageBoxIconSize));
        }
        return px(logical);
    }

    const Image& pick() const {
        static const Image none;
        const StyleResources* style = currentStyleResources();
        if (!style || icon_ == MessageIcon::None) {
            return none;
        }
        const int32_t offset = static_cast<int32_t>(icon_) - 1;
        const StandardImage sizes[] = {
            static_cast<StandardImage>(static_cast<int32_t>(StandardImage::InformationSmall) +
                                       offset),
            static_cast<StandardImage>(static_cast<int32_t>(StandardImage::InformationMedium) +
                                       offset),
            static_cast<StandardImage>(static_cast<int32_t>(StandardImage::InformationBig) +
                                       offset),
        };
        const int32_t wanted = iconSize();
        for (StandardImage id : sizes) {
            const Image& image = style->standardImage(id);
            if (!image.isEmpty() && image.width() >= wanted) {
                return image;
            }
        }
        return style->standardImage(sizes[2]);
    }

    MessageIcon icon_;
};

// The strip under the message that holds the buttons.
class ButtonBar : public UIWidget {
public:
    void paint(UIPainter& painter) override {
        painter.fillRect(rect(), rgb(36, 36, 36));
        painter.fillRect(Rect{0, 0, width(), 1}, rgb(30, 30, 30));
    }
};

} // namespace

std::vector<uint32_t> messageBoxButtons(uint32_t flags) {
    std::vector<uint32_t> shown;
    for (const ButtonName& button : kButtonOrder) {
        if (flags & button.flag) {
            shown.push_back(button.flag);
        }
    }
    return shown;
}

WideString messageBoxButtonText(uint32_t flag) {
    for (const ButtonName& button : kButtonOrder) {
        if (button.flag == flag) {
            return button.text;
        }
    }
    return WideString();
}

uint32_t messageBoxEscapeButton(uint32_t flags) {
    for (uint32_t flag : {MessageBoxCancel, MessageBoxNo, MessageBoxClose, MessageBoxAbort}) {
        if (flags & flag) {
            return flag;
        }
    }
    std::vector<uint32_t> shown = messageBoxButtons(flags);
    return shown.size() == 1 ? shown.front() : 0;
}

UIMessageBox::UIMessageBox(WideString title, WideString text, uint32_t buttons, MessageIcon icon,
                           UIWindow* owner)
    : UIWindow(u"UIMessageBox"), flags_(buttons) {
    setWindowFlags(WindowSystemMenu);
    setOwnerWindow(owner);
    setTitle(std::move(title));

    auto root = std::make_unique<UIBoxLayout>(Direction::Vertical);
    root->setMargins(0);
    root->setSpacing(0);
    UIBoxLayout* body = root->addRow(1);
    body->setMargins(Margins{18, 18, 22, 16});
    body->setSpacing(14);
    if (icon != MessageIcon::None) {
        body->addWidget(add<MessageIconView>(icon), 0, AlignTop | AlignHCenter);
    }
    UIBoxLayout* column = body->addColumn(1);
    column->setSpacing(12);
    text_ = add<UILabel>(std::move(text));
    text_->setWordWrap(true, 380);
    column->addWidget(text_);
    doNotShowAgain_ = add<UICheckBox>(translate(u"Do not show again.", kGroup));
    doNotShowAgain_->hide();
    column->addWidget(doNotShowAgain_);
    column->addStretch();

    auto* bar = add<ButtonBar>();
    auto barLayout = std::make_unique<UIBoxLayout>(Direction::Horizontal);
    barLayout->setMargins(Margins{12, 10, 12, 10});
    barLayout->setSpacing(8);
    barLayout->addStretch();
    for (uint32_t flag : messageBoxButtons(buttons)) {
        auto* button = bar->add<UIButton>(translate(messageBoxButtonText(flag), kGroup));
        button->setProperty(u"minimumSize", u"84,28");
        button->onClicked = [this, flag] { choose(flag); };
        barLayout->addWidget(button);
        buttons_.emplace_back(flag, button);
    }
    bar->setLayout(std::move(barLayout));
    root->addWidget(bar);
    setLayout(std::move(root));

    if (!buttons_.empty()) {
        defaultButton_ = buttons_.front().first;
    }
    setDefaultAction([this] { choose(defaultButton_); });
}

UIButton* UIMessageBox::button(uint32_t flag) const {
    for (const auto& [buttonFlag, button] : buttons_) {
        if (buttonFlag == flag) {
            return button;
        }
    }
    return nullptr;
}

void UIMessageBox::setDoNotShowAgainVisible(bool visible) {
    doNotShowAgain_->setVisible(visible);
}

bool UIMessageBox::doNotShowAgain() const {
    return doNotShowAgain_->isChecked();
}

void UIMessageBox::setDefaultButton(uint32_t flag) {
    if (button(flag)) {
        defaultButton_ = flag;
    }
}

void UIMessageBox::choose(uint32_t flag) {
    result_ = flag;
    hide();
    endModal(static_cast<int>(flag));
}

uint32_t UIMessageBox::run() {
    result_ = messageBoxEscapeButton(flags_);
    layoutNow();
    adjustSize();
    centerOnOwner();
    if (UIButton* first = button(defaultButton_)) {
        setFocusWidget(first);
    }
    exec();
    return result_;
}

bool UIMessageBox::onCloseRequest() {
    result_ = messageBoxEscapeButton(flags_);
    return true;
}

bool UIMessageBox::onEscape() {
    uint32_t escape = messageBoxEscapeButton(flags_);
    if (escape == 0) {
        return false;
    }
    choose(escape);
    return true;
}

bool UIMessageBox::onWindowKey(const KeyEvent& event) {
    if ((event.key != KeyLeft && event.key != KeyRight) || event.modifiers != 0) {
        return false;
    }
    // The arrows move between the buttons, as in the system's message boxes.
    for (size_t i = 0; i < buttons_.size(); ++i) {
        if (buttons_[i].second == focusWidget()) {
            size_t next = event.key == KeyRight ? (i + 1) % buttons_.size()
                                                : (i + buttons_.size() - 1) % buttons_.size();
            setFocusWidget(buttons_[next].second);
            return true;
        }
    }
    return false;
}

void UIMessageBox::onShown(bool shown) {
    if (shown && !focusWidget()) {
        if (UIButton* first = button(defaultButton_)) {
            setFocusWidget(first);
        }
    }
}

uint32_t showMessageBox(UIWindow* owner, WideString title, WideString text, uint32_t buttons,
                        MessageIcon icon) {
    UIMessageBox box(std::move(title), std::move(text), buttons, icon, owner);
    return box.run();
}

} // namespace fw
