#include "Sender.h"

#include "HostCallLog.h"

#include <algorithm>

SVideoInputState* SSenderDeviceState::FindInput(int nInputId)
{
    auto it = std::find_if(vecInputs.begin(), vecInputs.end(),
        [nInputId](const SVideoInputState& input) { return input.nId == nInputId; });
    return it == vecInputs.end() ? nullptr : &*it;
}

const SVideoInputState* SSenderDeviceState::FindInput(int nInputId) const
{
    return const_cast<SSenderDeviceState*>(this)->FindInput(nInputId);
}

void CSender::SetOutputPortCount(int nCount)
{
    CHostCallLog::Instance().Record("CSender::SetOutputPortCount", {nCount});
    m_nOutputPortCount = nCount;
}

void CSender::SetFrameRate(int nRate)
{
    CHostCallLog::Instance().Record("CSender::SetFrameRate", {nRate});
    m_nFrameRate = nRate;
}

void CSender::SetColorDepth(int nDepth)
{
    CHostCallLog::Instance().Record("CSender::SetColorDepth", {nDepth});
    m_nColorDepth = nDepth;
}

void CSender::SetCanvasSize(const QSize& size)
{
    CHostCallLog::Instance().Record("CSender::SetCanvasSize", {size.width(), size.height()});
    m_sizeCanvas = size;
}

void CSender::SetBackground(quint8 ucOpacity, quint8 ucEnabled, quint8 ucStretched)
{
    CHostCallLog::Instance().Record("CSender::SetBackground", {ucOpacity, ucEnabled, ucStretched});
    m_background = SSenderBackground {ucOpacity, ucEnabled, ucStretched};
}

void CSender::LoadState(const QString& strName, int nPorts, int nRate, int nDepth, const QSize& sizeCanvas,
    const SSenderBackground& background, const SSenderDeviceState& device)
{
    m_strName = strName;
    m_nOutputPortCount = nPorts;
    m_nFrameRate = nRate;
    m_nColorDepth = nDepth;
    m_sizeCanvas = sizeCanvas;
    m_background = background;
    m_device = device;
}
