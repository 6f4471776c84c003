#pragma once

#include "platform/Platform.h"

#include "QtPrinters.h"

#include <QStringList>

#include <deque>
#include <optional>

namespace tesmi::fakes {

class FakeClock final : public Clock {
public:
    QDateTime now() const override { return current; }
    void advanceMs(int ms) { current = current.addMSecs(ms); }
    QDateTime current{QDate(2026, 12, 11), QTime(12, 0)};
};

// Hands out scripted values, then falls back to a seeded generator.
class FakeRandom final : public RandomSource {
public:
    int below(int n) override
    {
        if (!scripted.empty()) {
            const int value = scripted.front();
            scripted.pop_front();
            return value % n;
        }
        return seeded.below(n);
    }
    std::deque<int> scripted;
    SeededRandom seeded{12345};
};

// Records every prompt; questions are answered from the queues (yes/OK when empty).
class FakePrompts final : public Prompts {
public:
    void message(const QString &text) override { messages << text; }
    bool askYesNo(const QString &text) override { return answer(text); }
    bool askOkCancel(const QString &text) override { return answer(text); }
    std::optional<QString> askText(const QString &, const QString &label) override
    {
        questions << label;
        if (textAnswers.empty())
            return std::nullopt;
        const auto value = textAnswers.front();
        textAnswers.pop_front();
        return value;
    }

    std::optional<QString> askSaveFileName(const QString &) override
    {
        if (saveFileAnswers.empty())
            return std::nullopt;
        const auto value = saveFileAnswers.front();
        saveFileAnswers.pop_front();
        return value;
    }

    QStringList messages;
    QStringList questions;
    std::deque<std::optional<QString>> saveFileAnswers;
    std::deque<bool> answers;
    std::deque<std::optional<QString>> textAnswers;

private:
    bool answer(const QString &text)
    {
        questions << text;
        if (answers.empty())
            return true;
        const bool value = answers.front();
        answers.pop_front();
        return value;
    }
};

class FakeTermination final : public Termination {
public:
    [[noreturn]] void terminate(int exitCode) override
    {
        ++calls;
        throw TerminationRequested{exitCode};
    }
    int calls = 0;
};

class FakeDesktop final : public Desktop {
public:
    bool topLevelWindowExists(const QString &caption) const override { return windowCaptions.contains(caption); }
    bool capsLockOn() const override { return capsLock; }
    bool mainWindowActive() const override { return active; }

    QStringList windowCaptions;
    bool capsLock = false;
    bool active = true;
};

struct FakePlatform {
    FakeClock clock;
    FakeRandom random;
    FakePrompts prompts;
    FakeTermination termination;
    FakeDesktop desktop;

    Platform platform() { return {clock, random, prompts, termination, desktop}; }
};

} // namespace tesmi::fakes
