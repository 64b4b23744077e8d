#pragma once

#if defined(KIVODATA_LIBRARY)
#define KIVODATA_EXPORT __attribute__((visibility("default")))
#else
#define KIVODATA_EXPORT
#endif
