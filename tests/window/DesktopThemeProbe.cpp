// Prints what the desktop theme lookup answers and how long it took, for
// desktop_theme_test.sh to judge: "answer=<dark|light|> ms=<elapsed>".
#include <chrono>
#include <cstdio>

#include "platform/backend/sdl/DesktopTheme.h"

int main() {
    const auto start = std::chrono::steady_clock::now();
    const std::string answer = vcl::DesktopThemePreference();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::printf("answer=%s ms=%lld\n", answer.c_str(), static_cast<long long>(ms.count()));
    return 0;
}
