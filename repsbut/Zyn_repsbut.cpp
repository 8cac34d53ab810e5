// The repeating speed button: a press starts the timer at the start interval, its first
// tick switches to the repeat interval, every tick fires OnRepeatClick, and a release or
// the pointer leaving the button stops it.
#include "repsbut/Zyn_repsbut.h"

#include <algorithm>

namespace zyn {

using namespace vcl;

TRepSpeedButton::TRepSpeedButton(TComponent* AOwner)
    : TSpeedButton(AOwner), FTimer(std::make_unique<TComponentTimer>(this, [this] { DoTimer(); })) {
    SetKeyboardFocusable(true);
}

// The timer window goes first (ending the timer), then the speed button.
TRepSpeedButton::~TRepSpeedButton() { FTimer.reset(); }

// ---- properties ----------------------------------------------------------------------------

void TRepSpeedButton::SetStartClickInterval(int Value) {
    Value = std::max(Value, MinClickInterval);
    if (FStartClickInterval == Value) return;
    FStartClickInterval = Value;
    if (!Designing()) StartPhase();
}

void TRepSpeedButton::SetRepeatClickInterval(int Value) {
    Value = std::max(Value, MinClickInterval);
    if (FRepeatClickInterval == Value) return;
    FRepeatClickInterval = Value;
    if (!Designing()) RepeatPhase();
}

void TRepSpeedButton::SetOnRepeatClick(TNotifyEvent Value) {
    FOnRepeatClick = std::move(Value);
    if (!Designing()) RepeatPhase();
}

// ---- timer ---------------------------------------------------------------------------------

// Both phases kill the timer first; it runs again only while the left button is held.
void TRepSpeedButton::StartPhase() {
    FStartPhase = true;
    FTimer->Restart<EZynRepSpeedButton>(FStartClickInterval, FTimerEnabled);
}

void TRepSpeedButton::RepeatPhase() {
    FStartPhase = false;
    FTimer->Restart<EZynRepSpeedButton>(FRepeatClickInterval, FTimerEnabled);
}

void TRepSpeedButton::StopRepeating() {
    FTimerEnabled = false;
    FTimer->Stop();
}

void TRepSpeedButton::DoTimer() {
    if (FStartPhase) RepeatPhase();
    RepeatClickEvent(this);
    if (FOnRepeatClick) FOnRepeatClick(this);
}

void TRepSpeedButton::RepeatClickEvent(TObject* Sender) { (void)Sender; }

// ---- mouse ---------------------------------------------------------------------------------

void TRepSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TSpeedButton::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    FTimerEnabled = true;
    StartPhase();
}

void TRepSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TSpeedButton::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    StopRepeating();
}

// Leaving the button while it is held ends the press, as a release would: the repeats stop
// at once and the button is drawn up. A pointer that comes back while the mouse button is
// still held finds it up, and letting go then is no click: the press ended at the edge.
// (A release at the border is no click either; only one over the button clicks.)
void TRepSpeedButton::CMMouseLeave(TMessage& Message) {
    TSpeedButton::CMMouseLeave(Message);
    if (!FTimerEnabled && !FDragging) return;
    StopRepeating();
    if (FDragging) {
        FDragging = false;
        FState = GetDown() ? bsExclusive : bsUp;
        Invalidate();
    }
}

// ---- keyboard ------------------------------------------------------------------------------

void TRepSpeedButton::KeyDown(WORD& Key, TShiftState Shift) {
    TSpeedButton::KeyDown(Key, Shift);
    if (Key != VK_SPACE) return;
    Key = 0;
    if (FSpaceDown || FDragging || !GetEnabled()) return;   // auto-repeat, or the mouse holds it
    FSpaceDown = true;
    if (!GetDown()) {
        FState = bsDown;
        Invalidate();
    }
    FTimerEnabled = true;
    StartPhase();
}

void TRepSpeedButton::KeyUp(WORD& Key, TShiftState Shift) {
    TSpeedButton::KeyUp(Key, Shift);
    if (Key != VK_SPACE || !FSpaceDown) return;
    Key = 0;
    EndSpacePress(true);
}

void TRepSpeedButton::EndSpacePress(bool DoClick) {
    FSpaceDown = false;
    StopRepeating();
    if (GetGroupIndex() != 0 && DoClick) {
        SetDown(!GetDown());
        if (!GetDown() && FState != bsUp) FState = bsExclusive;   // the last of its group stays down
    } else {
        FState = GetDown() ? bsExclusive : bsUp;
    }
    Invalidate();
    if (DoClick) Click();
}

void TRepSpeedButton::DoExit() {
    if (FSpaceDown) EndSpacePress(false);
    TSpeedButton::DoExit();
}

void TRepSpeedButton::Paint() {
    TSpeedButton::Paint();
    DrawFocusCue(GetCanvas(), Rect(3, 3, GetWidth() - 3, GetHeight() - 3));
}

}  // namespace zyn
