#include "ChromaGamutThread.h"
#include "GamutSlots.h"

#include <QImage>

namespace {

// The worker's hand-over: straight into a slot nobody reads yet, else beside it.
void Publish(SChromaWndBitmap& sBitmap, QImage* pImage)
{
    if (!sBitmap.m_bReady.load(std::memory_order_acquire)) {
        sBitmap.m_pImage = pImage;
        sBitmap.m_bReady.store(true, std::memory_order_release);
        return;
    }
    delete sBitmap.m_pPending.exchange(pImage, std::memory_order_acq_rel);
}

} // namespace

CChromaGamutThread::CChromaGamutThread(QObject* parent)
    : QThread(parent)
    , m_pLocus(std::make_unique<SGamutLocus>())
{
}

CChromaGamutThread::~CChromaGamutThread() = default;

void CChromaGamutThread::SetJob(const SGamutLocus& sLocus, SChromaWndBitmap* pSlots, int nSlotNum)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    *m_pLocus = sLocus;
    m_pSlots = pSlots;
    m_nSlotNum = nSlotNum;
}

void CChromaGamutThread::SetLocus(const SGamutLocus& sLocus)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    *m_pLocus = sLocus;
    for (int nType = 0; m_bActive && nType < m_nSlotNum; ++nType)
        m_pSlots[nType].m_nGeneration.fetch_add(1, std::memory_order_relaxed);
}

bool CChromaGamutThread::SetSlotSize(int nType, int nWidth, int nHeight)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pSlots[nType].m_nWidth = nWidth;
    m_pSlots[nType].m_nHeight = nHeight;
    return OweSlot(nType);
}

bool CChromaGamutThread::RequestSlot(int nType)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return OweSlot(nType);
}

bool CChromaGamutThread::OweSlot(int nType)
{
    // Started but not yet in run(): the run owes every slot anyway. Past its
    // last look at the slots: the owner builds what is still owed on RunOver.
    if (!m_bActive && !isRunning())
        return false;
    m_pSlots[nType].m_nGeneration.fetch_add(1, std::memory_order_relaxed);
    return true;
}

bool CChromaGamutThread::IsSlotOwed(int nType)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const SChromaWndBitmap& sBitmap = m_pSlots[nType];
    return sBitmap.m_nGeneration.load(std::memory_order_relaxed) != sBitmap.m_nBuiltGeneration;
}

void CChromaGamutThread::BuildSlot(int nType)
{
    SGamutLocus sLocus;
    SGamutImageInput sInput;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        sLocus = *m_pLocus;
        sInput = sLocus.Input(m_pSlots[nType].m_nWidth, m_pSlots[nType].m_nHeight);
    }
    QImage* pImage = new QImage(BuildGamutImage(sInput));
    std::lock_guard<std::mutex> lock(m_mutex);
    SChromaWndBitmap& sBitmap = m_pSlots[nType];
    sBitmap.m_nBuiltGeneration = sBitmap.m_nGeneration.load(std::memory_order_relaxed);
    if (!sBitmap.m_bReady.load(std::memory_order_acquire)) {
        Publish(sBitmap, pImage);
        return;
    }
    AcquireSlotImage(sBitmap); // any pending image is older than this one
    delete sBitmap.m_pImage;
    sBitmap.m_pImage = pImage;
}

bool CChromaGamutThread::NextSlot(int& nType, int& nGeneration, SGamutImageInput& sInput, SGamutLocus& sLocus)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (nType = 0; nType < m_nSlotNum; ++nType) {
        SChromaWndBitmap& sBitmap = m_pSlots[nType];
        nGeneration = sBitmap.m_nGeneration.load(std::memory_order_relaxed);
        if (nGeneration == sBitmap.m_nBuiltGeneration)
            continue;
        sLocus = *m_pLocus;
        sInput = sLocus.Input(sBitmap.m_nWidth, sBitmap.m_nHeight);
        return true;
    }
    // Decided under the lock: a change after this is built by its caller.
    m_bActive = false;
    return false;
}

void CChromaGamutThread::run()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bActive = true;
        // A run owes every slot.
        for (int nType = 0; nType < m_nSlotNum; ++nType)
            m_pSlots[nType].m_nGeneration.fetch_add(1, std::memory_order_relaxed);
    }
    int nType = 0, nGeneration = 0;
    SGamutImageInput sInput;
    SGamutLocus sLocus;
    while (NextSlot(nType, nGeneration, sInput, sLocus)) {
        SChromaWndBitmap& sBitmap = m_pSlots[nType];
        const auto fnCancelled = [this, &sBitmap, nGeneration] {
            return isInterruptionRequested()
                || sBitmap.m_nGeneration.load(std::memory_order_relaxed) != nGeneration;
        };
        // One thread: the other cores stay with the GUI thread, which may be painting.
        QImage image = BuildGamutImage(sInput, 1, fnCancelled);
        if (isInterruptionRequested()) {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_bActive = false;
            return;
        }
        std::lock_guard<std::mutex> lock(m_mutex);
        // Abandoned or outdated meanwhile: the next pass builds it again.
        if (sBitmap.m_nGeneration.load(std::memory_order_relaxed) != nGeneration)
            continue;
        sBitmap.m_nBuiltGeneration = nGeneration;
        Publish(sBitmap, new QImage(std::move(image)));
    }
    emit RunOver();
}

void StopGamutThread(QThread* pThread)
{
    if (!pThread)
        return;
    pThread->quit();
    pThread->wait();
}

const QImage* AcquireSlotImage(SChromaWndBitmap& sBitmap)
{
    // Pairs with the release store after the image was built.
    if (!sBitmap.m_bReady.load(std::memory_order_acquire))
        return nullptr;
    if (QImage* pNew = sBitmap.m_pPending.exchange(nullptr, std::memory_order_acq_rel)) {
        delete sBitmap.m_pImage;
        sBitmap.m_pImage = pNew;
    }
    return sBitmap.m_pImage;
}

void ReleaseSlotImages(SChromaWndBitmap& sBitmap)
{
    AcquireSlotImage(sBitmap); // also orders this after the worker's writes
    delete sBitmap.m_pImage;
}
