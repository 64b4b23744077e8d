#pragma once

/// @file
/// The chromaticity widget's gamut worker and its bitmap slots.

#include "SenderModuleDialogExport.h"

#include <QThread>

#include <atomic>
#include <memory>
#include <mutex>

class QImage;
struct SGamutLocus;
struct SGamutImageInput;

/// One pre-rendered gamut image per host window type 0–4.
///
/// m_pImage is read only after m_bReady was seen set (acquire). The worker
/// writes m_pImage itself only while the slot is not ready yet; a ready slot
/// may be on screen, so a rebuilt image waits in m_pPending until the GUI
/// thread adopts it. The size is written under the worker's lock while a run
/// may read it.
struct SChromaWndBitmap
{
    /// The window type, 0 to 4, once SetWndData named it; −1 before.
    int m_nType = -1;
    /// Width of the image in pixels.
    int m_nWidth = 0;
    /// Height of the image in pixels.
    int m_nHeight = 0;
    /// The gamut image, owned by the widget; null until first built. Read it only after m_bReady.
    QImage* m_pImage = nullptr;
    /// Set (release) once the first image is complete and stays set; read it with acquire ordering.
    std::atomic<bool> m_bReady {false};
    /// A rebuilt image the worker left for the GUI thread to adopt; null when none.
    std::atomic<QImage*> m_pPending {nullptr};
    /// Raised for every change the worker has to build again; a build of an older generation
    /// is abandoned between rows.
    std::atomic<int> m_nGeneration {0};
    /// The last generation built, under the worker's lock.
    int m_nBuiltGeneration = 0;
};

/// Renders the gamut images of window types 0–4 off the GUI thread.
///
/// The chromaticity widget creates it as its child and gives it its job; the
/// host starts it (CChromaticityDlgWnd::GamutThread()->start()). A run builds
/// every slot and publishes each through its ready flag; changes made while it
/// runs (a new locus, a new slot size, a slot asked for again) are taken up by
/// the same run, so the GUI thread never waits for it. RunOver tells the widget
/// to join it.
class SENDERMODULEDIALOG_EXPORT CChromaGamutThread : public QThread
{
    Q_OBJECT

public:
    /// A worker with nothing to build; a run only emits RunOver.
    explicit CChromaGamutThread(QObject* parent = nullptr);
    /// The thread must have stopped (the widget stops it first).
    ~CChromaGamutThread() override;

    /// What a run builds from: nSlotNum slots from pSlots, each at its own size, from this locus.
    void SetJob(const SGamutLocus& sLocus, SChromaWndBitmap* pSlots, int nSlotNum);
    /// A new locus: a run under way builds every slot again from it; the next run uses it anyway.
    void SetLocus(const SGamutLocus& sLocus);
    /// Resizes slot nType (pixels); true when a run will build it, false when the caller must.
    bool SetSlotSize(int nType, int nWidth, int nHeight);
    /// Asks for slot nType again; true when a run will build it, false when the caller must.
    bool RequestSlot(int nType);
    /// Builds slot nType in the calling thread, from the job's locus.
    void BuildSlot(int nType);
    /// True when a change to slot nType came too late for the run that has just ended.
    bool IsSlotOwed(int nType);

signals:
    /// Emitted from the worker thread when a run has built every slot it owed.
    void RunOver();

protected:
    /// Builds every owed slot, lowest window type first, then emits RunOver; stops between rows
    /// when interruption is requested.
    void run() override;

private:
    // Under the lock.
    bool OweSlot(int nType);
    // The lowest slot a run still owes, with what to build it from; false when none.
    bool NextSlot(int& nType, int& nGeneration, SGamutImageInput& sInput, SGamutLocus& sLocus);

    // Guards the job and m_bActive; a std::mutex, which thread checkers see through.
    std::mutex m_mutex;
    std::unique_ptr<SGamutLocus> m_pLocus;
    SChromaWndBitmap* m_pSlots = nullptr;
    int m_nSlotNum = 0;
    bool m_bActive = false; // a run is taking changes up
};
