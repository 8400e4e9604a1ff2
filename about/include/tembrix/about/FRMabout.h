#pragma once

#include <QDialog>

class QCursor;

namespace tembrix {

struct DesktopServices;

/// The borderless About window. Created for one showing and destroyed after.
class FRMabout : public QDialog {
    Q_OBJECT
public:
    /// `linkCursor` is the main window's mail-button pointer; every link button shares it.
    FRMabout(const DesktopServices& services, const QCursor& linkCursor, QWidget* parent = nullptr);
    ~FRMabout() override;
};

} // namespace tembrix
