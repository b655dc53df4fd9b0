// The tests' entry: Allegro's neutral system driver gives memory bitmaps
// and key[] without a window.
#include <allegro.h>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) return 2;
    set_color_depth(16);
    return RUN_ALL_TESTS();
}
