#pragma once

#include <QDialog>

#include <memory>

class QCursor;

namespace tembrix {

struct DesktopServices;

/// The borderless About window. Created for one showing and destroyed after.
/// Its controls carry their names as objectName (LBLexit, Picture1, Image1,
/// Timer1, abIS, LBLcopyRight, ...).
class FRMabout : public QDialog {
    Q_OBJECT
public:
    /// `linkCursor` is the main window's mail-button pointer; every link button shares it.
    /// `services.shell` and `services.messageBoxes` open the links (a link does
    /// nothing when either is missing); `services.app` gives the identity
    /// shown (empty labels when missing).
    FRMabout(const DesktopServices& services, const QCursor& linkCursor, QWidget* parent = nullptr);
    ~FRMabout() override;

    /// What Timer1 runs when it fires: one animation frame forward. Tests call
    /// it to drive the animation without real time.
    void Timer1_Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};

} // namespace tembrix
