// The volume panel opened by the main window's volume button: both sliders act while they move.
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include "library/frame/state.h"
#include "library/tesalo.h"
#include "player/model/settings.h"
#include "tests/player/shell/window/window_fixture.h"

namespace {

QSlider* Slider(QWidget* panel, int id) {
    return panel->findChild<QSlider*>(QStringLiteral("id%1").arg(id));
}

class VolumePanelTest : public WindowTest {
protected:
    // Opens the panel, lets step look and act, then closes it with Escape.
    void Open(const std::function<void(QWidget*)>& step) {
        script_.Then([step](QWidget* panel) {
            step(panel);
            QTimer::singleShot(0, panel, [panel] { QTest::keyClick(panel, Qt::Key_Escape); });
        });
        Command(kCommandVolume);
        EXPECT_EQ(script_.Pending(), 0u);
        EXPECT_TRUE(window_->isEnabled());
    }
};

TEST_F(VolumePanelTest, OpensAtTheDeviceLevelWithFocusOnTheOutputSlider) {
    ASSERT_EQ(TeSetSystemVolume(0x80000000u), 1);
    g_settings.masterVolume = 10;
    int systemPosition = -1;
    int outputPosition = -1;
    QString focused;
    Open([&](QWidget* panel) {
        systemPosition = Slider(panel, 1057)->value();
        outputPosition = Slider(panel, 1058)->value();
        focused = panel->focusWidget() != nullptr ? panel->focusWidget()->objectName() : QString();
        Slider(panel, 1057)->triggerAction(QAbstractSlider::SliderMove);  // released unmoved
    });
    EXPECT_EQ(systemPosition, 3);  // 0x80000000 / 0x33333333 = 2
    EXPECT_EQ(outputPosition, 6);
    EXPECT_EQ(focused, "id1058");
    EXPECT_EQ(TeGetSystemVolume(), 0x80000000u);
}

TEST_F(VolumePanelTest, SystemSliderSetsTheDeviceVolumeInSteps) {
    ASSERT_EQ(TeSetSystemVolume(0x11111111u), 1);  // level 0
    std::uint32_t atTop = 0;
    std::uint32_t oneDown = 0;
    Open([&](QWidget* panel) {
        QSlider* slider = Slider(panel, 1057);
        slider->triggerAction(QAbstractSlider::SliderToMinimum);
        atTop = TeGetSystemVolume();
        slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        oneDown = TeGetSystemVolume();
    });
    EXPECT_EQ(atTop, 0xFFFFFFFFu);
    EXPECT_EQ(oneDown, 0xCCCCCCCCu);
    EXPECT_EQ(g_settings.masterVolume, 16);
}

TEST_F(VolumePanelTest, OutputSliderEndsAreFullAndSilent) {
    ASSERT_EQ(TeSetSystemVolume(0x99999999u), 1);
    g_settings.masterVolume = 5;
    int atTop = -1;
    int atBottom = -1;
    int loudestAtTop = -1;
    Open([&](QWidget* panel) {
        QSlider* slider = Slider(panel, 1058);
        slider->triggerAction(QAbstractSlider::SliderToMinimum);
        atTop = g_settings.masterVolume;
        loudestAtTop = (*g.volumeTable.load())[15][15][15];
        slider->triggerAction(QAbstractSlider::SliderToMaximum);
        atBottom = g_settings.masterVolume;
    });
    EXPECT_EQ(atTop, 16);
    EXPECT_EQ(loudestAtTop, 64);  // 16 x 16 x 16 x 16 >> 10
    EXPECT_EQ(atBottom, 0);
    EXPECT_EQ((*g.volumeTable.load())[15][15][15], 0);
    EXPECT_EQ(TeGetSystemVolume(), 0x99999999u);  // the device keeps its own volume
}

TEST_F(VolumePanelTest, OkClosesThePanel) {
    script_.Then([](QWidget* panel) {
        QTimer::singleShot(
            0, panel, [panel] { panel->findChild<QPushButton*>(QStringLiteral("id1"))->click(); });
    });
    Command(kCommandVolume);
    EXPECT_EQ(script_.Pending(), 0u);
    EXPECT_TRUE(window_->isEnabled());
}

}  // namespace
