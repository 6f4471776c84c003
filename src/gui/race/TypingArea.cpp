#include "race/TypingArea.h"

#include "app/Style.h"
#include "platform/CarsPack.h"
#include "race/InputLine.h"
#include "race/RaceEngine.h"
#include "race/RaceTextView.h"
#include "race/RaceTrack.h"
#include "race/Transcript.h"
#include "util/Formatting.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QTextCursor>
#include <QTextEdit>

#include <algorithm>
#include <cmath>

namespace tesmi {

namespace {

constexpr int kMargin = 12;
constexpr int kStatusHeight = 40;
constexpr int kGap = 10;
constexpr int kTrackHeight = 54;
// Beyond this many lines the text scrolls with the typing instead of growing.
constexpr int kMaxTextLines = 10;

const QString kCoverCaption = QStringLiteral("Текст скрыт до начала игры");
const QString kCapsAlert = QStringLiteral("Внимание! Включен CAPS LOCK!!!");
const QString kCopy = QStringLiteral("Копировать");
const QString kCopyErrorFree = QStringLiteral("Копировать без ошибок");
const QString kSpeedCaption = QStringLiteral("зн/мин");

QTextCharFormat transcriptFormat(TranscriptStyle style)
{
    QTextCharFormat format;
    switch (style) {
    case TranscriptStyle::Correct:
        format.setForeground(QColor(0x32, 0x32, 0x32));
        break;
    case TranscriptStyle::Wrong:
        format.setForeground(QColor(0xFF, 0x00, 0x00));
        format.setFontStrikeOut(true);
        break;
    case TranscriptStyle::Erased:
        format.setForeground(QColor(0x32, 0x32, 0x32));
        format.setFontStrikeOut(true);
        break;
    case TranscriptStyle::WrongPending:
        format.setForeground(QColor(0xFF, 0x00, 0x00));
        break;
    case TranscriptStyle::Rest:
        format.setForeground(QColor(0x80, 0x80, 0x80));
        break;
    }
    return format;
}

QLabel *makeLabel(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

} // namespace

TypingArea::TypingArea(const CarsPack &cars, QWidget *parent)
    : QWidget(parent), status_(makeLabel(QStringLiteral("Label26"), this)),
      errors_(makeLabel(QStringLiteral("Label27"), this)),
      errorsCaption_(makeLabel(QStringLiteral("errorsCaption"), this)),
      speed_(makeLabel(QStringLiteral("Label12"), this)),
      speedCaption_(makeLabel(QStringLiteral("speedCaption"), this)),
      capsAlert_(makeLabel(QStringLiteral("CapsAlert"), this)), textView_(new RaceTextView(this)),
      cover_(makeLabel(QStringLiteral("Image7"), this)), transcript_(new QTextEdit(this)),
      input_(new InputLine(this)), track_(new RaceTrack(cars.picture(QStringLiteral("track")), this)),
      finish_(makeLabel(QStringLiteral("finish"), this)), focusHolder_(makeLabel(QStringLiteral("label1"), this))
{
    setObjectName(QStringLiteral("Panel4"));
    DecoratePanel(*this);
    SetTextLook(*status_, colours::kHeading, 15);
    for (QLabel *number : {errors_, speed_})
        SetTextLook(*number, colours::kHeading, 15, true);
    for (QLabel *unit : {errorsCaption_, speedCaption_})
        SetTextLook(*unit, colours::kMuted);
    SetTextLook(*capsAlert_, colours::kAlert, 0, true);
    DecoratePanel(*cover_, {QColor(0xdf, 0xe6, 0xee), colours::kFrame, 4});
    SetTextLook(*cover_, colours::kMuted);
    for (int i = 0; i < 4; ++i) {
        lights_[i] = makeLabel(QStringLiteral("semafor%1").arg(i), this);
        lights_[i]->setScaledContents(true);
        ShowBuiltinPicture(*lights_[i], i == 0);
    }
    status_->setText(kWaitingStatus);
    for (QLabel *number : {errors_, speed_})
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel *unit : {errorsCaption_, speedCaption_})
        unit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    capsAlert_->setText(kCapsAlert);
    capsAlert_->setAlignment(Qt::AlignCenter);
    capsAlert_->hide();

    textView_->hide();
    cover_->setText(kCoverCaption);
    cover_->setAlignment(Qt::AlignCenter);
    transcript_->setObjectName(QStringLiteral("RichEdit2"));
    QPalette paper = transcript_->palette();
    paper.setColor(QPalette::Base, QColor(0xfb, 0xfc, 0xfd));
    transcript_->setPalette(paper);
    transcript_->setReadOnly(true);
    transcript_->setFocusPolicy(Qt::NoFocus);
    transcript_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    transcript_->setContextMenuPolicy(Qt::CustomContextMenu);
    transcript_->hide();
    connect(transcript_, &QWidget::customContextMenuRequested, this, &TypingArea::showCopyMenu);

