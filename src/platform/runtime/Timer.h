#pragma once

#include <QTimer>

namespace platform {

// A timer of the game's windows: its Enabled flag starts and stops it. Enabling a running
// timer leaves its rhythm alone; disabling and enabling again starts a fresh interval.
class Timer : public QTimer
{
    Q_OBJECT

public:
    Timer(QObject* parent, const QString& name, int intervalMs, bool enabled);

    void setEnabled(bool on);
    bool enabled() const { return isActive(); }
};

} // namespace platform
