#pragma once

// QCustomPlot's header uses Qt's bare keywords (signals, slots, emit, foreach), which this program turns
// off (foreach entirely, with QT_NO_FOREACH); include it through this header. Its foreach loops only read
// the container, so a range-for serves them.
#ifndef signals
#define signals Q_SIGNALS
#define ZFN_UNDEF_SIGNALS
#endif
#ifndef slots
#define slots Q_SLOTS
#define ZFN_UNDEF_SLOTS
#endif
#ifndef emit
#define emit Q_EMIT
#define ZFN_UNDEF_EMIT
#endif
#ifndef foreach
#define foreach(declaration, container) for (declaration : container)
#define ZFN_UNDEF_FOREACH
#endif

#include <qcustomplot.h>

#ifdef ZFN_UNDEF_SIGNALS
#undef signals
#undef ZFN_UNDEF_SIGNALS
#endif
#ifdef ZFN_UNDEF_SLOTS
#undef slots
#undef ZFN_UNDEF_SLOTS
#endif
#ifdef ZFN_UNDEF_EMIT
#undef emit
#undef ZFN_UNDEF_EMIT
#endif
#ifdef ZFN_UNDEF_FOREACH
#undef foreach
#undef ZFN_UNDEF_FOREACH
#endif
