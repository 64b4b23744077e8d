#pragma once

#include <QtGlobal>

#if defined(OSTRACONTROL_LIBRARY)
#define OSTRACONTROL_EXPORT Q_DECL_EXPORT
#else
#define OSTRACONTROL_EXPORT Q_DECL_IMPORT
#endif
