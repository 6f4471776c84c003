#include "race/TypingArea.h"

#include "platform/CarsPack.h"

#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTextEdit>

namespace tesmi {

namespace {
constexpr int kMargin = 12;
constexpr int kStatusHeight = 40;
constexpr int kTrackHeight = 54;
constexpr int kInputHeight = 34;
} // namespace

TypingArea::TypingArea(const CarsPack &cars, QWidget *parent)
    : QWidget(parent), status_(new QLabel(QStringLiteral("Ожидание старта..."), this)),
      textView_(new QTextEdit(this)), cover_(new QLabel(QStringLiteral("Текст скрыт до начала игры"), this)),
      input_(new QLineEdit(this)), track_(new QSlider(Qt::Horizontal, this)), finish_(new QLabel(this)),
      focusHolder_(new QLabel(this))
{
    setObjectName(QStringLiteral("Panel4"));
    setAttribute(Qt::WA_StyledBackground);
    for (int i = 0; i < 4; ++i) {
        lights_[i] = new QLabel(this);
        lights_[i]->setObjectName(QStringLiteral("semafor%1").arg(i));
        lights_[i]->setPixmap(BuiltinPicture(QStringLiteral("semafor%1").arg(i)));
        lights_[i]->setScaledContents(true);
        lights_[i]->setVisible(i == 0);
    }
    status_->setObjectName(QStringLiteral("Label26"));
    textView_->setObjectName(QStringLiteral("RichEdit1"));
    textView_->setReadOnly(true);
    textView_->setFocusPolicy(Qt::NoFocus);
    textView_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    textView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    cover_->setObjectName(QStringLiteral("Image7"));
    cover_->setAlignment(Qt::AlignCenter);
    input_->setObjectName(QStringLiteral("vvod_edit"));
    input_->setReadOnly(true);
    input_->setFocusPolicy(Qt::NoFocus);
    input_->setText(QStringLiteral("Набирайте здесь текст после начала игры"));
    input_->setProperty("placeholderLook", true);
    track_->setObjectName(QStringLiteral("TrackBar1"));
    track_->setEnabled(false);
    track_->setRange(0, 1);
    finish_->setObjectName(QStringLiteral("finish"));
    finish_->setPixmap(cars.picture(QStringLiteral("finish")));
    // The race keeps the keyboard focus here, away from every control.
    focusHolder_->setObjectName(QStringLiteral("label1"));
    focusHolder_->setFocusPolicy(Qt::StrongFocus);
    focusHolder_->hide();
    setTextSize(10);
}

void TypingArea::setRaceText(const QString &text)
{
    textView_->setPlainText(text);
}

void TypingArea::setTextSize(int size)
{
    QFont font = textView_->font();
    font.setPointSize(size + 10);
    textView_->setFont(font);
    cover_->setFont(font);
    focusHolder_->setFont(font);
    resize(width(), naturalHeight());
    layOut();
}

int TypingArea::textHeight() const
{
    // Two lines of the text font: the reference label carries that font.
    return 2 * QFontMetrics(focusHolder_->font()).height() + 12;
}

int TypingArea::naturalHeight() const
{
    return kStatusHeight + textHeight() + 10 + kInputHeight + 10 + kTrackHeight + kMargin;
}

void TypingArea::resizeEvent(QResizeEvent *)
{
    layOut();
}

void TypingArea::layOut()
{
    const int width = this->width();
    // The start lights stand upright in the status row, scaled to its height.
    const QSize light(15, kStatusHeight - 4);
    for (QLabel *lamp : lights_)
        lamp->setGeometry(kMargin, 2, light.width(), light.height());
    status_->setGeometry(kMargin + light.width() + 10, 0, width - 2 * kMargin - light.width() - 10, kStatusHeight);
    const QRect textRect(kMargin, kStatusHeight, width - 2 * kMargin, textHeight());
    textView_->setGeometry(textRect);
    cover_->setGeometry(textRect);
    cover_->raise();
    input_->setGeometry(kMargin, textRect.bottom() + 1 + 10, width - 2 * kMargin, kInputHeight);
    const int trackTop = input_->geometry().bottom() + 1 + 10;
    const QSize flag = finish_->pixmap().isNull() ? QSize(0, 0) : finish_->pixmap().size();
    track_->setGeometry(kMargin, trackTop, width - 2 * kMargin - flag.width() - 6, kTrackHeight);
    finish_->setGeometry(width - kMargin - flag.width(), trackTop + (kTrackHeight - flag.height()) / 2, flag.width(),
                         flag.height());
}

} // namespace tesmi
