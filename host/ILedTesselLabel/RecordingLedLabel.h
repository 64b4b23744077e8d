#pragma once

#include "ILedTesselLabel.h"

#if defined(ILEDTESSELLABEL_LIBRARY)
#define ILEDTESSELLABEL_EXPORT __attribute__((visibility("default")))
#else
#define ILEDTESSELLABEL_EXPORT
#endif

// Label interface of the simulated host: keeps its small state and logs every
// notification in the host call log.
class ILEDTESSELLABEL_EXPORT CRecordingLedLabel : public ILedTesselLabel
{
public:
    void Refresh() override;
    void SetTitle(const QString& strTitle) override { m_strTitle = strTitle; }
    void SetSelected(int nIndex) override { m_nSelected = nIndex; }
    int GetSelected() const override { return m_nSelected; }
    void Clear() override { m_nSelected = -1; }
    int Notify(int nEventMask, int nParam1, int nParam2, int nParam3) override;

private:
    QString m_strTitle;
    int m_nSelected = -1;
};
