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
    // The race keeps the keyboard focus here, away from every control; it takes
    // no room (a hidden widget could not hold the focus).
    focusHolder_->setObjectName(QStringLiteral("label1"));
    focusHolder_->setFocusPolicy(Qt::StrongFocus);
    focusHolder_->setGeometry(0, 0, 0, 0);
    setTextFont(font().family(), 10);
}

void TypingArea::setRaceText(const QString &text)
{
    textView_->setPlainText(text);
}

void TypingArea::setTextFont(const QString &family, int textSize)
{
    QFont font(family);
    font.setPointSize(textSize + 10);
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

void TypingArea::setFieldSize(int size)
{
    QFont font = input_->font();
    font.setPointSize(size + 2);
    input_->setFont(font);
    resize(width(), naturalHeight());
    layOut();
}

void TypingArea::setFieldOnTop(bool onTop)
{
    fieldOnTop_ = onTop;
    layOut();
}

int TypingArea::inputHeight() const
{
    return std::max(input_->font().pointSize() * 2 + 4, QFontMetrics(input_->font()).height() + 10);
}

int TypingArea::naturalHeight() const
{
    const int fieldOnTopExtra = fieldOnTop_ ? kMargin - 4 : 0;
    return kStatusHeight + textHeight() + 10 + inputHeight() + 10 + kTrackHeight + kMargin + fieldOnTopExtra;
}

void TypingArea::resizeEvent(QResizeEvent *)
{
    layOut();
}

void TypingArea::layOut()
{
    const int width = this->width();
    const int inner = width - 2 * kMargin;
    // Either the status row or the text with its input line comes first.
    const int fieldTop = fieldOnTop_ ? kMargin : kStatusHeight;
    const QRect textRect(kMargin, fieldTop, inner, textHeight());
    textView_->setGeometry(textRect);
    cover_->setGeometry(textRect);
    cover_->raise();
    input_->setGeometry(kMargin, textRect.bottom() + 1 + 10, inner, inputHeight());
    const int statusTop = fieldOnTop_ ? input_->geometry().bottom() + 1 + 6 : 0;

    // The start lights stand upright in the status row, scaled to its height.
    const QSize light(15, kStatusHeight - 4);
    for (QLabel *lamp : lights_)
        lamp->setGeometry(kMargin, statusTop + 2, light.width(), light.height());
    status_->setGeometry(kMargin + light.width() + 10, statusTop, inner - light.width() - 10, kStatusHeight);

    const int trackTop = std::max(input_->geometry().bottom(), status_->geometry().bottom()) + 1 + 10;
    const QSize flag = finish_->pixmap().isNull() ? QSize(0, 0) : finish_->pixmap().size();
    track_->setGeometry(kMargin, trackTop, inner - flag.width() - 6, kTrackHeight);
    finish_->setGeometry(width - kMargin - flag.width(), trackTop + (kTrackHeight - flag.height()) / 2, flag.width(),
                         flag.height());
}

} // namespace tesmi
