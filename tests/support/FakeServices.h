#pragma once

#include "highscores/NameEntryOpener.h"
#include "platform/MessageBoxService.h"
#include "platform/RandomSource.h"

#include <QString>

#include <deque>
#include <functional>
#include <vector>

namespace testing_support {

struct ShownMessage {
    QString prompt;
    platform::MessageBoxButtons buttons;
    QString title;
};

// Records every box and answers from a script; OK once the script runs out.
// An optional hook runs while the box is "open", to look at the state then.
class FakeMessageBox final : public platform::MessageBoxService {
public:
    platform::MessageBoxResult show(const QString& prompt, platform::MessageBoxButtons buttons,
                                    const QString& title) override
    {
        shown.push_back({prompt, buttons, title});
        if (whileOpen)
            whileOpen();
        if (answers.empty())
            return platform::MessageBoxResult::Ok;
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<ShownMessage> shown;
    std::deque<platform::MessageBoxResult> answers;
    std::function<void()> whileOpen;
};

// Plays back a fixed sequence of draws, cycling; counts the reseeds.
class ScriptedRandom final : public platform::RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> draws = {0.25F}) : draws_(std::move(draws)) {}

    void reseedFromClock() override { ++reseeds; }
    float next() override { return draws_[next_++ % draws_.size()]; }

    int reseeds = 0;

private:
    std::vector<float> draws_;
    std::size_t next_ = 0;
};

class RecordingNameEntry final : public highscores::NameEntryOpener {
public:
    void showNameEntry() override
    {
        ++requests;
        if (onRequest)
            onRequest();
    }

    int requests = 0;
    std::function<void()> onRequest;
};

}  // namespace testing_support
