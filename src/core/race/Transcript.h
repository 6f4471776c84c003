#pragma once

#include <QString>

#include <vector>

namespace tesmi {

enum class TranscriptStyle {
    Correct,      // 323232
    Wrong,        // FF0000, struck out
    Erased,       // a correct character erased again: 323232, struck out
    WrongPending, // wrong input still standing when the race stopped: FF0000
    Rest,         // the text not reached: 808080
};

// The record of a race's keystrokes: every accepted key appends one character,
// erasing only restyles what is there.
class Transcript {
public:
    void clear()
    {
        text_.clear();
        styles_.clear();
    }
    // The index of the appended character.
    int append(QChar c, TranscriptStyle style)
    {
        text_.append(c);
        styles_.push_back(style);
        return int(styles_.size()) - 1;
    }
    void appendText(const QString &text, TranscriptStyle style)
    {
        text_.append(text);
        styles_.insert(styles_.end(), text.size(), style);
    }
    void restyle(int index, TranscriptStyle style) { styles_[std::size_t(index)] = style; }

    const QString &text() const { return text_; }
    TranscriptStyle style(int index) const { return styles_[std::size_t(index)]; }
    int size() const { return int(styles_.size()); }

private:
    QString text_;
    std::vector<TranscriptStyle> styles_;
};

} // namespace tesmi
