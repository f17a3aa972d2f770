// A service the program uses through one function and a test (or the command line) may
// replace: the default one unless another is installed. The installed pointer is atomic, so a
// worker thread may read it; install before any use starts.
#pragma once

#include <atomic>

namespace qelvo {

template <class Service>
class Replaceable {
public:
    // The installed service, or `fallback` when none is.
    Service& get(Service& fallback) const
    {
        Service* installed = installed_.load();
        return installed ? *installed : fallback;
    }

    // Installs `service` (not owned; null restores the fallback) and returns the one it
    // replaces (null for the fallback).
    Service* install(Service* service) { return installed_.exchange(service); }

private:
    std::atomic<Service*> installed_{nullptr};
};

}  // namespace qelvo
