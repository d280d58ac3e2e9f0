#pragma once

#include "traypopupmenu.h"

#include <QObject>

class Form1;
class OutputChoice;
class SleepTimer;
class TrayMenu;

/// Ties the tray's menu to the window, the sleep timer and the output: its texts follow the on/off button and the
/// timer, its outputs the sound server's, its items do what the on/off button, the tray icon's click and the close
/// box do, and a right click on the icon opens it as a popup. The outputs are looked for once the menu opens.
class TrayMenuControl : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrayMenuControl)

public:
    /// Every piece is the caller's and outlives the control.
    TrayMenuControl(TrayMenu &menu, Form1 &form, SleepTimer &timer, OutputChoice &output, QObject *parent = nullptr);
    ~TrayMenuControl() override = default;

    TrayPopupMenu &popup() { return m_popup; }

private:
    TrayPopupMenu m_popup;
};
