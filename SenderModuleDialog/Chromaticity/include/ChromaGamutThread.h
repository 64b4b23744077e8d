#pragma once

/// @file
/// The chromaticity widget's gamut worker and its bitmap slots.

#include "SenderModuleDialogExport.h"

#include <QThread>

#include <atomic>
#include <memory>

class QImage;
struct SGamutLocus;

/// One pre-rendered gamut image per host window type 0–4. The worker thread
/// writes the image and then publishes it through m_bReady.
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
    /// Set (release) once the image is complete and stays set; read it with acquire ordering.
    std::atomic<bool> m_bReady {false};
};

/// Renders the gamut images of window types 0–4 off the GUI thread.
///
/// The chromaticity widget creates it as its child and gives it its job; the
/// host starts it (CChromaticityDlgWnd::GamutThread()->start()). Each slot is
/// published through its ready flag; RunOver tells the widget to join it.
class SENDERMODULEDIALOG_EXPORT CChromaGamutThread : public QThread
{
    Q_OBJECT

public:
    /// A worker with nothing to build; a run only emits RunOver.
    explicit CChromaGamutThread(QObject* parent = nullptr);
    /// The thread must have stopped (the widget stops it first).
    ~CChromaGamutThread() override;

    /// What a run builds: nSlotNum slots from pSlots, each at its own size, from this locus
    /// (the widget's, set by the widget). Not while running.
    void SetJob(const SGamutLocus& sLocus, SChromaWndBitmap* pSlots, int nSlotNum);

signals:
    /// Emitted from the worker thread when every slot of a run is built.
    void RunOver();

protected:
    /// Builds every slot in order and emits RunOver.
    void run() override;

private:
    std::unique_ptr<SGamutLocus> m_pLocus;
    SChromaWndBitmap* m_pSlots = nullptr;
    int m_nSlotNum = 0;
};
