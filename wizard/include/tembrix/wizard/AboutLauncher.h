#pragma once

class QCursor;
class QWidget;

namespace tembrix {

/// Opens the About window modally and returns when it has closed. The program
/// hands the real one to the wizard; tests hand a stand-in that records calls.
class AboutLauncher {
public:
    virtual ~AboutLauncher() = default;
    /// `linkCursor` is the mail button's pointer, which every link button shares.
    virtual void showAbout(QWidget* parent, const QCursor& linkCursor) = 0;
};

} // namespace tembrix
