#include "ChromaGamutThread.h"
#include "GamutSlots.h"

#include <QImage>

void BuildSlotImage(SChromaWndBitmap& sBitmap, const SGamutLocus& sLocus)
{
    QImage* pImage = new QImage(BuildGamutImage(sLocus.Input(sBitmap.m_nWidth, sBitmap.m_nHeight)));
    delete sBitmap.m_pImage;
    sBitmap.m_pImage = pImage;
    sBitmap.m_bReady.store(true, std::memory_order_release);
}

CChromaGamutThread::CChromaGamutThread(QObject* parent)
    : QThread(parent)
    , m_pLocus(std::make_unique<SGamutLocus>())
{
}

CChromaGamutThread::~CChromaGamutThread() = default;

void CChromaGamutThread::SetJob(const SGamutLocus& sLocus, SChromaWndBitmap* pSlots, int nSlotNum)
{
    *m_pLocus = sLocus;
    m_pSlots = pSlots;
    m_nSlotNum = nSlotNum;
}

void CChromaGamutThread::run()
{
    for (int nType = 0; nType < m_nSlotNum; ++nType)
        BuildSlotImage(m_pSlots[nType], *m_pLocus);
    emit RunOver();
}

void StopGamutThread(QThread* pThread)
{
    if (!pThread)
        return;
    pThread->quit();
    pThread->wait();
}

const QImage* AcquireSlotImage(const SChromaWndBitmap& sBitmap, QThread* pWorker, unsigned long ulWaitMs)
{
    if (pWorker && pWorker->isRunning() && !pWorker->wait(ulWaitMs))
        return nullptr;
    // Pairs with the release store after the image was built.
    return sBitmap.m_bReady.load(std::memory_order_acquire) ? sBitmap.m_pImage : nullptr;
}
