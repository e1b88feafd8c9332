// The main window (template 102): a dialog that holds the controls and hands every click, key
// and library report to the window procedure (main_window_proc.h).
#pragma once

#include <QDialog>

#include "player/shell/status/status_resources.h"
#include "player/shell/window/main_window_controls.h"

class MainWindow : public QDialog {
public:
    MainWindow();
    ~MainWindow() override;
    const MainWindowControls& Controls() const { return controls_; }

    // Escape and the title bar's close button: kCommandClose, which may wait for the song's end.
    void reject() override;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    MainWindowControls controls_;
    StatusResources status_;
};
