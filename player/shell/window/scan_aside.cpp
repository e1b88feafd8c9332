#include "player/shell/window/scan_aside.h"

#include <atomic>
#include <thread>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QProgressDialog>

#include "player/model/player_state.h"

namespace {

// A scan shorter than this shows nothing.
constexpr int kProgressDelayMs = 400;

bool g_scanRunning = false;

QString ProgressText() {
    return QString::fromUtf16(g_player.japaneseUi ? u"MIDIファイルを読み込んでいます..."
                                                  : u"Reading the MIDI files...");
}

// Handles the window thread's events until the scan is through. The input goes to the progress
// dialog once it shows: it keeps the window's buttons from the user meanwhile.
void HandleEventsUntilScanned(const std::atomic<std::size_t>& scanned, std::size_t count,
                              QProgressDialog& progress) {
    while (scanned.load() < count) {
        QCoreApplication::processEvents(progress.isVisible()
                                            ? QEventLoop::WaitForMoreEvents
                                            : QEventLoop::WaitForMoreEvents |
                                                  QEventLoop::ExcludeUserInputEvents);
        if (progress.isVisible()) progress.setValue(static_cast<int>(scanned.load()));
    }
}

}  // namespace

void ScanAside(std::size_t count, const std::function<void(std::size_t index)>& scanOne) {
    g_scanRunning = true;
    // One file shows a busy bar: its own progress is not known.
    QProgressDialog progress(ProgressText(), QString(), 0, count > 1 ? static_cast<int>(count) : 0);
    progress.setWindowTitle(QStringLiteral("Tesalo"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(kProgressDelayMs);
    progress.setValue(0);  // from here the dialog shows itself after the delay
    std::atomic<std::size_t> scanned{0};
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    std::thread worker([&] {
        for (std::size_t index = 0; index < count; ++index) {
            scanOne(index);
            scanned.store(index + 1);
            dispatcher->wakeUp();  // the window thread may be waiting for events
        }
    });
    HandleEventsUntilScanned(scanned, count, progress);
    worker.join();
    g_scanRunning = false;
}

bool ScanAsideRunning() { return g_scanRunning; }
