#pragma once

#include "GamutImage.h"

#include <QThread>

#include <atomic>
#include <mutex>

class QImage;

// One pre-rendered gamut image per host window type 0–4.
//
// m_pImage is read only after m_bReady was seen set (acquire). The worker
// writes m_pImage itself only while the slot is not ready yet; a ready slot
// may be on screen, so a rebuilt image waits in m_pPending until the GUI
// thread adopts it (AcquireSlotImage). The size is written under the
// worker's lock while a run may read it.
struct SChromaWndBitmap
{
    int m_nType = -1;
    int m_nWidth = 0;
    int m_nHeight = 0;
    QImage* m_pImage = nullptr;
    std::atomic<bool> m_bReady {false};
    std::atomic<QImage*> m_pPending {nullptr};
    // Raised for every change the worker has to build again; a build of an
    // older generation is abandoned between rows.
    std::atomic<int> m_nGeneration {0};
    int m_nBuiltGeneration = 0; // the last generation built, under the worker's lock
};

// Renders the gamut images of window types 0–4 off the GUI thread. A run
// builds every slot; changes made while it runs (a new locus, a new slot size,
// a slot asked for again) are taken up by the same run, so the GUI thread
// never waits for it. RunOver tells the owner to join.
class CChromaGamutThread : public QThread
{
    Q_OBJECT

public:
    explicit CChromaGamutThread(QObject* parent = nullptr);

    // What a run builds from: every slot from this locus.
    void SetJob(const SGamutLocus& sLocus, SChromaWndBitmap* pSlots, int nSlotNum);
    // A run under way builds every slot again from it; the next run uses it anyway.
    void SetLocus(const SGamutLocus& sLocus);
    // These two answer false when no run will take the change up; the caller
    // then builds the slot itself.
    bool SetSlotSize(int nType, int nWidth, int nHeight);
    bool RequestSlot(int nType);
    // Builds slot nType in the calling thread, from the job's locus.
    void BuildSlot(int nType);
    // A change came too late for the run that has just ended.
    bool IsSlotOwed(int nType);

signals:
    void RunOver();

protected:
    void run() override;

private:
    // Under the lock.
    bool OweSlot(int nType);
    // The lowest slot a run still owes, with what to build it from; false when none.
    bool NextSlot(int& nType, int& nGeneration, SGamutImageInput& sInput, SGamutLocus& sLocus);

    // Guards the job and m_bActive; a std::mutex, which thread checkers see through.
    std::mutex m_mutex;
    SGamutLocus m_sLocus;
    SChromaWndBitmap* m_pSlots = nullptr;
    int m_nSlotNum = 0;
    bool m_bActive = false; // a run is taking changes up
};

// quit() and then wait() without a time limit; a null thread is ignored.
void StopGamutThread(QThread* pThread);

// The slot's image when painting may use it, else null: a rebuilt image the
// worker left is adopted first. GUI thread only; never waits.
const QImage* AcquireSlotImage(SChromaWndBitmap& sBitmap);

// Frees the slot's images; the slot is not used again. GUI thread, no worker running.
void ReleaseSlotImages(SChromaWndBitmap& sBitmap);
