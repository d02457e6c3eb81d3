#pragma once

#include <thread>

// Reading the system's font configuration (fontconfig parses a few dozen XML
// files) is the largest single piece of work in starting a Qt program on
// Linux, and Qt does it on the main thread at the first text it measures.
// Meanwhile QApplication spends most of its construction waiting for the
// display server. This starts the configuration loading on a second thread
// at the top of main, so that the two overlap; Qt's own initialisation then
// finds the configuration loaded.
//
// Only a fontconfig that the process has already loaded (through Qt's GUI
// library) is used; without one, Start() does nothing.
class CFontConfigPreload
{
public:
    CFontConfigPreload() = default;
    ~CFontConfigPreload() { Wait(); }
    CFontConfigPreload(const CFontConfigPreload &) = delete;
    CFontConfigPreload &operator=(const CFontConfigPreload &) = delete;

    void Start();
    // Returns once the loading is over. Call it before the first text is
    // measured: fontconfig would otherwise load a second copy alongside.
    void Wait();

private:
    std::thread m_thread;
};
