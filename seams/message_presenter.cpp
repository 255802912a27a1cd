#include "seams/message_presenter.h"

#include "seams/clock.h"
#include "seams/trace.h"

#include <cstdio>

namespace {

class StderrPresenter : public IMessagePresenter {
public:
    MsgAnswer Present(const MessageBoxRequest& request) override
    {
        std::fprintf(stderr, "%s: %s\n", request.caption.c_str(), request.text.c_str());
        return request.defaultButton;
    }
};

StderrPresenter g_stderrPresenter;
IMessagePresenter* g_presenter = &g_stderrPresenter;

} // namespace

void SetMessagePresenter(IMessagePresenter* presenter)
{
    g_presenter = presenter ? presenter : &g_stderrPresenter;
}

IMessagePresenter* CurrentMessagePresenter()
{
    IMessagePresenter* standIn = ThreadMessagePresenter::Current();
    return standIn ? standIn : g_presenter;
}

MsgAnswer PresentMessage(const MessageBoxRequest& request)
{
    if (ITrace* trace = ActiveTrace())
        trace->Message(ClockNowMs(), request.details.empty() ? request.text : request.text + " " + request.details);
    return CurrentMessagePresenter()->Present(request);
}
