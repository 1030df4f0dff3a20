#pragma once
// The main window's widgets and their arrangement, from top to bottom: the
// capture panel (modes, quick options, the capture button and the four small
// buttons), the operations on the current screenshot, the screenshot list,
// and the bottom panel (count, delete all, zoom, output folder). The window
// only lays them out and keeps their fixed texts; MainWindowController gives
// them their behaviour.
#include "capture/Image.h"
#include "ui/UIWindow.h"

#include <functional>
#include <map>
#include <memory>

namespace fw {

class Skin;
class UIButton;
class UILabel;
class UIList;
class UIModes;
class UISlider;
class UIToolBar;
class UIToolButton;

struct MainWindowControls {
    UIButton* stayOnTop = nullptr;
    UIButton* options = nullptr;
    UIButton* homePage = nullptr;
    UIButton* about = nullptr;
    UIModes* modes = nullptr;
    UIButton* modeOptions = nullptr;
    UIButton* cursorToggle = nullptr;
    UIButton* clipboardToggle = nullptr;
    UIButton* formatToggle = nullptr;
    UIButton* soundToggle = nullptr;
    UIButton* capture = nullptr;
    UIToolBar* operations = nullptr;
    UIToolButton* saveAs = nullptr;
    UIToolButton* copy = nullptr;
    UIToolButton* editor = nullptr;
    UIToolButton* remove = nullptr;
    UIList* list = nullptr;
    UILabel* count = nullptr;
    UIButton* deleteAll = nullptr;
    UIButton* zoomSmall = nullptr;
    UISlider* zoom = nullptr;
    UIButton* zoomBig = nullptr;
    UIButton* openFolder = nullptr;
};

// The zoom of the list: 0 .. 84 in steps of 5.
constexpr int32_t kMaxListZoom = 84;
constexpr int32_t kListZoomStep = 5;

class MainWindow : public UIWindow {
public:
    MainWindow();
    ~MainWindow() override;

    const MainWindowControls& controls() const { return controls_; }
    // The tooltips and labels that do not depend on the program's state.
    void retranslate() override;
    // A picture of the program by name, decoded once: the toggles show their
    // pictures again at every click.
    Image picture(WideStringView name);
    // The client size a first start opens with.
    Size defaultClientSize() const;

    // The close box, Alt+F4: true lets the window hide.
    std::function<bool()> onCloseRequested;
    // Keys the focused control did not use: true when handled.
    std::function<bool(const KeyEvent&)> onUnusedKey;

    Size minimumSizeHint() const override;
    bool onKeyPress(const KeyEvent& event) override;

protected:
    bool onCloseRequest() override;

private:
    void buildCapturePanel(UIWidget& panel);
    void buildTopButtons(UIWidget& panel);
    void buildOperations();
    void buildList();
    void buildBottomPanel();

    MainWindowControls controls_;
    std::map<WideString, Image, std::less<>> pictures_;
    // The operations bar's background, made from a picture of the program.
    std::unique_ptr<Skin> operationsBackground_;
};

} // namespace fw
