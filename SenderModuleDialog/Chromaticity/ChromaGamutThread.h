#pragma once

#include "GamutImage.h"

#include <QThread>

#include <atomic>

class QImage;

// One pre-rendered gamut image per host window type 0–4. The worker thread
// writes the image and then publishes it through m_bReady.
struct SChromaWndBitmap
{
    int m_nType = -1;
    int m_nWidth = 0;
    int m_nHeight = 0;
    QImage* m_pImage = nullptr;
    std::atomic<bool> m_bReady {false};
};

// Builds the slot's image at its size and publishes it.
void BuildSlotImage(SChromaWndBitmap& sBitmap, const SGamutLocus& sLocus);

// Renders the gamut images of window types 0–4 off the GUI thread. Each slot
// is published through its ready flag; RunOver tells the owner to join.
class CChromaGamutThread : public QThread
{
    Q_OBJECT

public:
    explicit CChromaGamutThread(QObject* parent = nullptr);

    // What a run builds: every slot from this locus. Not while running.
    void SetJob(const SGamutLocus& sLocus, SChromaWndBitmap* pSlots, int nSlotNum);

signals:
    void RunOver();

protected:
    void run() override;

private:
    SGamutLocus m_sLocus;
    SChromaWndBitmap* m_pSlots = nullptr;
    int m_nSlotNum = 0;
};

// quit() and then wait() without a time limit; a null thread is ignored.
void StopGamutThread(QThread* pThread);

// How long a paint waits for a running worker before it draws the frame
// without that slot's image; the worker's RunOver repaints once it is done.
constexpr unsigned long g_ulSlotWaitMs = 40;

// The slot's image when painting may use it, else null. While pWorker runs it
// may be rewriting any slot, so the paint waits at most nWaitMs for it and then
// gives up for this frame rather than block the GUI thread.
const QImage* AcquireSlotImage(const SChromaWndBitmap& sBitmap, QThread* pWorker, unsigned long ulWaitMs);
