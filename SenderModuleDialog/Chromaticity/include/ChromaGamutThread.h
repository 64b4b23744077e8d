#pragma once

#include "SenderModuleDialogExport.h"

#include <QThread>

#include <atomic>
#include <memory>

class QImage;
struct SGamutLocus;

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

// Renders the gamut images of window types 0–4 off the GUI thread. Each slot
// is published through its ready flag; RunOver tells the owner to join.
class SENDERMODULEDIALOG_EXPORT CChromaGamutThread : public QThread
{
    Q_OBJECT

public:
    explicit CChromaGamutThread(QObject* parent = nullptr);
    ~CChromaGamutThread() override;

    // What a run builds: every slot from this locus. Not while running.
    void SetJob(const SGamutLocus& sLocus, SChromaWndBitmap* pSlots, int nSlotNum);

signals:
    void RunOver();

protected:
    void run() override;

private:
    std::unique_ptr<SGamutLocus> m_pLocus;
    SChromaWndBitmap* m_pSlots = nullptr;
    int m_nSlotNum = 0;
};
