#pragma once

#include <thread>

// Loads the system's font configuration on a thread of its own. Reading fontconfig's files is
// the longest single task before the window's first text can be laid out; started first thing,
// it runs while the application connects to the display and builds its style. The first text
// finds the configuration loaded; a program that never waits loses nothing but the thread.
class FontConfigPreload {
public:
    FontConfigPreload();
    ~FontConfigPreload();
    FontConfigPreload(const FontConfigPreload&) = delete;
    FontConfigPreload& operator=(const FontConfigPreload&) = delete;

    // Returns once the configuration is loaded (at once if it already is).
    void wait();

private:
    std::thread thread_;
};
