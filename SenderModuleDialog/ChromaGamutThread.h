#pragma once

#include <QThread>

class CChromaticityDlgWnd;
class QImage;
struct SChromaWndBitmap;

// Renders the gamut images of window types 0–4 off the GUI thread. Each slot
// is published through its ready flag; RunOver tells the widget to join.
class CChromaGamutThread : public QThread
{
    Q_OBJECT

public:
    explicit CChromaGamutThread(QObject* parent = nullptr);

    void SetChromaWnd(CChromaticityDlgWnd* pChromaWnd) { m_pChromaWnd = pChromaWnd; }

signals:
    void RunOver();

protected:
    void run() override;

private:
    CChromaticityDlgWnd* m_pChromaWnd = nullptr;
};

// How long a paint waits for a running worker before it draws the frame
// without that slot's image; the worker's RunOver repaints once it is done.
constexpr unsigned long g_ulSlotWaitMs = 40;

// The slot's image when painting may use it, else null. While pWorker runs it
// may be rewriting any slot, so the paint waits at most nWaitMs for it and then
// gives up for this frame rather than block the GUI thread.
const QImage* AcquireSlotImage(const SChromaWndBitmap& sBitmap, QThread* pWorker, unsigned long ulWaitMs);
