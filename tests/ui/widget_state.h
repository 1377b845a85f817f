// What a control itself says, apart from the group it sits in.
#pragma once

#include <QWidget>

// A control's own Enabled state, whatever its group's state is.
inline bool OwnEnabled(const QWidget* w) { return !w->testAttribute(Qt::WA_ForceDisabled); }
