// The gallery: shows the package page by page.
#include <cstdio>

int main() {
    std::printf("zynguipack gallery 0.1.0 - the pages come with the window backend\n");
    return 0;
}
