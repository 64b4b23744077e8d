#include "HardwareSupport.h"

template <typename T> static T* Instance()
{
    static T s_object;
    return &s_object;
}

CHwSenderLogic* GetHwSenderLogic()
{
    return Instance<CHwSenderLogic>();
}
CHwReceiverLogic* GetHwReceiverLogic()
{
    return Instance<CHwReceiverLogic>();
}
CHwVideoSourceLogic* GetHwVideoSourceLogic()
{
    return Instance<CHwVideoSourceLogic>();
}
CHwCaliSoftEdgeLogic* GetHwCaliSoftEdgeLogic()
{
    return Instance<CHwCaliSoftEdgeLogic>();
}
CHwAdvancedSoftEdgeLogic* GetHwAdvancedSoftEdgeLogic()
{
    return Instance<CHwAdvancedSoftEdgeLogic>();
}
CHwColorBrightLogic* GetHwColorBrightLogic()
{
    return Instance<CHwColorBrightLogic>();
}
CHwMonitorLogic* GetHwMonitorLogic()
{
    return Instance<CHwMonitorLogic>();
}