    showInput(kInputPlaceholder, InputLook::Message);

    track_->setEnabled(false);
    finish_->setPixmap(cars.picture(QStringLiteral("finish")));
    // Keeps the keyboard away from every control during a race. Qt gives no
    // focus to a hidden widget: this one stays shown, without size.
    focusHolder_->setFocusPolicy(Qt::StrongFocus);

    timer(RaceTimer::Countdown).setInterval(1000);
    timer(RaceTimer::Limits).setInterval(900);
    timer(RaceTimer::Idle).setInterval(1000);
    timer(RaceTimer::Seconds).setInterval(1000);
    timer(RaceTimer::Seconds).setTimerType(Qt::PreciseTimer);
}

void TypingArea::setCarPicture(const QPixmap &car)
{
    track_->setCar(car);
}

// ---- the text ----

void TypingArea::setRaceText(const QString &shown)
{
    textView_->setText(shown);
    relayOut();
}

void TypingArea::styleText(int from, int count, TextStyle style)
{
    textView_->setStyle(from, count, style);
}

void TypingArea::setTextFont(const QString &family, int points)
{
    QFont font(InstalledFamily(family));
    font.setPointSize(points);
    textView_->setTextFont(font);
    cover_->setFont(font);
    relayOut();
}

void TypingArea::setFieldSize(int size)
{
    // Like the text size, the setting counts from a readable 10 points: the
    // default of 1 must not give a line too small to read.
    QFont font = input_->font();
    font.setPointSize(size + 10);
    input_->setFont(font);
    relayOut();
}

void TypingArea::setFieldOnTop(bool onTop)
{
    fieldOnTop_ = onTop;
    relayOut();
}

QString TypingArea::lastDisplayedLine() const
{
    return textView_->lastLine();
}

void TypingArea::showArea(TextArea area)
{
    area_ = area;
    cover_->setVisible(area == TextArea::Cover);
    textView_->setVisible(area == TextArea::Text);
    transcript_->setVisible(area == TextArea::Transcript);
    relayOut();
}

void TypingArea::showTranscript(const Transcript &transcript, const QString &family, int points)
{
    QFont font(InstalledFamily(family));
    font.setPointSize(points);
    transcript_->clear();
    transcript_->document()->setDefaultFont(font);
    QTextCursor cursor(transcript_->document());
    for (int start = 0; start < transcript.size();) {
        const TranscriptStyle style = transcript.style(start);
        int stop = start + 1;
        while (stop < transcript.size() && transcript.style(stop) == style)
            ++stop;
        cursor.insertText(transcript.text().mid(start, stop - start), transcriptFormat(style));
        start = stop;
    }
    showArea(TextArea::Transcript);
}

void TypingArea::showCopyMenu(const QPoint &at)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("PopupMenu1"));
    menu.addAction(kCopy, this, [this] { QApplication::clipboard()->setText(transcript_->toPlainText()); });
    menu.addAction(kCopyErrorFree, this, &TypingArea::copyErrorFreeRequested);
    menu.exec(transcript_->mapToGlobal(at));
}

// ---- input line, captions, lights ----

void TypingArea::showInput(const QString &text, InputLook look)
{
    input_->display(text, look);
}

QLabel *TypingArea::indicatorLabel(Indicator which) const
{
    switch (which) {
    case Indicator::Errors:
        return errors_;
    case Indicator::Speed:
        return speed_;
    case Indicator::Status:
        break;
    }
    return status_;
}

void TypingArea::setIndicator(Indicator which, const QString &text)
{
    QLabel *label = indicatorLabel(which);
    if (label->text() == text)
        return;
    label->setText(text);
    if (which == Indicator::Errors)
        errorsCaption_->setText(text.isEmpty() ? QString() : PluralMistakes(text));
    if (which == Indicator::Speed)
        speedCaption_->setText(text.isEmpty() ? QString() : kSpeedCaption);
}

void TypingArea::setIndicatorVisible(Indicator which, bool visible)
{
    indicatorLabel(which)->setVisible(visible);
    if (which == Indicator::Errors)
        errorsCaption_->setVisible(visible);
    if (which == Indicator::Speed)
        speedCaption_->setVisible(visible);
}

void TypingArea::setLight(int lit)
{
    for (int i = 0; i < 4; ++i)
        ShowBuiltinPicture(*lights_[i], i == lit);
}

void TypingArea::setCapsAlert(bool shown)
{
    if (capsAlert_->isVisible() != shown)
        capsAlert_->setVisible(shown);
}

