#pragma once

#include "ChromaGamutThread.h"
#include "GamutImage.h"

// quit() and then wait() without a time limit; a null thread is ignored.
void StopGamutThread(QThread* pThread);

// The slot's image when painting may use it, else null: a rebuilt image the
// worker left is adopted first. GUI thread only; never waits.
const QImage* AcquireSlotImage(SChromaWndBitmap& sBitmap);

// Frees the slot's images; the slot is not used again. GUI thread, no worker running.
void ReleaseSlotImages(SChromaWndBitmap& sBitmap);
