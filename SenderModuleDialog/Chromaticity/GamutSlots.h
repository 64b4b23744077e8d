#pragma once

#include "ChromaGamutThread.h"
#include "GamutImage.h"

// Builds the slot's image at its size and publishes it.
void BuildSlotImage(SChromaWndBitmap& sBitmap, const SGamutLocus& sLocus);

// quit() and then wait() without a time limit; a null thread is ignored.
void StopGamutThread(QThread* pThread);

// How long a paint waits for a running worker before it draws the frame
// without that slot's image; the worker's RunOver repaints once it is done.
constexpr unsigned long g_ulSlotWaitMs = 40;

// The slot's image when painting may use it, else null. While pWorker runs it
// may be rewriting any slot, so the paint waits at most nWaitMs for it and then
// gives up for this frame rather than block the GUI thread.
const QImage* AcquireSlotImage(const SChromaWndBitmap& sBitmap, QThread* pWorker, unsigned long ulWaitMs);