// ---- track, timers, focus ----

void TypingArea::setTrackMaximum(int maximum)
{
    track_->setMaximum(maximum);
}

void TypingArea::setTrackPosition(int position)
{
    track_->setValue(position);
}

int TypingArea::trackPosition() const
{
    return track_->value();
}

int TypingArea::trackMaximum() const
{
    return track_->maximum();
}

void TypingArea::setTrackEnabled(bool enabled)
{
    track_->setEnabled(enabled);
}

void TypingArea::setTimerRunning(RaceTimer which, bool running)
{
    QTimer &t = timer(which);
    if (running && !t.isActive())
        t.start();
    else if (!running)
        t.stop();
}

void TypingArea::holdKeyboardFocus()
{
    if (!focusHolder_->hasFocus())
        focusHolder_->setFocus(Qt::OtherFocusReason);
}

// ---- layout ----

int TypingArea::textWidth() const
{
    return std::max(0, width() - 2 * kMargin);
}

// Two lines until the text has more, then every line, up to the most that fit.
int TypingArea::textHeight() const
{
    const int lines = std::clamp(textView_->lineCount(textWidth()), 2, kMaxTextLines);
    return lines * textView_->lineHeight() + 2 * RaceTextView::kPadding;
}

int TypingArea::transcriptHeight() const
{
    const int frame = 2 * transcript_->frameWidth();
    QTextDocument *document = transcript_->document();
    document->setTextWidth(textWidth() - frame);
    const int line = QFontMetrics(document->defaultFont()).height();
    const int margins = int(2 * document->documentMargin());
    return std::clamp(int(std::ceil(document->size().height())), 2 * line + margins, kMaxTextLines * line + margins)
           + frame;
}

int TypingArea::inputHeight() const
{
    return QFontMetrics(input_->font()).height() + 12;
}

int TypingArea::naturalHeight() const
{
    const int text = area_ == TextArea::Transcript ? transcriptHeight() : textHeight();
    const int fieldOnTopExtra = fieldOnTop_ ? kMargin : 0;
    return kStatusHeight + text + kGap + inputHeight() + kGap + kTrackHeight + kMargin + fieldOnTopExtra;
}

void TypingArea::relayOut()
{
    layOut();
    emit naturalHeightChanged();
}

void TypingArea::resizeEvent(QResizeEvent *)
{
    layOut();
}

void TypingArea::layOut()
{
    const int w = width();
    // Either the status row or the text with its input line comes first.
    const int height = area_ == TextArea::Transcript ? transcriptHeight() : textHeight();
    const int textTop = fieldOnTop_ ? kMargin : kStatusHeight;
    const QRect textRect(kMargin, textTop, textWidth(), height);
    textView_->setGeometry(textRect);
    cover_->setGeometry(textRect);
    transcript_->setGeometry(textRect);
    focusHolder_->setGeometry(kMargin, textTop, 0, 0);
    input_->setGeometry(kMargin, textRect.bottom() + 1 + kGap, textWidth(), inputHeight());
    const int statusTop = fieldOnTop_ ? input_->geometry().bottom() + 1 : 0;

    // The start lights stand upright in the status row, scaled to its height.
    const QSize light(15, kStatusHeight - 4);
    for (QLabel *lamp : lights_)
        lamp->setGeometry(kMargin, statusTop + 2, light.width(), light.height());
    // Each counter: its number right-aligned, its unit just after it.
    speedCaption_->setGeometry(w - kMargin - 50, statusTop, 50, kStatusHeight);
    speed_->setGeometry(speedCaption_->x() - 4 - 50, statusTop, 50, kStatusHeight);
    errorsCaption_->setGeometry(speed_->x() - 20 - 60, statusTop, 60, kStatusHeight);
    errors_->setGeometry(errorsCaption_->x() - 4 - 40, statusTop, 40, kStatusHeight);
    const int statusLeft = kMargin + light.width() + 10;
    status_->setGeometry(statusLeft, statusTop, 200, kStatusHeight);
    capsAlert_->setGeometry(statusLeft + 200, statusTop, std::max(0, errors_->x() - statusLeft - 200 - 10),
                            kStatusHeight);

    const int trackTop = std::max(input_->geometry().bottom(), status_->geometry().bottom()) + 1 + kGap;
    const QSize flag = finish_->pixmap().isNull() ? QSize(0, 0) : finish_->pixmap().size();
    track_->setGeometry(kMargin, trackTop, textWidth() - flag.width() - 6, kTrackHeight);
    finish_->setGeometry(w - kMargin - flag.width(), trackTop + (kTrackHeight - flag.height()) / 2, flag.width(),
                         flag.height());
}

} // namespace tesmi
