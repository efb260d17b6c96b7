// SPDX-License-Identifier: MIT
#pragma once

#include <QtCore/qglobal.h>

// Symbols a host may use carry NOTIVA_EXPORT; everything else stays hidden in libnotiva.so.
#if defined(NOTIVA_BUILDING_LIBRARY)
#define NOTIVA_EXPORT Q_DECL_EXPORT
#else
#define NOTIVA_EXPORT Q_DECL_IMPORT
#endif
