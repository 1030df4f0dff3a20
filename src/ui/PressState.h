#pragma once
// The pressed state of a clickable control. A press begins with the left mouse
// button or with the Space key and ends only the way it began: a Space press
// is not ended by a stray mouse release, nor a mouse press by a key release.

namespace fw {

class PressState {
public:
    bool down() const { return down_; }
    bool byKey() const { return byKey_; }

    void pressMouse() {
        down_ = true;
        byKey_ = false;
    }
    void pressKey() { down_ = byKey_ = true; }

    // True when this ends a mouse press: the control clicks when the release
    // is over it.
    bool releaseMouse() {
        if (!down_ || byKey_) {
            return false;
        }
        down_ = false;
        return true;
    }
    // True when this ends a Space press: the control clicks.
    bool releaseKey() {
        if (!byKey_) {
            return false;
        }
        down_ = byKey_ = false;
        return true;
    }
    // The window took the mouse away: a mouse press ends without a click.
    // True when the control must repaint.
    bool loseCapture() { return releaseMouse(); }
    // Focus left: a Space press ends without a click.
    bool loseFocus() {
        const bool wasKey = byKey_;
        down_ = byKey_ = false;
        return wasKey;
    }
    void reset() { down_ = byKey_ = false; }

private:
    bool down_ = false;
    bool byKey_ = false;
};

} // namespace fw
