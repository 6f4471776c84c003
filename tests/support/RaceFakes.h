#pragma once

#include "race/RaceEngine.h"

#include <QMap>

#include <deque>
#include <vector>

namespace tesmi::fakes {

// Remembers what the race shows, character by character.
class RecordingView final : public RaceView {
public:
    void setRaceText(const QString &shown) override
    {
        text = shown;
        styles.assign(std::size_t(shown.size()), TextStyle::Silver);
    }
    void styleText(int from, int count, TextStyle style) override
    {
        styledChars += count;
        for (int i = from; i < from + count; ++i)
            styles.at(std::size_t(i)) = style;
    }
    void setTextFont(const QString &family, int points) override
    {
        fontFamily = family;
        fontPoints = points;
    }
    QString lastDisplayedLine() const override { return lastLine; }
    void showArea(TextArea shown) override { area = shown; }
    void showTranscript(const Transcript &t, const QString &, int points) override
    {
        transcript = t;
        transcriptPoints = points;
        area = TextArea::Transcript;
    }
    void showInput(const QString &text, InputLook look) override
    {
        input = text;
        inputLook = look;
    }
    void setIndicator(Indicator which, const QString &text) override { indicators[which] = text; }
    void setIndicatorVisible(Indicator which, bool visible) override { indicatorShown[which] = visible; }
    void setLight(int lit) override { light = lit; }
    void setCapsAlert(bool shown) override { capsAlert = shown; }
    void setTrackMaximum(int maximum) override { trackMax = maximum; }
    void setTrackPosition(int position) override { trackPos = position; }
    int trackPosition() const override { return trackPos; }
    int trackMaximum() const override { return trackMax; }
    void setTrackEnabled(bool enabled) override { trackEnabled = enabled; }
    void setTimerRunning(RaceTimer timer, bool running) override { timers[std::size_t(timer)] = running; }
    void holdKeyboardFocus() override {}

    bool timer(RaceTimer t) const { return timers[std::size_t(t)]; }
    TextStyle styleAt(int index) const { return styles.at(std::size_t(index)); }
    // Indexes of the characters in a style.
    std::vector<int> styled(TextStyle style) const
    {
        std::vector<int> found;
        for (std::size_t i = 0; i < styles.size(); ++i) {
            if (styles[i] == style)
                found.push_back(int(i));
        }
        return found;
    }

    QString text;
    std::vector<TextStyle> styles;
    int styledChars = 0;
    QString fontFamily;
    int fontPoints = 0;
    QString lastLine;
    TextArea area = TextArea::Cover;
    Transcript transcript;
    int transcriptPoints = 0;
    QString input;
    InputLook inputLook = InputLook::Message;
    QMap<Indicator, QString> indicators;
    QMap<Indicator, bool> indicatorShown;
    int light = 0;
    bool capsAlert = false;
    int trackMax = 0;
    int trackPos = 0;
    bool trackEnabled = false;
    std::array<bool, kRaceTimerCount> timers{};
};

// The mode side of a race: hands out scripted texts and records what the race
// asks of it.
class FakeRaceHost final : public RaceHost {
public:
    RaceMode raceMode() override { return mode; }
    RaceTextResult MakeRaceText() override
    {
        ++textsMade;
        if (texts.size() > 1) {
            RaceTextResult next = texts.front();
            texts.pop_front();
            return next;
        }
        return texts.front();
    }
    QStringList autoReplaceWords() override { return autoReplace; }
    void advanceBookPosition(int typed) override { bookAdvance += typed; }
    void countUnfinishedStart() override { ++unfinishedStarts; }
    void raceFinished(const RaceOutcome &outcome) override { outcomes.push_back(outcome); }
    void setSettingsLocked(bool isLocked) override { locked = isLocked; }
    void hideResults() override { ++resultsHidden; }
    void setErrorWorkButtonVisible(bool visible) override { errorWorkButton = visible; }
    void setFixTextButtonVisible(bool visible) override { fixTextButton = visible; }

    // One text for every draw.
    void setText(const QString &text, const QString &kind = "text")
    {
        RaceTextResult result;
        result.RaceText = text;
        result.TextKind = kind;
        result.trackMaximum = int(text.size());
        texts = {result};
    }

    RaceMode mode;
    std::deque<RaceTextResult> texts;
    int textsMade = 0;
    QStringList autoReplace;
    int bookAdvance = 0;
    int unfinishedStarts = 0;
    std::vector<RaceOutcome> outcomes;
    bool locked = false;
    int resultsHidden = 0;
    bool errorWorkButton = false;
    bool fixTextButton = false;
};

} // namespace tesmi::fakes
