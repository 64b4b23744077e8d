#pragma once

#if defined(HARDWARESUPPORT_LIBRARY)
#define HARDWARESUPPORT_EXPORT __attribute__((visibility("default")))
#else
#define HARDWARESUPPORT_EXPORT
#endif
