#pragma once

#include <QStringList>

// Answers of the simulated sender logic that are not tied to one sender. They
// travel with the project file so a project can play any installation.
struct SDeviceAnswers
{
    bool bExtendedEdid = true; // senders take the extended EDID settings
    bool bAddressState = false; // sender logic's yes/no address state
    int nPortRowValue = 0; // above 0 hides the output-port row when adding processors
    QStringList listSenderAddresses; // addresses the sender logic reports
};
