#pragma once

// Hot loops over the cell arrays get a second, wider-vector build that the loader picks on
// processors that have it; other processors run the baseline build.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define MORLIX_VEKTOR __attribute__((target_clones("avx2", "default")))
#else
#define MORLIX_VEKTOR
#endif
