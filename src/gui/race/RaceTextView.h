#pragma once

#include "race/RaceView.h"

#include <QWidget>

#include <vector>

namespace tesmi {

// RichEdit1: the race text, word-wrapped, each character in its own style. A
// style change repaints only the characters it names, so a key costs the same
// on a short text and on a book.
class RaceTextView : public QWidget {
    Q_OBJECT
public:
    explicit RaceTextView(QWidget *parent = nullptr);

    // The whole text, silver.
    void setText(const QString &text);
    void setStyle(int from, int count, TextStyle style);
    void setTextFont(const QFont &font);

    const QString &text() const { return text_; }
    TextStyle styleAt(int index) const { return styles_.at(std::size_t(index)); }
    // The bottom line of the text at the view's width.
    QString lastLine() const;
    int lineCount(int width) const;
    int lineHeight() const { return lineHeight_; }

    static constexpr int kPadding = 6;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void layOut(int width) const;
    int lineEnd(int line) const;
    const std::vector<qreal> &xOf(int line) const;
    int lineOf(int index) const;
    int lineTop(int line) const { return kPadding + line * lineHeight() - scroll_; }
    QRect rangeRect(int from, int to) const;
    void keepVisible(int index);
    void drawLine(QPainter &painter, int line, const QRect &dirty) const;

    QString text_;
    std::vector<TextStyle> styles_;
    mutable std::vector<int> lineStarts_;
    mutable std::vector<std::vector<qreal>> lineX_; // per line, filled when first needed
    mutable int laidOutWidth_ = -1;
    int scroll_ = 0; // pixels of text above the view, when the text is taller than it
    QFont underlined_;
    int lineHeight_ = 0;
    int ascent_ = 0;
};

} // namespace tesmi
