#pragma once

#if defined(SENDERMODULEDIALOG_STATIC)
#define SENDERMODULEDIALOG_EXPORT
#elif defined(SENDERMODULEDIALOG_LIBRARY)
#define SENDERMODULEDIALOG_EXPORT __attribute__((visibility("default")))
#else
#define SENDERMODULEDIALOG_EXPORT
#endif
