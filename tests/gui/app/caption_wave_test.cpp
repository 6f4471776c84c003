#include "app/CaptionWave.h"

#include "QtPrinters.h"

#include <QLabel>

#include <gtest/gtest.h>

using namespace tesmi;

namespace {

TEST(CaptionWaveTest, RunsThroughCaptionAndRestoresIt)
{
    QLabel label("Аб1");
    CaptionWave wave;
    wave.WaveCaption(&label);
    QStringList shown{label.text()};
    while (wave.running()) {
        wave.step();
        shown << label.text();
    }
    EXPECT_EQ(shown, (QStringList{"аб1", "АБ1", "Аб1", "Аб1"}));
}

TEST(CaptionWaveTest, EmptyCaptionDoesNothing)
{
    QLabel label;
    CaptionWave wave;
    wave.WaveCaption(&label);
    EXPECT_FALSE(wave.running());
    EXPECT_EQ(label.text(), "");
}

TEST(CaptionWaveTest, NewWaveRestoresTheCaptionOfTheOneRunning)
{
    QLabel first("Рекорд");
    QLabel second("ok");
    CaptionWave wave;
    wave.WaveCaption(&first);
    wave.WaveCaption(&second);
    EXPECT_EQ(first.text(), "Рекорд");
    EXPECT_EQ(second.text(), "Ok");
}

} // namespace
