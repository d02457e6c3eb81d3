#include "app/FontConfigPreload.h"

#include <dlfcn.h>

void CFontConfigPreload::Start()
{
    if (m_thread.joinable())
        return;
    // RTLD_NOLOAD: only the fontconfig the GUI library brought in; this is
    // an optimisation and must never load anything of its own.
    void *library = dlopen("libfontconfig.so.1", RTLD_LAZY | RTLD_NOLOAD);
    if (!library)
        return;
    using InitFunction = int (*)();
    auto init = reinterpret_cast<InitFunction>(dlsym(library, "FcInit"));
    if (!init) {
        dlclose(library);
        return;
    }
    // FcInit publishes the configuration atomically: a concurrent caller
    // either finds it or loads its own, never a half-made one.
    m_thread = std::thread([library, init] {
        init();
        dlclose(library);
    });
}

void CFontConfigPreload::Wait()
{
    if (m_thread.joinable())
        m_thread.join();
}
