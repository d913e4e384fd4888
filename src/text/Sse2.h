// Whether the sixteen-byte searches are built. The x86 build is made for processors without
// SSE2 and takes the byte-at-a-time versions; IMPORTER_PLAIN_BYTES makes any build take them, so
// that native tests cover them too.
#pragma once

#if defined(__SSE2__) && (defined(__GNUC__) || defined(__clang__)) && !defined(IMPORTER_PLAIN_BYTES)
#define IMPORTER_SSE2 1
#include <emmintrin.h>
#else
#define IMPORTER_SSE2 0
#endif
