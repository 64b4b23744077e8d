#pragma once

// Everything the host's control library offers.
#include "CCustomComboBox.h"
#include "CCustomDialog.h"
#include "CCustomIPEdit.h"
#include "CCustomLabel.h"
#include "CCustomMessageBox.h"
#include "CCustomProgressbar.h"
#include "CCustomSpinBox.h"
#include "CCustomSwitchButton.h"
#include "CMessageBoxAnswers.h"
#include "OstraStyle.h"
