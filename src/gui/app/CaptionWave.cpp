#include "app/CaptionWave.h"

#include "util/Formatting.h"

#include <QLabel>

namespace tesmi {

CaptionWave::CaptionWave(QObject *parent) : QObject(parent)
{
    timer_.setInterval(40);
    connect(&timer_, &QTimer::timeout, this, &CaptionWave::step);
}

void CaptionWave::stop()
{
    if (running() && label_)
        label_->setText(frames_.back());
    timer_.stop();
}

void CaptionWave::WaveCaption(QLabel *label)
{
    // A wave still running ends at once with its caption restored.
    stop();
    label_ = label;
    frames_ = WaveFrames(label->text());
    next_ = 0;
    if (frames_.isEmpty())
        return;
    step();
    timer_.start();
}

void CaptionWave::step()
{
    if (!label_ || next_ >= frames_.size()) {
        timer_.stop();
        return;
    }
    label_->setText(frames_[next_++]);
    label_->repaint();
    if (next_ == frames_.size())
        timer_.stop();
}

} // namespace tesmi
