#pragma once

#include <sys/resource.h>

#include <csignal>
#include <cstddef>

namespace testhilfe {

/// Runs `tue` while no file of this process may grow beyond `bytes`: writes beyond fail as
/// on a full disk. Returns false when the limit could not be set.
template <typename F>
bool mitDateiGrenze(std::size_t bytes, F&& tue) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit alt{};
    if (getrlimit(RLIMIT_FSIZE, &alt) != 0) return false;
    rlimit knapp = alt;
    knapp.rlim_cur = bytes;
    if (setrlimit(RLIMIT_FSIZE, &knapp) != 0) return false;
    tue();
    setrlimit(RLIMIT_FSIZE, &alt);
    return true;
}

}  // namespace testhilfe
