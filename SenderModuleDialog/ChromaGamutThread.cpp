#include "ChromaGamutThread.h"

#include "CChromaticityDlgWnd.h"

CChromaGamutThread::CChromaGamutThread(QObject* parent)
    : QThread(parent)
{
}

void CChromaGamutThread::run()
{
    if (m_pChromaWnd) {
        for (int nType = 0; nType < CChromaticityDlgWnd::WND_BITMAP_NUM; ++nType)
            ChromaPaint::GetChromaticityBmp(*m_pChromaWnd, nType);
    }
    emit RunOver();
}

const QImage* AcquireSlotImage(const SChromaWndBitmap& sBitmap, QThread* pWorker, unsigned long ulWaitMs)
{
    if (pWorker && pWorker->isRunning() && !pWorker->wait(ulWaitMs))
        return nullptr;
    // Pairs with the release store after the image was built.
    return sBitmap.m_bReady.load(std::memory_order_acquire) ? sBitmap.m_pImage : nullptr;
}

namespace ChromaPaint {

CChromaGamutThread* CreateGamutThread(CChromaticityDlgWnd& wnd)
{
    CChromaGamutThread* pThread = new CChromaGamutThread(&wnd);
    pThread->SetChromaWnd(&wnd);
    QObject::connect(pThread, &CChromaGamutThread::RunOver, &wnd, &CChromaticityDlgWnd::OnGamutThreadRunOver);
    // A paint that gave up waiting for a slot gets its image on the next frame.
    QObject::connect(pThread, &CChromaGamutThread::RunOver, &wnd, QOverload<>::of(&QWidget::update));
    return pThread;
}

void StopGamutThread(CChromaGamutThread* pThread)
{
    if (!pThread)
        return;
    pThread->quit();
    pThread->wait();
}

} // namespace ChromaPaint
