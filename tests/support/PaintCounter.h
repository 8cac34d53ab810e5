// Counts the paints of one control from the moment the counter is made (or last reset):
// framework paint passes exactly, and a component's direct Paint() calls through its
// canvas. platform/controls/base/PaintCount.h says how, and what the count cannot see.
//
//   PaintCounter paints(meter);
//   meter->SetValue(meter->GetValue());
//   EXPECT_EQ(paints.Take(), 0);        // the same value: no repaint
//   meter->SetValue(0.7);
//   EXPECT_EQ(paints.Take(), 1);
#pragma once

#include "platform/Controls.h"
#include "platform/Testing.h"

namespace zyn_test {

class PaintCounter {
public:
    explicit PaintCounter(const vcl::TControl* Control)
        : control_(Control), start_(vcl::Testing::PaintCount(Control)) {}

    // Paints since the start.
    int Count() const { return vcl::Testing::PaintCount(control_) - start_; }
    // Starts again from now.
    void Reset() { start_ = vcl::Testing::PaintCount(control_); }
    // Paints since the start, and starts again.
    int Take() {
        int now = vcl::Testing::PaintCount(control_);
        int n = now - start_;
        start_ = now;
        return n;
    }

private:
    const vcl::TControl* control_;
    int start_;
};

}  // namespace zyn_test
