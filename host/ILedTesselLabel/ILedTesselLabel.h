#pragma once

#include <QString>

// The host's label interface. The plug-in only calls the notification (the
// sixth operation); the others belong to the host's own views.
class ILedTesselLabel
{
public:
    virtual ~ILedTesselLabel() = default;

    virtual void Refresh() = 0;
    virtual void SetTitle(const QString& strTitle) = 0;
    virtual void SetSelected(int nIndex) = 0;
    virtual int GetSelected() const = 0;
    virtual void Clear() = 0;
    // Event mask plus three parameters; the result is ignored by the plug-in.
    virtual int Notify(int nEventMask, int nParam1, int nParam2, int nParam3) = 0;
};
