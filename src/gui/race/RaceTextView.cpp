#include "race/RaceTextView.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace tesmi {

namespace {

const QColor kBackground(0xfb, 0xfc, 0xfd);
constexpr qreal kUnwrapped = 1'000'000; // wide enough for any line
const QColor kFrame(0xd5, 0xdd, 0xe6);

bool underlined(TextStyle style)
{
    return style == TextStyle::AutoReplace || style == TextStyle::Highlight || style == TextStyle::ErrorHighlight;
}

QColor colourOf(TextStyle style, const QPalette &palette)
{
    switch (style) {
    case TextStyle::Silver:
        return QColor(0xC0, 0xC0, 0xC0);
    case TextStyle::AutoReplace:
        return QColor(0x00, 0x80, 0x00);
    case TextStyle::Highlight:
        return QColor(0x33, 0x33, 0xAA);
    case TextStyle::ErrorHighlight:
        return QColor(0xFF, 0x00, 0x00);
    case TextStyle::Plain:
        break;
    }
    return palette.color(QPalette::WindowText);
}

} // namespace

RaceTextView::RaceTextView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("RichEdit1"));
    // Everything is painted here, nothing of the panel shows through.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setTextFont(font());
}

void RaceTextView::setText(const QString &text)
{
    text_ = text;
    styles_.assign(std::size_t(text.size()), TextStyle::Silver);
    laidOutWidth_ = -1;
    scroll_ = 0;
    update();
}

void RaceTextView::setTextFont(const QFont &font)
{
    setFont(font);
    underlined_ = font;
    underlined_.setUnderline(true);
    const QFontMetrics metrics(font);
    lineHeight_ = metrics.height();
    ascent_ = metrics.ascent();
    laidOutWidth_ = -1;
    update();
}

void RaceTextView::setStyle(int from, int count, TextStyle style)
{
    const int to = std::min<int>(from + count, int(styles_.size()));
    if (from < 0 || from >= to)
        return;
    std::fill(styles_.begin() + from, styles_.begin() + to, style);
    if (style == TextStyle::Highlight || style == TextStyle::ErrorHighlight)
        keepVisible(from);
    update(rangeRect(from, to));
}

int RaceTextView::lineCount(int width) const
{
    layOut(width);
    return int(lineStarts_.size());
}

QString RaceTextView::lastLine() const
{
    layOut(width());
    return lineStarts_.empty() ? QString() : text_.mid(lineStarts_.back());
}

void RaceTextView::layOut(int width) const
{
    if (width == laidOutWidth_)
        return;
    laidOutWidth_ = width;
    lineStarts_.clear();
    QTextLayout layout(text_, font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    const int lineWidth = std::max(1, width - 2 * kPadding);
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(lineWidth);
        lineStarts_.push_back(line.textStart());
    }
    layout.endLayout();
    lineX_.assign(lineStarts_.size(), {});
}

int RaceTextView::lineEnd(int line) const
{
    return line + 1 < int(lineStarts_.size()) ? lineStarts_[std::size_t(line) + 1] : int(text_.size());
}

// Where each character of a line begins, and where the line ends, measured on
// the line alone: a book-long text measures as fast as a short one.
const std::vector<qreal> &RaceTextView::xOf(int line) const
{
    std::vector<qreal> &x = lineX_[std::size_t(line)];
    if (!x.empty())
        return x;
    const int start = lineStarts_[std::size_t(line)];
    const int length = lineEnd(line) - start;
    QTextLayout layout(text_.mid(start, length), font());
    layout.setCacheEnabled(true);
    layout.beginLayout();
    QTextLine textLine = layout.createLine();
    textLine.setLineWidth(kUnwrapped);
    layout.endLayout();
    x.resize(std::size_t(length) + 1);
    for (int i = 0; i <= length; ++i)
        x[std::size_t(i)] = kPadding + textLine.cursorToX(i);
    return x;
}

int RaceTextView::lineOf(int index) const
{
    const auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), index);
    return std::max(0, int(after - lineStarts_.begin()) - 1);
}

// Where the characters from `from` to before `to` are drawn, with room for the
// underline and the ends of slanted glyphs.
QRect RaceTextView::rangeRect(int from, int to) const
{
    layOut(width());
    if (lineStarts_.empty())
        return QRect();
    const int first = lineOf(from);
    const int last = lineOf(to - 1);
    if (first != last)
        return QRect(0, lineTop(first), width(), (last - first + 1) * lineHeight());
    const std::vector<qreal> &x = xOf(first);
    const int start = lineStarts_[std::size_t(first)];
    const int left = int(x[std::size_t(from - start)]);
    const int right = int(std::ceil(x[std::size_t(to - start)]));
    return QRect(left - 3, lineTop(first), right - left + 6, lineHeight() + 1);
}

// A text taller than the view scrolls by whole lines when the highlight
// leaves it, bringing the highlight's line up to second from the top.
void RaceTextView::keepVisible(int index)
{
    layOut(width());
    if (lineStarts_.empty())
        return;
    const int line = lineOf(index);
    const int shownLines = std::max(1, (height() - 2 * kPadding) / lineHeight());
    const int firstShown = scroll_ / lineHeight();
    if (line >= firstShown && line < firstShown + shownLines)
        return;
    const int lastFirst = std::max(0, int(lineStarts_.size()) - shownLines);
    scroll_ = std::clamp(line - 1, 0, lastFirst) * lineHeight();
    update();
}

void RaceTextView::resizeEvent(QResizeEvent *)
{
    scroll_ = 0;
}

void RaceTextView::paintEvent(QPaintEvent *event)
{
    const QRect dirty = event->rect();
    QPainter painter(this);
    painter.fillRect(dirty, kBackground);
    painter.setPen(kFrame);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    layOut(width());
    if (lineStarts_.empty())
        return;
    // Lines scrolled half out of the view stay out of the padding.
    painter.setClipRect(dirty & rect().adjusted(1, kPadding, -1, -kPadding));
    const int first = std::max(0, (dirty.top() + scroll_ - kPadding) / lineHeight());
    const int last = std::min(int(lineStarts_.size()) - 1, (dirty.bottom() + scroll_ - kPadding) / lineHeight());
    for (int line = first; line <= last; ++line)
        drawLine(painter, line, dirty);
}

// The part of one line under the dirty rectangle, run by run of equal style.
void RaceTextView::drawLine(QPainter &painter, int line, const QRect &dirty) const
{
    const std::vector<qreal> &x = xOf(line);
    const int lineStart = lineStarts_[std::size_t(line)];
    const int lineLength = int(x.size()) - 1;
    // A character either side more, for glyphs that reach past their cell.
    const auto firstAfter = [&](qreal edge) { return int(std::upper_bound(x.begin(), x.end(), edge) - x.begin()); };
    const int from = std::max(0, firstAfter(dirty.left()) - 2);
    const int end = std::min(lineLength, firstAfter(dirty.right()) + 1);
    const int baseline = lineTop(line) + ascent_;
    for (int start = from; start < end;) {
        const TextStyle style = styles_[std::size_t(lineStart + start)];
        int stop = start + 1;
        while (stop < end && styles_[std::size_t(lineStart + stop)] == style)
            ++stop;
        painter.setFont(underlined(style) ? underlined_ : font());
        painter.setPen(colourOf(style, palette()));
        painter.drawText(QPointF(x[std::size_t(start)], baseline), text_.mid(lineStart + start, stop - start));
        start = stop;
    }
}

} // namespace tesmi
