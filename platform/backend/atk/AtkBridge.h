// The bridge from the accessibility model to the desktop's accessibility service on Linux:
// ATK objects that stand for the model's objects, handed to the at-spi2-atk bridge.
//
// The window backend starts it once (StartIfWanted) and, while it runs, gives GLib's
// default main context a turn from its event loop (Pump), through which the service's
// requests arrive. Off, it costs the loop one test of a flag.
#pragma once

namespace vcl::atkbridge {

namespace detail {
extern bool running;
bool Iterate();
bool WaitAndIterate(int TimeoutMs);
}  // namespace detail

// Starts the bridge when ZYN_ACCESSIBILITY=1, or when the session has an accessibility bus
// (AT_SPI_BUS set, or org.a11y.Bus owned on the session bus) and ZYN_ACCESSIBILITY is not
// 0. Returns whether it runs; later calls only answer.
bool StartIfWanted();

// Leaves the service (the window backend ends); StartIfWanted does not start it again.
void Stop();

inline bool Running() { return detail::running; }

// Lets the bridge answer pending requests; nothing when it is off. True when it handled
// one (which may have changed a control: the loop should repaint).
inline bool Pump() { return detail::running && detail::Iterate(); }

// While the bridge runs: waits up to TimeoutMs for a request of the service and answers
// it (true), so that a tool's calls are answered as they come rather than after the
// loop's nap. Off: false at once, the caller naps as before.
inline bool Wait(int TimeoutMs) { return detail::running && detail::WaitAndIterate(TimeoutMs); }

}  // namespace vcl::atkbridge
