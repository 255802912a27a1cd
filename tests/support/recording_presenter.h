// A message presenter for tests: keeps every box shown, answers from a script.
#pragma once

#include "seams/message_presenter.h"
#include "tests/support/test_context.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class RecordingPresenter : public IMessagePresenter {
public:
    RecordingPresenter() { TestContext().presenter = this; }
    ~RecordingPresenter() override { TestContext().ForgetPresenter(this); }

    MsgAnswer Present(const MessageBoxRequest& request) override
    {
        shown.push_back(request);
        if (onShown)
            onShown(request);
        if (answers.empty())
            return request.defaultButton;
        const MsgAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const MessageBoxRequest& request : shown)
            texts.push_back(request.text);
        return texts;
    }

    void Clear() { shown.clear(); }

    std::vector<MessageBoxRequest> shown;
    std::deque<MsgAnswer> answers;
    std::function<void(const MessageBoxRequest&)> onShown; // called as each box is shown
};
