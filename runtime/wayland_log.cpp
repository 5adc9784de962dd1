// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/wayland_log.h"

#include <dlfcn.h>

#include <cstdarg>
#include <cstdlib>

namespace rt {

void quietWaylandWithoutRuntimeDir() {
    const char* dir = std::getenv("XDG_RUNTIME_DIR");
    if (dir && dir[0] == '/') return;
    // Left loaded: the handler must outlive SDL's use of the library.
    void* lib = dlopen("libwayland-client.so.0", RTLD_LAZY | RTLD_LOCAL);
    if (!lib) return;
    using Handler = void (*)(const char*, va_list);
    auto setHandler = reinterpret_cast<void (*)(Handler)>(dlsym(lib, "wl_log_set_handler_client"));
    if (setHandler) setHandler([](const char*, va_list) {});
}

}  // namespace rt
